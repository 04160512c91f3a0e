// Record and data-run writing of the backup archive.
#include "backup/archive_writer.h"

#include <cstring>

namespace scrubwell {

using archive::kBlockSize;

ArchiveWriter::ArchiveWriter(ArchiveStream& out, TCompressionLevel level)
    : out_(&out), encoder_(archive::zlibLevel(level)), piece_(kBlockSize), frame_(4 + kBlockSize) {}

bool ArchiveWriter::writeInt32(int32_t value) {
  uint8_t field[4];
  archive::putInt32(field, value);
  return out_->write(field, 4);
}

bool ArchiveWriter::writeName(std::string_view name) {
  return writeInt32(static_cast<int32_t>(name.size())) && out_->write(name.data(), name.size());
}

bool ArchiveWriter::writeHeader(std::string_view title, int32_t totalBytes, int32_t fileCount) {
  if (title.size() > static_cast<size_t>(archive::kMaxTitleLength)) return false;
  return writeName(title) && writeInt32(totalBytes) && writeInt32(fileCount);
}

int64_t ArchiveWriter::readPiece(ArchiveStream& source, size_t want) {
  size_t got = 0;
  while (got < want) {
    int64_t n = source.read(piece_.data() + got, want - got);
    if (n < 0) return -1;
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  return static_cast<int64_t>(got);
}

RunEnd ArchiveWriter::writeRun(ArchiveStream& source, int64_t& remaining, int64_t maxSize,
                               const AfterBlock& afterBlock) {
  blocksInRun_ = 0;
  if (!out_->write(archive::kRunMarker, 4)) return RunEnd::writeFailed;
  archiveBytes_ += 4;
  while (remaining > 0 && (maxSize <= 0 || out_->position() < maxSize - archive::kSpanReserve)) {
    size_t want =
        remaining < static_cast<int64_t>(kBlockSize) ? static_cast<size_t>(remaining) : kBlockSize;
    int64_t got = readPiece(source, want);
    if (got < 0) return RunEnd::sourceFailed;
    if (got < static_cast<int64_t>(want)) return RunEnd::sourceShrank;
    remaining -= got;
    auto size = static_cast<size_t>(got);
    int32_t length = encoder_.encode(piece_.data(), size, frame_.data() + 4);
    if (length == 0) return RunEnd::compressionFailed;
    if (length < 0) std::memcpy(frame_.data() + 4, piece_.data(), size);
    archive::putInt32(frame_.data(), length);
    size_t blockBytes = length < 0 ? size : static_cast<size_t>(length);
    if (!out_->write(frame_.data(), 4 + blockBytes)) return RunEnd::writeFailed;
    archiveBytes_ += static_cast<int64_t>(4 + blockBytes);
    ++blocksInRun_;
    if (!afterBlock(size) && remaining > 0) return RunEnd::stopped;
  }
  if (!writeInt32(0)) return RunEnd::writeFailed;
  return remaining > 0 ? RunEnd::sizeLimit : RunEnd::complete;
}

}  // namespace scrubwell

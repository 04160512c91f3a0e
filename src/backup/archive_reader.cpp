// Record and data-run reading of the backup archive.
#include "backup/archive_reader.h"

#include <cstring>

#include "backup/archive_format.h"

namespace scrubwell {

using archive::kBlockSize;

ArchiveReader::ArchiveReader(ArchiveStream& in) : in_(in) {}

ReadResult ArchiveReader::readInt32(int32_t& value) {
  uint8_t field[4];
  if (!in_.readExact(field, 4)) return ReadResult::damaged;
  value = archive::getInt32(field);
  return ReadResult::ok;
}

ReadResult ArchiveReader::readHeader(ArchiveHeader& header) {
  int32_t titleLength = 0;
  if (readInt32(titleLength) != ReadResult::ok || titleLength < 0 ||
      titleLength > archive::kMaxTitleLength || titleLength > in_.remaining())
    return ReadResult::damaged;
  std::string title(static_cast<size_t>(titleLength), '\0');
  if (!in_.readExact(title.data(), title.size())) return ReadResult::damaged;
  int32_t total = 0, count = 0;
  if (readInt32(total) != ReadResult::ok || readInt32(count) != ReadResult::ok || total < 0 ||
      count < 0)
    return ReadResult::damaged;
  header = {std::move(title), total, count};
  return ReadResult::ok;
}

ReadResult ArchiveReader::readName(std::string& name) {
  int32_t length = 0;
  if (readInt32(length) != ReadResult::ok || length < 0 || length > archive::kMaxNameLength)
    return ReadResult::damaged;
  name.assign(static_cast<size_t>(length), '\0');
  return in_.readExact(name.data(), name.size()) ? ReadResult::ok : ReadResult::damaged;
}

ReadResult ArchiveReader::readRun(ArchiveStream* target, const AfterLength& afterLength) {
  uint8_t marker[4];
  if (!in_.readExact(marker, 4) || std::memcmp(marker, archive::kRunMarker, 4) != 0)
    return ReadResult::damaged;
  filled_ = 0;
  if (target && output_.empty()) output_.resize(kOutputBlocks * kBlockSize);
  ReadResult result = readBlocks(target, afterLength);
  // What was unpacked before a stop or damage still reaches the target.
  if (target && filled_ > 0 && !target->write(output_.data(), filled_) &&
      (result == ReadResult::ok || result == ReadResult::stopped))
    result = ReadResult::targetFailed;
  return result;
}

ReadResult ArchiveReader::readBlocks(ArchiveStream* target, const AfterLength& afterLength) {
  for (;;) {
    int32_t length = 0;
    if (readInt32(length) != ReadResult::ok) return ReadResult::damaged;
    if (length == 0) {
      afterLength(0);
      return ReadResult::ok;
    }
    // Checked before negating: the most negative length has no positive counterpart.
    if (length < -static_cast<int32_t>(kBlockSize) || length > static_cast<int32_t>(kBlockSize))
      return ReadResult::damaged;
    size_t size = static_cast<size_t>(length < 0 ? -length : length);
    size_t written = 0;
    if (target) {
      if (output_.size() - filled_ < kBlockSize) {
        if (!target->write(output_.data(), filled_)) return ReadResult::targetFailed;
        filled_ = 0;
      }
      uint8_t* to = output_.data() + filled_;
      if (length < 0) {
        if (!in_.readExact(to, size)) return ReadResult::damaged;
        written = size;
      } else {
        const uint8_t* block = in_.view(size);
        if (!block) return ReadResult::damaged;
        int32_t produced = decoder_.decode(block, size, to, output_.size() - filled_);
        if (produced < 0) return ReadResult::compressionFailed;
        written = static_cast<size_t>(produced);
      }
      filled_ += written;
    } else if (!in_.skip(static_cast<int64_t>(size))) {
      return ReadResult::damaged;
    }
    if (!afterLength(written)) return ReadResult::stopped;
  }
}

}  // namespace scrubwell

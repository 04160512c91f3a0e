// Writes the records of a backup archive to a stream: header, entry names and dates, data runs
// of compressed or stored blocks, spanning records and the end marker.
#pragma once
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "backup/archive_format.h"
#include "backup/archive_stream.h"
#include "backup/block_codec.h"

namespace scrubwell {

// How a data run ended.
enum class RunEnd {
  complete,           // the whole source is stored and the run end written
  sizeLimit,          // the archive file is full: run end written, source data remains
  stopped,            // the block callback asked to stop with data remaining; no run end
  sourceFailed,       // reading the source failed; no run end
  sourceShrank,       // the source ended before its size: no run end, so it never looks whole
  compressionFailed,  // zlib failed on a block; nothing written for it, no run end
  writeFailed,        // the archive stream refused a write
};

class ArchiveWriter {
 public:
  ArchiveWriter(ArchiveStream& out, TCompressionLevel level);

  // Continues on another stream (the next file of a spanned set).
  void switchTo(ArchiveStream& out) { out_ = &out; }

  bool writeHeader(std::string_view title, int32_t totalBytes, int32_t fileCount);
  bool writeName(std::string_view name);  // length and bytes; also used for the end marker ("")
  bool writeInt32(int32_t value);
  bool writeSpanRecord(int disk) { return writeName(archive::spanRecordName(disk)); }
  bool writeEndMarker() { return writeInt32(0); }

  // Called after each block with the source bytes it holds; returning false stops the run.
  using AfterBlock = std::function<bool(size_t sourceBytes)>;

  // Writes one data run of up to `remaining` bytes read from `source` and lowers `remaining` by
  // the bytes stored. With `maxSize` above 0 a block is started only while the archive position
  // is below maxSize - 16484. A run cut by a stop, a failure or a source that ends early (it
  // shrank) gets no run end, so no reader takes the stored part for the whole file.
  RunEnd writeRun(ArchiveStream& source, int64_t& remaining, int64_t maxSize,
                  const AfterBlock& afterBlock);

  // Bytes written by data runs so far: markers, block length fields and block data.
  int64_t archiveBytes() const { return archiveBytes_; }
  // Blocks written by the last writeRun.
  int blocksInLastRun() const { return blocksInRun_; }

 private:
  // Fills the piece buffer from the source; the count read, or -1 on a read error.
  int64_t readPiece(ArchiveStream& source, size_t want);

  ArchiveStream* out_;
  BlockEncoder encoder_;
  std::vector<uint8_t> piece_;
  std::vector<uint8_t> frame_;  // length field followed by the block data, written at once
  int64_t archiveBytes_ = 0;
  int blocksInRun_ = 0;
};

}  // namespace scrubwell

// Reads the records of a backup archive from a stream, treating every field as untrusted: lengths
// are bounded, blocks never overrun their 16384-byte buffers, and damage is reported, not guessed.
// The stream is read ahead through a buffer; it is left right after the last record read.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "backup/archive_stream.h"
#include "backup/block_codec.h"

namespace scrubwell {

enum class ReadResult {
  ok,
  damaged,            // truncated data, a wrong marker, a length out of range
  compressionFailed,  // a block is not one valid zlib stream of at most 16384 bytes
  targetFailed,       // the target stream refused a write
  stopped,            // the block callback asked to stop
};

struct ArchiveHeader {
  std::string title;
  int32_t totalBytes = 0;
  int32_t fileCount = 0;
};

class ArchiveReader {
 public:
  explicit ArchiveReader(ArchiveStream& in);

  // Continues on another stream (the next file of a spanned set).
  void switchTo(ArchiveStream& in) { in_.switchTo(in); }

  // Title, byte total and file count; negative totals or counts are damage.
  ReadResult readHeader(ArchiveHeader& header);
  // The name of the next record; empty at the end marker.
  ReadResult readName(std::string& name);
  ReadResult readInt32(int32_t& value);

  // Called after every block length read (the run end included) with the bytes the block put
  // into the target (0 when skipping); returning false stops the run.
  using AfterLength = std::function<bool(size_t bytesWritten)>;

  // Reads one data run. With a target its blocks are unpacked into it; without one they are
  // skipped (their lengths are still checked). Unpacked blocks gather in a buffer and reach the
  // target in large writes, all of them by the time this returns.
  ReadResult readRun(ArchiveStream* target, const AfterLength& afterLength);

 private:
  static constexpr size_t kOutputBlocks = 64;
  ReadResult readBlocks(ArchiveStream* target, const AfterLength& afterLength);

  BufferedReader in_;
  BlockDecoder decoder_;
  std::vector<uint8_t> output_;
  size_t filled_ = 0;  // unpacked bytes in output_ not yet written to the target
};

}  // namespace scrubwell

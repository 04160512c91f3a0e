// Compression and decompression of single archive blocks. Each block is a complete zlib stream
// (15-bit window, memory level 8, default strategy) of at most 16384 bytes of source. One zlib
// stream is kept per operation and reset between blocks, which yields the same bytes as a fresh
// stream per block without the cost of setting one up each time.
#pragma once
#include <zlib.h>

#include <cstddef>
#include <cstdint>

#include "backup/archive_format.h"

namespace scrubwell {

class BlockEncoder {
 public:
  explicit BlockEncoder(int zlibLevel);
  ~BlockEncoder();
  BlockEncoder(const BlockEncoder&) = delete;
  BlockEncoder& operator=(const BlockEncoder&) = delete;

  // Compresses `size` (1..16384) bytes of `piece` into `out` (16384 bytes of room) and returns the
  // block's length field: the compressed size when the stream fit into `out`, minus `size` when it
  // did not (the caller stores the piece unchanged), 0 when zlib failed.
  int32_t encode(const uint8_t* piece, size_t size, uint8_t* out);

 private:
  z_stream stream_{};
  int level_;
  bool started_ = false;
};

class BlockDecoder {
 public:
  BlockDecoder() = default;
  ~BlockDecoder();
  BlockDecoder(const BlockDecoder&) = delete;
  BlockDecoder& operator=(const BlockDecoder&) = delete;

  // Inflates the complete zlib stream `block` into `out`, which has `room` bytes (at least
  // 16384; more lets zlib keep to its fast loop up to the block's end). Returns the bytes
  // produced, or -1 when the data is not exactly one stream of at most 16384 bytes.
  int32_t decode(const uint8_t* block, size_t size, uint8_t* out,
                 size_t room = archive::kBlockSize);

 private:
  z_stream stream_{};
  bool started_ = false;
};

}  // namespace scrubwell

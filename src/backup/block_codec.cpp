// Single-block zlib compression and decompression with one reusable stream per direction.
#include "backup/block_codec.h"

namespace scrubwell {

BlockEncoder::BlockEncoder(int zlibLevel) : level_(zlibLevel) {}

BlockEncoder::~BlockEncoder() {
  if (started_) deflateEnd(&stream_);
}

int32_t BlockEncoder::encode(const uint8_t* piece, size_t size, uint8_t* out) {
  if (!started_) {
    stream_ = z_stream{};
    if (deflateInit2(&stream_, level_, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY) != Z_OK) return 0;
    started_ = true;
  } else if (deflateReset(&stream_) != Z_OK) {
    return 0;
  }
  stream_.next_in = const_cast<Bytef*>(piece);
  stream_.avail_in = static_cast<uInt>(size);
  stream_.next_out = out;
  stream_.avail_out = static_cast<uInt>(archive::kBlockSize);
  switch (deflate(&stream_, Z_FINISH)) {
    case Z_STREAM_END:
      return static_cast<int32_t>(archive::kBlockSize - stream_.avail_out);
    case Z_OK:
    case Z_BUF_ERROR:  // the stream did not fit into one block: store the piece as it is
      return -static_cast<int32_t>(size);
    default:
      return 0;
  }
}

BlockDecoder::~BlockDecoder() {
  if (started_) inflateEnd(&stream_);
}

int32_t BlockDecoder::decode(const uint8_t* block, size_t size, uint8_t* out, size_t room) {
  if (!started_) {
    stream_ = z_stream{};
    if (inflateInit2(&stream_, 15) != Z_OK) return -1;
    started_ = true;
  } else if (inflateReset(&stream_) != Z_OK) {
    return -1;
  }
  stream_.next_in = const_cast<Bytef*>(block);
  stream_.avail_in = static_cast<uInt>(size);
  stream_.next_out = out;
  stream_.avail_out = static_cast<uInt>(room);
  // Anything but one whole stream that ends with the block (an unfinished stream, more output
  // than one block, bytes after the end) is damage. The whole block is at hand, so Z_FINISH
  // spares zlib keeping a copy of the output as its window.
  if (inflate(&stream_, Z_FINISH) != Z_STREAM_END || stream_.avail_in != 0) return -1;
  size_t produced = room - stream_.avail_out;
  return produced <= archive::kBlockSize ? static_cast<int32_t>(produced) : -1;
}

}  // namespace scrubwell

// Reads an archive's bytes field by field in tests, so a test can state the exact layout it
// expects: 32-bit little-endian integers, length-prefixed strings, block data.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "backup/archive_format.h"
#include "backup/block_codec.h"

namespace scrubwell::test {

class FieldCursor {
 public:
  explicit FieldCursor(std::string bytes) : bytes_(std::move(bytes)) {}
  explicit FieldCursor(const std::vector<uint8_t>& bytes) : bytes_(bytes.begin(), bytes.end()) {}

  int32_t int32() {
    if (!has(4)) return INT32_MIN;
    int32_t v = archive::getInt32(reinterpret_cast<const uint8_t*>(bytes_.data() + at_));
    at_ += 4;
    return v;
  }
  std::string bytes(size_t n) {
    if (!has(n)) return {};
    std::string s = bytes_.substr(at_, n);
    at_ += n;
    return s;
  }
  std::string lengthAndText() {
    int32_t n = int32();
    return n < 0 ? std::string() : bytes(static_cast<size_t>(n));
  }
  // One data run: the marker, blocks (inflated or taken as stored) and the run end. `lengths`
  // receives the block length fields.
  std::string runData(std::vector<int32_t>* lengths = nullptr) {
    if (bytes(4) != std::string(archive::kRunMarker, 4)) ADD_FAILURE() << "no run marker";
    std::string data;
    BlockDecoder decoder;
    std::vector<uint8_t> out(archive::kBlockSize);
    for (int32_t length; (length = int32()) != 0 && length != INT32_MIN;) {
      if (lengths) lengths->push_back(length);
      std::string block = bytes(static_cast<size_t>(length < 0 ? -length : length));
      if (length < 0) {
        data += block;
        continue;
      }
      int32_t n =
          decoder.decode(reinterpret_cast<const uint8_t*>(block.data()), block.size(), out.data());
      EXPECT_GE(n, 0) << "block at " << at_;
      if (n > 0) data.append(reinterpret_cast<const char*>(out.data()), static_cast<size_t>(n));
    }
    return data;
  }
  bool atEnd() const { return at_ == bytes_.size(); }
  size_t offset() const { return at_; }

 private:
  bool has(size_t n) {
    if (bytes_.size() - at_ >= n) return true;
    ADD_FAILURE() << "archive ends at offset " << at_ << ", wanted " << n << " more bytes";
    at_ = bytes_.size();
    return false;
  }
  std::string bytes_;
  size_t at_ = 0;
};

inline const std::string kRunMarkerText(archive::kRunMarker, 4);

}  // namespace scrubwell::test

// The in-memory archive stream and the exact-read helper every stream shares.
#include "backup/archive_stream.h"

#include <algorithm>
#include <cstring>

namespace scrubwell {

bool ArchiveStream::readExact(void* buffer, size_t count) {
  auto* at = static_cast<uint8_t*>(buffer);
  while (count > 0) {
    int64_t n = read(at, count);
    if (n <= 0) return false;
    at += n;
    count -= static_cast<size_t>(n);
  }
  return true;
}

int64_t MemoryStream::read(void* buffer, size_t count) {
  size_t n = std::min(count, bytes_.size() - position_);
  if (n > 0) std::memcpy(buffer, bytes_.data() + position_, n);
  position_ += n;
  return static_cast<int64_t>(n);
}

bool MemoryStream::write(const void* data, size_t count) {
  if (count == 0) return true;
  if (count > limit_ || position_ > limit_ - count) return false;
  if (position_ + count > bytes_.size()) bytes_.resize(position_ + count);
  std::memcpy(bytes_.data() + position_, data, count);
  position_ += count;
  return true;
}

bool MemoryStream::seek(int64_t position) {
  if (position < 0 || position > size()) return false;
  position_ = static_cast<size_t>(position);
  return true;
}

}  // namespace scrubwell

// The in-memory archive stream, the exact-read helper every stream shares and buffered reading.
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

bool MemoryStream::truncate() {
  bytes_.resize(position_);
  return true;
}

BufferedReader::BufferedReader(ArchiveStream& in, size_t maxBuffer) : in_(&in), max_(maxBuffer) {}

void BufferedReader::switchTo(ArchiveStream& in) {
  at_ = end_ = 0;
  in_ = &in;
}

bool BufferedReader::fill(size_t count) {
  if (end_ - at_ >= count) return true;
  if (end_ > at_) std::memmove(buffer_.data(), buffer_.data() + at_, end_ - at_);
  end_ -= at_;
  at_ = 0;
  // Small first reads for a header, doubling up to the full size for a long run of blocks.
  size_t size = std::min(max_, std::max({count, buffer_.size() * 2, size_t{4096}}));
  if (buffer_.size() < size) buffer_.resize(size);
  while (end_ < count) {
    int64_t n = in_->read(buffer_.data() + end_, buffer_.size() - end_);
    if (n <= 0) return false;
    end_ += static_cast<size_t>(n);
  }
  return true;
}

bool BufferedReader::readExact(void* buffer, size_t count) {
  auto* to = static_cast<uint8_t*>(buffer);
  while (count > 0) {
    if (at_ == end_) {
      if (count >= max_) return in_->readExact(to, count);
      if (!fill(1)) return false;
    }
    size_t n = std::min(count, end_ - at_);
    std::memcpy(to, buffer_.data() + at_, n);
    at_ += n;
    to += n;
    count -= n;
  }
  return true;
}

const uint8_t* BufferedReader::view(size_t count) {
  if (count > max_ || !fill(count)) return nullptr;
  const uint8_t* data = buffer_.data() + at_;
  at_ += count;
  return data;
}

bool BufferedReader::skip(int64_t count) {
  if (count < 0 || count > remaining()) return false;
  auto buffered = static_cast<int64_t>(end_ - at_);
  if (count <= buffered) {
    at_ += static_cast<size_t>(count);
    return true;
  }
  at_ = end_ = 0;
  return in_->seek(in_->position() + count - buffered);
}

int64_t BufferedReader::remaining() const {
  return in_->remaining() + static_cast<int64_t>(end_ - at_);
}

void BufferedReader::release() {
  if (end_ > at_) in_->seek(in_->position() - static_cast<int64_t>(end_ - at_));
  at_ = end_ = 0;
}

BufferedWriter::BufferedWriter(ArchiveStream& out, size_t capacity)
    : out_(&out), buffer_(capacity) {}

bool BufferedWriter::flush() {
  if (used_ == 0) return true;
  const size_t n = used_;
  used_ = 0;
  return out_->write(buffer_.data(), n);
}

bool BufferedWriter::write(const void* data, size_t count) {
  if (count > buffer_.size() - used_ && !flush()) return false;
  if (count >= buffer_.size()) return out_->write(data, count);
  std::memcpy(buffer_.data() + used_, data, count);
  used_ += count;
  return true;
}

bool BufferedWriter::cutBackTo(int64_t position) {
  const int64_t flushed = out_->position();
  if (position >= flushed && position <= this->position()) {
    used_ = static_cast<size_t>(position - flushed);
    return true;
  }
  used_ = 0;
  return position >= 0 && out_->seek(position) && out_->truncate();
}

int64_t BufferedWriter::size() const { return std::max(out_->size(), position()); }

}  // namespace scrubwell

// The byte streams the archive code reads and writes: a small abstract interface (archives,
// sources and restore targets are all streams) and an in-memory implementation.
#pragma once
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace scrubwell {

class ArchiveStream {
 public:
  virtual ~ArchiveStream() = default;
  // Reads up to `count` bytes at the position and advances it; returns the count read, 0 at the
  // end, -1 on an error.
  virtual int64_t read(void* buffer, size_t count) = 0;
  // Writes all `count` bytes at the position and advances it; false on an error.
  virtual bool write(const void* data, size_t count) = 0;
  // Moves to an absolute position between 0 and size(); false when it is outside.
  virtual bool seek(int64_t position) = 0;
  virtual int64_t position() const = 0;
  virtual int64_t size() const = 0;
  // Cuts the stream off at its position; false when it cannot be cut.
  virtual bool truncate() { return false; }

  // Reads exactly `count` bytes (looping over short reads); false when fewer were available.
  bool readExact(void* buffer, size_t count);
  int64_t remaining() const { return size() - position(); }
};

// A stream over a growable byte vector; writing past the end extends it, up to an optional
// limit beyond which writes fail (for holding untrusted content in memory).
class MemoryStream final : public ArchiveStream {
 public:
  MemoryStream() = default;
  explicit MemoryStream(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
  void setLimit(size_t maxBytes) { limit_ = maxBytes; }

  int64_t read(void* buffer, size_t count) override;
  bool write(const void* data, size_t count) override;
  bool seek(int64_t position) override;
  int64_t position() const override { return static_cast<int64_t>(position_); }
  int64_t size() const override { return static_cast<int64_t>(bytes_.size()); }
  bool truncate() override;

  const std::vector<uint8_t>& bytes() const { return bytes_; }
  std::vector<uint8_t>& bytes() { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
  size_t position_ = 0;
  size_t limit_ = SIZE_MAX;
};

// Reads a stream through a buffer, so that the many small fields of an archive cost one read of
// the stream per buffer instead of one each. Reads start small and grow, so reading just a
// header stays cheap. The stream's own position runs ahead of what was
// consumed until release() (or the destructor) puts it back.
class BufferedReader {
 public:
  explicit BufferedReader(ArchiveStream& in, size_t maxBuffer = 262144);
  ~BufferedReader() { release(); }
  BufferedReader(const BufferedReader&) = delete;
  BufferedReader& operator=(const BufferedReader&) = delete;

  // Continues on another stream; what was read ahead of the current one is dropped.
  void switchTo(ArchiveStream& in);
  bool readExact(void* buffer, size_t count);
  // The next `count` bytes (at most maxBuffer) in place, consumed; null when fewer remain.
  // Valid until the next call.
  const uint8_t* view(size_t count);
  // Passes over `count` bytes; false when fewer remain.
  bool skip(int64_t count);
  int64_t remaining() const;
  // Moves the stream back to the first byte not consumed and empties the buffer.
  void release();

 private:
  // Makes at least `count` (at most max_) bytes available in the buffer.
  bool fill(size_t count);

  ArchiveStream* in_;
  size_t max_;
  std::vector<uint8_t> buffer_;
  size_t at_ = 0;
  size_t end_ = 0;
};

// Writes to a stream through a buffer, so the many small fields of an archive cost one write of
// the stream per buffer instead of one each. Nothing reaches the stream before flush() (or a full
// buffer); flush before the stream is closed or used directly.
class BufferedWriter final : public ArchiveStream {
 public:
  explicit BufferedWriter(ArchiveStream& out, size_t capacity = 262144);
  BufferedWriter(const BufferedWriter&) = delete;
  BufferedWriter& operator=(const BufferedWriter&) = delete;

  // Continues on another stream; what is buffered must have been flushed.
  void switchTo(ArchiveStream& out) { out_ = &out; }
  bool flush();
  // Goes back to an earlier `position` and drops everything written after it.
  bool cutBackTo(int64_t position);

  int64_t read(void*, size_t) override { return -1; }  // write only
  bool write(const void* data, size_t count) override;
  bool seek(int64_t position) override { return flush() && out_->seek(position); }
  int64_t position() const override { return out_->position() + static_cast<int64_t>(used_); }
  int64_t size() const override;

 private:
  ArchiveStream* out_;
  std::vector<uint8_t> buffer_;
  size_t used_ = 0;
};

}  // namespace scrubwell

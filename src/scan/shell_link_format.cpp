// The bounds check of the shortcut file format.
#include "scan/shell_link_format.h"

#include <cstdint>
#include <cstring>

namespace scrubwell {
namespace {

constexpr size_t kHeaderSize = 0x4C;
// CLSID_ShellLink {00021401-0000-0000-C000-000000000046} as it is stored.
constexpr unsigned char kLinkClass[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                          0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
enum LinkFlag : uint32_t {
  hasTargetIdList = 0x01,
  hasLinkInfo = 0x02,
  hasName = 0x04,
  hasRelativePath = 0x08,
  hasWorkingDir = 0x10,
  hasArguments = 0x20,
  hasIconLocation = 0x40,
  isUnicode = 0x80,
};

// Reads little-endian fields front to back; every read fails once the data runs out.
class Reader {
 public:
  explicit Reader(std::string_view data) : data_(data) {}
  bool read16(uint32_t& v) { return readBytes(2, v); }
  bool read32(uint32_t& v) { return readBytes(4, v); }
  bool skip(size_t n) {
    if (n > data_.size() - at_) return false;
    at_ += n;
    return true;
  }
  bool atEnd() const { return at_ == data_.size(); }

 private:
  bool readBytes(size_t n, uint32_t& v) {
    if (n > data_.size() - at_) return false;
    v = 0;
    for (size_t i = 0; i < n; ++i)
      v |= static_cast<uint32_t>(static_cast<unsigned char>(data_[at_ + i])) << (8 * i);
    at_ += n;
    return true;
  }
  std::string_view data_;
  size_t at_ = 0;
};

// The item list: its total size, then items of a stated size each, ended by a zero size, all
// within the total.
bool skipIdList(Reader& r) {
  uint32_t listSize = 0;
  if (!r.read16(listSize)) return false;
  uint32_t used = 0;
  for (;;) {
    uint32_t itemSize = 0;
    if (used + 2 > listSize || !r.read16(itemSize)) return false;
    used += 2;
    if (itemSize == 0) return used == listSize;
    if (itemSize < 2 || used + itemSize - 2 > listSize || !r.skip(itemSize - 2)) return false;
    used += itemSize - 2;
  }
}

}  // namespace

bool isWellFormedShellLink(std::string_view bytes) {
  if (bytes.size() < kHeaderSize || bytes.size() > kMaxShellLinkBytes) return false;
  Reader r(bytes);
  uint32_t headerSize = 0, flags = 0;
  if (!r.read32(headerSize) || headerSize != kHeaderSize) return false;
  if (std::memcmp(bytes.data() + 4, kLinkClass, sizeof kLinkClass) != 0) return false;
  r.skip(16);
  r.read32(flags);
  r.skip(kHeaderSize - 24);
  if ((flags & hasTargetIdList) && !skipIdList(r)) return false;
  if (flags & hasLinkInfo) {
    uint32_t infoSize = 0;
    if (!r.read32(infoSize) || infoSize < 4 || !r.skip(infoSize - 4)) return false;
  }
  const size_t charSize = (flags & isUnicode) ? 2 : 1;
  for (uint32_t text : {hasName, hasRelativePath, hasWorkingDir, hasArguments, hasIconLocation}) {
    uint32_t count = 0;
    if ((flags & text) && (!r.read16(count) || !r.skip(count * charSize))) return false;
  }
  // Extra data blocks, each with its size first, until a block smaller than four bytes (the
  // terminal block) or the end of the file.
  while (!r.atEnd()) {
    uint32_t blockSize = 0;
    if (!r.read32(blockSize)) return false;
    if (blockSize < 4) return true;
    if (!r.skip(blockSize - 4)) return false;
  }
  return true;
}

}  // namespace scrubwell

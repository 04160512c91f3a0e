// The download rules of the update check.
#include "update/download_rules.h"

#include <array>

#include "platform/text_upper.h"

namespace scrubwell {

int64_t announcedLength(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.empty() || text.size() > 18) return -1;
  int64_t n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

bool isWholeDownload(unsigned long status, int64_t announced, int64_t received) {
  if (status != 200 || received <= 0) return false;
  return announced < 0 || announced == received;
}

bool isExecutableName(std::string_view name) {
  static constexpr std::array<std::string_view, 6> kinds{".EXE", ".COM", ".SCR",
                                                         ".DLL", ".OCX", ".CPL"};
  for (auto k : kinds)
    if (endsWithIgnoringCase(name, k)) return true;
  return false;
}

bool looksLikeExecutable(std::string_view head) {
  if (head.size() < 0x40 || head[0] != 'M' || head[1] != 'Z') return false;
  uint32_t offset = 0;
  for (int i = 3; i >= 0; --i) offset = (offset << 8) | static_cast<unsigned char>(head[0x3C + i]);
  if (offset < 0x40 || offset > kExecutableHeaderBytes - 4 || offset + 4 > head.size())
    return false;
  return head.substr(offset, 4) == std::string_view("PE\0\0", 4);
}

int64_t percentReceived(int64_t received, int64_t total) {
  if (total <= 0 || received <= 0) return 0;
  // received * 100 cannot overflow for any size a disk holds (below 2^56 bytes).
  return received * 100 / total;
}

}  // namespace scrubwell

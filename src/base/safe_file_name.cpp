// The safe-file-name test for names that come from a download.
#include "base/safe_file_name.h"

#include <array>

#include "platform/text_upper.h"

namespace scrubwell {
namespace {

bool isDeviceName(std::string_view name) {
  // The system treats "nul.txt" or "com1 .log" as the device too: only the part before the first
  // dot counts, without trailing blanks.
  std::string_view stem = name.substr(0, name.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
  static constexpr std::array<std::string_view, 6> fixed{"CON", "PRN",    "AUX",
                                                         "NUL", "CONIN$", "CONOUT$"};
  if (isOneOfIgnoringCase(stem, fixed)) return true;
  if (stem.size() == 4 && stem[3] >= '1' && stem[3] <= '9') {
    std::string_view head = stem.substr(0, 3);
    return equalsIgnoringCase(head, "COM") || equalsIgnoringCase(head, "LPT");
  }
  return false;
}

}  // namespace

bool isSafeFileName(std::string_view name) {
  if (name.empty() || name.size() > kMaxUpdateFileName) return false;
  if (name == "." || name == "..") return false;
  if (name.back() == '.' || name.back() == ' ' || name.front() == ' ') return false;
  for (char c : name) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u < 32 || u == 127) return false;
    switch (c) {
      case '\\':
      case '/':
      case ':':
      case '*':
      case '?':
      case '"':
      case '<':
      case '>':
      case '|':
        return false;
      default:
        break;
    }
  }
  return !isDeviceName(name);
}

}  // namespace scrubwell

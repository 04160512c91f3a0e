// The class of a result entry, from its extension.
#include "scan/entry_class.h"

#include <array>
#include <string>

#include "platform/text_upper.h"

namespace scrubwell {

EntryClass entryClassOf(std::string_view path) {
  // Only the last three characters matter.
  std::string ext = toLower(path.size() > 3 ? path.substr(path.size() - 3) : path);
  static constexpr std::array<std::string_view, 8> risky = {"exe", "com", "bat", "dll",
                                                            "sys", "drv", "bin", "???"};
  static constexpr std::array<std::string_view, 13> junk = {
      "bak", "gid", "$$$", "tmp", "sik", "pif", "qdk", "old", "umb", "~mp", "cor", "alt", "lnk"};
  for (auto r : risky)
    if (ext == r) return EntryClass::risky;
  if (!path.empty() && path.back() == '*') return EntryClass::risky;
  for (auto j : junk)
    if (ext == j) return EntryClass::typicalJunk;
  if (path.size() >= 3 && path[path.size() - 3] == '~') return EntryClass::typicalJunk;
  return EntryClass::other;
}

}  // namespace scrubwell

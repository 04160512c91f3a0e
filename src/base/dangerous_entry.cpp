// The dangerous-entry rule of the mask and exception lists.
#include "base/dangerous_entry.h"

#include <algorithm>

namespace scrubwell {

bool isBlankEntry(std::string_view entry) { return entry.empty() || entry == " "; }

bool isDangerousEntry(std::string_view entry) {
  return isBlankEntry(entry) || entry == "*.*" || entry == "*.???" ||
         (entry.size() >= 3 && entry.substr(entry.size() - 3) == "???");
}

void removeDangerousEntries(std::vector<std::string>& entries) {
  entries.erase(std::remove_if(entries.begin(), entries.end(),
                               [](const std::string& e) { return isDangerousEntry(e); }),
                entries.end());
}

bool isDangerousMask(std::string_view mask) {
  if (isDangerousEntry(mask) || mask.find_first_of("\\/:") != std::string_view::npos) return true;
  std::string_view core = mask;
  while (!core.empty() && core.front() == ' ') core.remove_prefix(1);
  while (!core.empty() && (core.back() == ' ' || core.back() == '.')) core.remove_suffix(1);
  if (core == "*.*") return true;
  return core.find('*') != std::string_view::npos &&
         core.find_first_not_of("*?") == std::string_view::npos;
}

void removeDangerousMasks(std::vector<std::string>& masks) {
  masks.erase(std::remove_if(masks.begin(), masks.end(),
                             [](const std::string& m) { return isDangerousMask(m); }),
              masks.end());
}

}  // namespace scrubwell

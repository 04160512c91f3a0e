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

}  // namespace scrubwell

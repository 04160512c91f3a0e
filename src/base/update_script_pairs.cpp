// Reading the copy pairs of an update script.
#include "base/update_script.h"

namespace scrubwell {

std::vector<UpdateCopy> updateScriptPairs(const std::vector<std::string>& lines) {
  std::vector<UpdateCopy> pairs;
  for (size_t i = 1; i < lines.size(); i += 2)
    pairs.push_back({lines[i], i + 1 < lines.size() ? lines[i + 1] : std::string()});
  return pairs;
}

}  // namespace scrubwell

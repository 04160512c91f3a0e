// The user's search exceptions.
#include "scan/search_exceptions.h"

#include "platform/text_upper.h"

namespace scrubwell {

SearchExceptions::SearchExceptions(const std::vector<std::string>& entries) {
  entries_.reserve(entries.size());
  for (const auto& e : entries) {
    std::string upper = toUpper(e);
    if (!upper.empty() && upper.back() == '\\') upper.pop_back();
    entries_.push_back(std::move(upper));
  }
}

bool SearchExceptions::excludes(std::string_view folder, std::string_view name) const {
  if (entries_.empty()) return false;
  std::string f = toUpper(folder);
  if (f.size() > 1 && f.back() == '\\') f.pop_back();
  std::string n = toUpper(name);
  const bool onDrive = f.size() > 1 && f[1] == ':';
  for (const auto& e : entries_) {
    // The folder lies below the entry.
    if (onDrive && e.size() < f.size() && f.compare(0, e.size(), e) == 0 && f[e.size()] == '\\')
      return true;
    if (f == e || n == e) return true;
    if (f.size() + 1 + n.size() == e.size() && e.compare(0, f.size(), f) == 0 &&
        e[f.size()] == '\\' && e.compare(f.size() + 1, n.size(), n) == 0)
      return true;
  }
  return false;
}

const std::vector<std::string>& defaultSearchExceptions() {
  static const std::vector<std::string> entries = {
      "Data.sav", "Script.bak", "System.bak", "System.old", "User.old", "Win.bak", "Win.old"};
  return entries;
}

}  // namespace scrubwell

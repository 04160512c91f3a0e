// The user's search exceptions: each entry is a folder (nothing in or below it is listed or
// entered), a bare file name (never listed in any folder) or a full file path.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace scrubwell {

class SearchExceptions {
 public:
  SearchExceptions() = default;
  // Entries in list order, as the options window holds them (with or without a trailing "\").
  explicit SearchExceptions(const std::vector<std::string>& entries);

  bool empty() const { return entries_.empty(); }
  // True when an entry excludes `name` in `folder` (which ends with "\").
  bool excludes(std::string_view folder, std::string_view name) const;

 private:
  std::vector<std::string> entries_;  // upper-cased, one trailing "\" removed
};

// The built-in exception entries a fresh installation starts with.
const std::vector<std::string>& defaultSearchExceptions();

}  // namespace scrubwell

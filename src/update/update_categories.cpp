// Ordering the categories of an update for the update window.
#include "update/update_categories.h"

#include <utility>

#include "platform/text_upper.h"

namespace scrubwell {

std::vector<int> categoryTextNumbers(const std::vector<std::string>& categories) {
  static const std::pair<const char*, int> kOrder[] = {
      {"main", 324}, {"exceptions", 323}, {"lang", 328}, {"settings", 327},
      {"doc", 326},  {"skin", 325},       {"other", 329}};
  auto known = [](const std::string& c) {
    for (const auto& [word, text] : kOrder)
      if (equalsIgnoringCase(c, word)) return true;
    return false;
  };
  std::vector<int> numbers;
  for (const auto& [word, text] : kOrder) {
    bool present = false;
    for (const auto& c : categories)
      present = present || equalsIgnoringCase(c, word) ||
                (std::string_view(word) == "other" && !known(c));
    if (present) numbers.push_back(text);
  }
  return numbers;
}

}  // namespace scrubwell

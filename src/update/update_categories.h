// The lines of the update window's category list: one "-" + category text and an empty line per
// category that occurs among the updated files, in a fixed order.
#pragma once
#include <string>
#include <vector>

namespace scrubwell {

// The text numbers of the categories present in `categories` (compared ignoring case), in the
// order main, exceptions, lang, settings, doc, skin, other; an unknown word counts as "other".
std::vector<int> categoryTextNumbers(const std::vector<std::string>& categories);

}  // namespace scrubwell

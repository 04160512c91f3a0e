// Comparing decimal version texts such as "8.75" the same way on every system: "." and "," both
// separate the decimals, whatever the user's settings say.
#pragma once
#include <optional>
#include <string_view>

namespace scrubwell {

// -1, 0 or 1 as `a` is below, equal to or above `b` as decimal numbers ("8.8" > "8.75",
// "8,80" == "8.8"); nothing when either is not such a number. A number is optional blanks,
// at least one digit, optionally one "." or "," followed by digits, optional blanks; at most
// 40 digits on either side.
std::optional<int> compareVersionTexts(std::string_view a, std::string_view b);

}  // namespace scrubwell

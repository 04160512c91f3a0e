// Case mapping of the Windows code page 1252 for the portable core: upper- and lower-casing of
// ANSI paths and names, so that comparisons "ignoring case" give the same answer in every build.
#pragma once
#include <span>
#include <string>
#include <string_view>

namespace scrubwell {

// The code-page-1252 upper-case form of one byte (a-z, the accented letters, š œ ž ÿ).
char upperChar(char c);
// The code-page-1252 lower-case form of one byte.
char lowerChar(char c);

std::string toUpper(std::string_view text);
std::string toLower(std::string_view text);

// True when `a` and `b` are equal ignoring case.
bool equalsIgnoringCase(std::string_view a, std::string_view b);
// True when `text` ends with `tail`, ignoring case.
bool endsWithIgnoringCase(std::string_view text, std::string_view tail);
// True when `text` equals one of `names`, ignoring case.
bool isOneOfIgnoringCase(std::string_view text, std::span<const std::string_view> names);

}  // namespace scrubwell

// Cutting blanks off the ends of a text: the one rule for switches, INI lines, settings values
// and the names a backup is given.
#pragma once
#include <string_view>

namespace scrubwell {

// The blanks most texts are trimmed of: spaces and tabs.
inline constexpr std::string_view kBlanks = " \t";

// `text` without the characters of `strip` at its start and its end.
std::string_view trimmed(std::string_view text, std::string_view strip = kBlanks);
// `text` without the characters of `strip` at its end.
std::string_view trimmedEnd(std::string_view text, std::string_view strip = kBlanks);
// `text` without spaces and control characters (every byte up to ' ') at its start and its end,
// for names typed or pasted with line ends and other invisible characters around them.
std::string_view trimmedOfControls(std::string_view text);

}  // namespace scrubwell

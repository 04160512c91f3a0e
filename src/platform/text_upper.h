// Case mapping, the program's one route for upper- and lower-casing and for comparing ignoring
// case. The portable core maps by the Windows code page 1252, so that comparisons "ignoring case"
// give the same answer in every build; the Windows side may also ask the system for the mapping
// of the ANSI code page in use.
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

#ifdef _WIN32
// The system's case mapping in the ANSI code page in use (CharUpperBuffA, CharLowerBuffA), for
// paths that must match what the system itself spells in that code page: the drive roots a tree
// removal refuses, the names a backup stores. Windows builds only; on a code-page-1252 system it
// gives what toUpper and toLower give.
std::string toUpperInAnsiCodePage(std::string text);
std::string toLowerInAnsiCodePage(std::string text);
#endif

}  // namespace scrubwell

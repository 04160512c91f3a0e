// The one test every file name from an update description passes before it is fetched, written
// or deleted: a plain name inside one folder, never a path.
#pragma once
#include <string_view>

namespace scrubwell {

// The longest name accepted (the rest of a path must still fit in MAX_PATH).
constexpr size_t kMaxUpdateFileName = 100;

// True for a plain file name: not empty, at most kMaxUpdateFileName bytes, no "\", "/", ":",
// wildcards, quotes, "<", ">", "|" or control characters, not "." or "..", no trailing dot or
// blank, no leading blank, and not a device name (CON, PRN, AUX, NUL, COM1-9, LPT1-9, CONIN$,
// CONOUT$, also with an extension such as "nul.txt").
bool isSafeFileName(std::string_view name);

}  // namespace scrubwell

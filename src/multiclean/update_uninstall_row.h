// The row of an update-uninstall folder in the selection window: its path (long paths shortened
// to their end) and its size in kilobytes.
#pragma once
#include <cstdint>
#include <string>

namespace scrubwell {

// The path as shown: unchanged up to 40 characters, else "..." and its last 37 characters.
std::string shortenedFolderPath(const std::string& folder);

// The shown path, 11 blanks, text 32, ":", the size in whole kilobytes and "kb".
std::string updateUninstallRowText(const std::string& folder, int64_t bytes);

}  // namespace scrubwell

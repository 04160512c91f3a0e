// The 36-column row text of the result list: the path (padded or shortened), three blanks and
// the size text, so that the sizes line up in a fixed-pitch font.
#pragma once
#include <string>

namespace scrubwell {

inline constexpr size_t kRowPathColumns = 36;

// A path whose length plus the size text's is at most 36 is padded to make 36; a longer one is
// shortened to its first 3 characters, "..." and its last (30 - size length) characters, after
// the size text was padded on the left to 5 characters.
std::string rowText(const std::string& path, const std::string& sizeText);

}  // namespace scrubwell

// The system's case-insensitive sort key: the order of a sorted list box, cheap to compare.
#pragma once
#include <string>
#include <string_view>

namespace scrubwell {

// LCMapStringA(LCMAP_SORTKEY | NORM_IGNORECASE) of `text`; bytewise order of the keys is the
// order lstrcmpiA gives.
std::string systemSortKey(std::string_view text);

}  // namespace scrubwell

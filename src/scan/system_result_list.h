// The Windows pieces of the result list: the system's case-insensitive sort key (the order of a
// sorted list box) and the file size the display list shows.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "scan/result_list.h"

namespace scrubwell {

// LCMapStringA(LCMAP_SORTKEY | NORM_IGNORECASE) of `text`; bytewise order of the keys is the
// order lstrcmpiA gives.
std::string systemSortKey(std::string_view text);

// The size of an existing file in bytes, -1 when `path` is no file.
int64_t systemFileSize(const std::string& path);

// A result list ordered by systemSortKey.
inline ResultList makeSystemResultList() { return ResultList(systemSortKey); }

}  // namespace scrubwell

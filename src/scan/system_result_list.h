// The result list in the order of a sorted list box, by the system's case-insensitive sort keys.
#pragma once
#include "base/sort_key.h"
#include "scan/result_list.h"

namespace scrubwell {

// A result list ordered by systemSortKey.
inline ResultList makeSystemResultList() { return ResultList(systemSortKey); }

}  // namespace scrubwell

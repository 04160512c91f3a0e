// The prefetch and download clean-up: empties C:\WUTemp, C:\MSOCache and the Windows folder's
// Prefetch and Downloaded Installations folders at once, for good (no result list, no backup),
// and tells how many bytes it freed and whether anything stayed behind (the Prefetch folder
// needs administrator rights). The folders themselves stay. Runs without a window, so the
// multi-clean calls it as the button does.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "scan/folder_contents_removal.h"

namespace scrubwell {

// The folders it empties, in order.
std::vector<std::string> prefetchAndDownloadFolders();

// Empties them in order; `progress` (may be empty) hears 10 before the first and 40, 70 and 90
// after the first three. `refused` is set when the gate turned one of them away.
FolderEmptying emptyPrefetchAndDownloadFolders(const ListingScope& scope,
                                               const std::function<void(int percent)>& progress);

}  // namespace scrubwell

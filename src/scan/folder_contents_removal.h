// Emptying a known folder for good, without a result list and without a backup: the prefetch and
// download folders, the minidump folder. The folder passes the folder gate first (a drive root,
// "" or "X:" is never emptied); everything below it goes that every scan may list — what lies in
// the recycle and restore folders, files directly in the backup folder, protected names and the
// search exceptions stay. Links are deleted themselves, never entered; the folder itself stays.
#pragma once
#include <cstdint>
#include <string>

#include "scan/listing_scope.h"

namespace scrubwell {

struct FolderEmptying {
  bool refused = false;    // the gate turned the folder away (a missing folder is no refusal)
  int64_t freedBytes = 0;  // sizes of the files really deleted
  int32_t leftovers = 0;   // entries that stayed: spared, in use or not deletable
};

FolderEmptying emptyFolderContents(const std::string& folder, const ListingScope& scope);

}  // namespace scrubwell

// Names no walk may offer or enter: the system folders, the fixed list of path fragments of
// system and application files, and the extension guard that rejects loose matches.
#pragma once
#include <string>
#include <string_view>

namespace scrubwell {

// True when `folderUpper` (upper-cased, ending with "\") is a system folder no walk lists from.
bool isSystemFolder(std::string_view folderUpper);

// True when the upper-cased full path contains a protected fragment or both fragments of a
// protected pair.
bool hasProtectedFragment(std::string_view pathUpper);

// True when a found `name` may stand for `mask`. The system also matches a mask such as "*.tmp"
// against "a.tmpx" through the short name A~1.TMP; for a mask longer than four characters whose
// last four are "." and three non-wildcard characters, the long name must end with them.
bool passesExtensionGuard(std::string_view name, std::string_view mask);

// The first-level folder of a drive path ("C:\RECYCLER\..." gives "RECYCLER"), as the 8 characters
// from the 4th on, upper-cased; shorter when the path is shorter.
std::string firstLevelFolder(std::string_view folder);

// True for the recycle-bin and system-restore folders whose files no walk lists (the walk still
// enters them).
bool isRecycleOrRestoreFolder(std::string_view folder);

}  // namespace scrubwell

// Removing a folder with everything below it, stopping at the first file or folder that cannot be
// deleted. A drive root is never emptied or removed.
#pragma once
#include <string>

namespace scrubwell {

// Deletes every file and folder below `folder`, then `folder` itself. Read-only attributes are
// cleared first. Stops at the first failure and returns false; what was deleted stays deleted.
// Refuses (false, nothing deleted) when the folder is a drive root or its short path cannot be
// found; folder links (reparse points) are removed without entering them.
bool removeFolderTree(const std::string& folder);

}  // namespace scrubwell

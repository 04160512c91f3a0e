// Removing a folder with everything below it, by the enumeration rule of tree_walk.h: hidden,
// system and read-only entries go too, a link is deleted itself and never entered. A drive root
// is never emptied or removed.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "base/tree_walk.h"

namespace scrubwell {

// Deletes every file and folder below `folder`, then `folder` itself. Read-only attributes are
// cleared first. Stops at the first failure and returns false; what was deleted stays deleted.
// Refuses (false, nothing deleted) when the folder is a drive root or its short path cannot be
// found; folder links (reparse points) are removed without entering them.
bool removeFolderTree(const std::string& folder);

// What a tree deletion that goes on past failures achieved.
struct TreeDeletion {
  int64_t freedBytes = 0;  // sizes of the files really deleted
  int32_t leftovers = 0;   // entries that could not be deleted (a folder holding them included)
};

// Deletes every entry below `folder` (ending with "\") that can be deleted, going on past the
// ones that cannot; with `removeFolder` then `folder` itself when it is empty. The caller has
// passed the folder through the folder gate; this does no root test of its own. With
// `mayDelete`, only the files and links it lets go are deleted; the others stay and count as
// leftovers, and so do the folders that still hold them.
TreeDeletion deleteTree(const std::string& folder, bool removeFolder,
                        const std::function<bool(const TreeEntry&)>& mayDelete = {});

}  // namespace scrubwell

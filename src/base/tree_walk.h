// The one enumeration rule for a folder tree that is backed up and then deleted, so the backup
// holds exactly what the removal deletes: every file and folder, hidden, system and read-only
// ones included; a link (any entry carrying FILE_ATTRIBUTE_REPARSE_POINT — a junction, a
// symbolic link, a mount point) is handed over as an entry of its own and never entered.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace scrubwell {

struct TreeEntry {
  enum class Kind { file, link, folder };
  Kind kind;
  std::string path;  // long names; a folder's path ends with "\", a link's does not
  int64_t size;      // a file's size; 0 for links and folders
  uint32_t attributes;
};

// Visits the tree below `folder` (ending with "\"), children before their folder: each folder's
// files and links, each sub-folder's contents followed by the sub-folder itself. `folder` itself
// is not visited. The visitor answers false to stop the walk; walkTree then answers false too.
// Pumps messages on a time slice. A visitor may delete the entry it was handed.
bool walkTree(const std::string& folder, const std::function<bool(const TreeEntry&)>& visit);

}  // namespace scrubwell

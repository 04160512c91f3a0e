// Emptying a known folder for good.
#include "scan/folder_contents_removal.h"

#include "base/tree_removal.h"
#include "scan/folder_gate.h"

namespace scrubwell {

FolderEmptying emptyFolderContents(const std::string& folder, const ListingScope& scope) {
  FolderEmptying result;
  const GatedFolder gated = passFolderGate(folder);
  if (gated.refusal == FolderRefusal::missing) return result;
  if (!gated.passed()) {
    result.refused = true;
    return result;
  }
  const TreeDeletion done = deleteTree(gated.folder, false, [&scope](const TreeEntry& entry) {
    const size_t slash = entry.path.rfind('\\');
    const std::string parent = entry.path.substr(0, slash + 1);
    const std::string name = entry.path.substr(slash + 1);
    return scope.listsFilesIn(parent) && scope.allowsFile(parent, name, "*.*");
  });
  result.freedBytes = done.freedBytes;
  result.leftovers = done.leftovers;
  return result;
}

}  // namespace scrubwell

// The own-folder clean-up on the folder-tree removal.
#include "multiclean/own_folder_cleanup.h"

namespace scrubwell {

FolderTreesOutcome cleanOwnFolders(const std::vector<std::string>& folders,
                                   const RemovalSettings& settings, RemovalParts& parts) {
  return confirmAndRemoveFolderTrees(folders, FolderTreeAction::emptyFolder, settings, parts);
}

}  // namespace scrubwell

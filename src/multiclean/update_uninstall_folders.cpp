// Finding and removing the update-uninstall folders of the Windows folder.
#include "multiclean/update_uninstall_folders.h"

#include <windows.h>

#include "base/file_ops.h"
#include "base/tree_walk.h"
#include "platform/find.h"
#include "platform/path_text.h"

namespace scrubwell {

std::vector<std::string> findUpdateUninstallFolders() {
  return findUpdateUninstallFolders(windowsFolder());
}

std::vector<std::string> findUpdateUninstallFolders(const std::string& windowsFolder) {
  std::vector<std::string> folders;
  for (const char* name : {"Options\\Install", "$WinMeUpdateUninstall$", "$WinNTUpdateUninstall$",
                           "$NtServicePackUninstall$"}) {
    const std::string folder = windowsFolder + "\\" + name;
    if (folderExists(folder)) folders.push_back(folder);
  }
  FindFiles found(windowsFolder + "\\$NtUninstall*$", 63);
  while (found.next())
    if (found.isDirectory() && found.name()[0] != '.')
      folders.push_back(windowsFolder + "\\" + found.name());
  return folders;
}

int64_t updateUninstallFolderSize(const std::string& folder) {
  int64_t bytes = 0;
  walkTree(withTrailingBackslash(folder), [&bytes](const TreeEntry& entry) {
    bytes += entry.size;
    return true;
  });
  return bytes;
}

FolderTreesOutcome removeUpdateUninstallFolders(const std::vector<std::string>& folders,
                                                const RemovalSettings& settings,
                                                RemovalParts& parts) {
  return confirmAndRemoveFolderTrees(folders, FolderTreeAction::removeFolder, settings, parts);
}

}  // namespace scrubwell

// The update-uninstall folders: where Windows keeps the undo data of its service packs and
// updates. Finding them in the Windows folder and removing the chosen ones with backup — the
// same for the update-uninstall window and the multi-clean.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "scan/folder_tree_removal.h"

namespace scrubwell {

// The update-uninstall folders of the Windows folder, without a trailing "\", in this order:
// Options\Install, $WinMeUpdateUninstall$, $WinNTUpdateUninstall$, $NtServicePackUninstall$
// (each when it is a folder), then every folder matching $NtUninstall*$ in find order. Files of
// those names and folders whose names start with "." are not listed.
std::vector<std::string> findUpdateUninstallFolders();
// The same in `windowsFolder` (given without a trailing "\").
std::vector<std::string> findUpdateUninstallFolders(const std::string& windowsFolder);

// The bytes a folder's removal would free: every file below it by the enumeration rule of the
// removal (hidden and system entries included, links not entered).
int64_t updateUninstallFolderSize(const std::string& folder);

// Removes `folders` with everything in them through the folder-tree removal (gate, one backup
// point, per-folder report lines). With no folders nothing happens: no question, no report, no
// items. With the confirmation option set the user is asked first; any answer but Yes ends the
// run as declined with nothing written.
FolderTreesOutcome removeUpdateUninstallFolders(const std::vector<std::string>& folders,
                                                const RemovalSettings& settings,
                                                RemovalParts& parts);

}  // namespace scrubwell

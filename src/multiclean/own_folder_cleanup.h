// The own-folder clean-up: empties every folder of the user's own-folder list, backing up what
// goes in one point first when the backup option is on. Each entry passes the folder gate once,
// and the same resolved folder is sized, backed up and emptied; a drive root (in any spelling,
// "D:" too), a relative entry, and a folder holding the program's data folder or another
// protected folder are refused with a report line. The folders themselves stay, empty.
// Window-free, so the "Own Folders" button and the multi-clean run the same steps.
#pragma once
#include <string>
#include <vector>

#include "scan/folder_tree_removal.h"

namespace scrubwell {

// With an empty list nothing happens (the caller tells the user when a person started it). With
// the confirmation option set the user is asked first; any answer but Yes ends the run declined,
// with nothing written.
FolderTreesOutcome cleanOwnFolders(const std::vector<std::string>& folders,
                                   const RemovalSettings& settings, RemovalParts& parts);

}  // namespace scrubwell

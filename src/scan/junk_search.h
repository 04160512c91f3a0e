// The junk search: walks each chosen drive for the file masks and fills the result list with
// every allowed match, then rebuilds the display list. The launcher around it hides and shows
// the windows, marks the results and sets the junk search's done mark.
#pragma once
#include <string>
#include <vector>

#include "scan/mask_walk.h"
#include "scan/result_list.h"

namespace scrubwell {

struct JunkSearchInputs {
  std::vector<std::string> driveRoots;  // as chosenDriveRoots() gives them, e.g. "C:\\"
  std::vector<std::string> masks;       // the cleaned mask list; defaultJunkMasks() at first
  std::vector<std::string> exceptions;  // the user's and the downloaded search exceptions
  std::string backupFolder;             // files directly in it are never listed
};

struct JunkSearchOutcome {
  bool cancelled = false;
  MaskWalk::Stats stats;
};

// Walks each root in order until the cancel flag is seen; a root that is not ready yields
// nothing. Appends to `list`, rebuilds its rows with systemFileSize for unknown sizes, and clears
// `cancel` at the end.
JunkSearchOutcome runJunkSearch(const JunkSearchInputs& inputs, ResultList& list,
                                ProcessFlag& cancel, WalkProgress* progress, DWORD sliceMs = 15);

}  // namespace scrubwell

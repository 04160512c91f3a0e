// The junk search: walks each chosen drive for the file masks and fills the result list with
// every allowed match, then rebuilds the display list. The launcher around it hides and shows
// the windows, marks the results and sets the junk search's done mark.
#pragma once
#include "scan/drive_scans.h"
#include "scan/mask_walk.h"
#include "scan/result_list.h"

namespace scrubwell {

struct JunkSearchOutcome {
  bool cancelled = false;
  MaskWalk::Stats stats;
};

// Walks each root in order until the cancel flag is seen; a root that is not ready yields
// nothing. Appends to `list`, rebuilds its rows with systemFileSize for unknown sizes, and clears
// `cancel` at the end.
JunkSearchOutcome runJunkSearch(const DriveScanInputs& inputs, ResultList& list,
                                ProcessFlag& cancel, WalkProgress* progress, DWORD sliceMs = 15);

}  // namespace scrubwell

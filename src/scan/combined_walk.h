// The combined drive walk of the multi-clean: the rules of several drive-scanning clean-ups (junk
// masks, broken shortcuts, zero-byte files, temporary files, duplicate DLLs) on one walk of the
// chosen drives, each folder read once. Every rule is the single scan's own, applied where the
// single scan would apply it, so the list is the union of the single scans' lists on the same
// drives, each path once (marked when any of the scans marks it). Temporary files are those at or
// below the temp-folder scan's folders that lie on the walked drives.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "scan/drive_scans.h"

namespace scrubwell {

struct CombinedWalkOutcome {
  bool cancelled = false;
  uint64_t folders = 0;  // folders read
  uint64_t found = 0;    // paths added (each once)
};

// The clean-ups the combined walk can run: those with a drive scan of their own.
bool joinsCombinedWalk(CleanupId id);

// Walks the drives of `inputs` once with the rules of every clean-up of `ids` that joins the
// combined walk (the others are ignored), adds each path found once to `list` (paths already in
// it are not added again), then ends as endDriveScan does. A set cancel flag stops the walk
// early; what was found until then stays in the list.
CombinedWalkOutcome runCombinedWalk(const std::vector<CleanupId>& ids,
                                    const DriveScanInputs& inputs, ResultList& list,
                                    ProcessFlag& cancel, WalkProgress* progress,
                                    DWORD sliceMs = 15);

}  // namespace scrubwell

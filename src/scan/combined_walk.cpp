// The combined drive walk (interim: the single scans one after the other).
#include "scan/combined_walk.h"

#include "scan/cancel_flag.h"

namespace scrubwell {

bool joinsCombinedWalk(CleanupId id) {
  return driveScanOf(id) != nullptr;
}

CombinedWalkOutcome runCombinedWalk(const std::vector<CleanupId>& ids,
                                    const DriveScanInputs& inputs, ResultList& list,
                                    ProcessFlag& cancel, WalkProgress* progress, DWORD) {
  CombinedWalkOutcome outcome;
  for (CleanupId id : ids) {
    if (!joinsCombinedWalk(id) || cancel.isSet()) continue;
    driveScanOf(id)(inputs, list, cancel, progress);
  }
  outcome.found = list.size();
  endDriveScan(list, cancel);
  return outcome;
}

}  // namespace scrubwell

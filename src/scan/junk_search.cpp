// The junk search.
#include "scan/junk_search.h"

#include "scan/system_result_list.h"

namespace scrubwell {

JunkSearchOutcome runJunkSearch(const DriveScanInputs& inputs, ResultList& list,
                                ProcessFlag& cancel, WalkProgress* progress, DWORD sliceMs) {
  JunkSearchOutcome outcome;
  const SearchExceptions exceptions(inputs.exceptions);
  MaskWalk walk(inputs.masks, exceptions, inputs.backupFolder, cancel, progress);
  walk.setSliceMs(sliceMs);
  walk.walkDrives(inputs.driveRoots, list);
  outcome.cancelled = cancel.isSet();
  outcome.stats = walk.stats();
  endDriveScan(list, cancel);
  return outcome;
}

}  // namespace scrubwell

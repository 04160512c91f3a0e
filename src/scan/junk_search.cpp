// The junk search.
#include "scan/junk_search.h"

#include "base/file_ops.h"
#include "scan/system_result_list.h"

namespace scrubwell {

JunkSearchOutcome runJunkSearch(const DriveScanInputs& inputs, ResultList& list,
                                ProcessFlag& cancel, WalkProgress* progress, DWORD sliceMs) {
  JunkSearchOutcome outcome;
  const SearchExceptions exceptions(inputs.exceptions);
  MaskWalk walk(inputs.masks, exceptions, inputs.backupFolder, cancel, progress);
  walk.setSliceMs(sliceMs);
  for (const auto& root : inputs.driveRoots) {
    if (cancel.isSet()) break;
    if (root.empty()) continue;
    walk.walk(root.substr(0, 1) + ":\\", list);
  }
  outcome.cancelled = cancel.isSet();
  outcome.stats = walk.stats();
  list.rebuildRows(systemFileSize);
  cancel.clear();
  return outcome;
}

}  // namespace scrubwell

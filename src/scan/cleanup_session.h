// Scanning into a result list and removing its marked entries with backup, without any window:
// the results window, the unattended command-line runs and the multi-clean run all go through
// this one flow, so what they find, delete and report is the same.
#pragma once
#include "scan/combined_walk.h"
#include "scan/drive_scans.h"
#include "scan/removal.h"

namespace scrubwell {

class CleanupSession {
 public:
  explicit CleanupSession(ResultList& list) : list_(list) {}

  ResultList& results() { return list_; }

  // Runs the drive scan of `id`, appending what it finds to the list; the rows are rebuilt with
  // the marks their entries start with, and `cancel` is cleared at the end. False, with nothing
  // done, when `id` has no drive scan.
  bool scan(CleanupId id, const DriveScanInputs& inputs, ProcessFlag& cancel,
            WalkProgress* progress);
  // Runs the drive scans of `ids` together on one walk (combined_walk.h), each path added once;
  // the rows are rebuilt with the marks their entries start with and `cancel` is cleared.
  CombinedWalkOutcome scanTogether(const std::vector<CleanupId>& ids, const DriveScanInputs& inputs,
                                   ProcessFlag& cancel, WalkProgress* progress);

  // Removes the marked entries as "remove" does (backup first, or the recycle bin); when the
  // removal ran to its end, the report ends with the summary lines of its counts.
  RemovalOutcome remove(const RemovalSettings& settings, RemovalParts& parts);

 private:
  ResultList& list_;
};

}  // namespace scrubwell

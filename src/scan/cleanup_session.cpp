// The window-free flow of a clean-up: scan, remove, report.
#include "scan/cleanup_session.h"

#include "base/texts.h"
#include "scan/report_text.h"

namespace scrubwell {

bool CleanupSession::scan(CleanupId id, const DriveScanInputs& inputs, ProcessFlag& cancel,
                          WalkProgress* progress) {
  DriveScan driveScan = driveScanOf(id);
  if (!driveScan) return false;
  driveScan(inputs, list_, cancel, progress);
  list_.copyRawMarksToRows();
  return true;
}

CombinedWalkOutcome CleanupSession::scanTogether(const std::vector<CleanupId>& ids,
                                                 const DriveScanInputs& inputs,
                                                 ProcessFlag& cancel, WalkProgress* progress) {
  CombinedWalkOutcome outcome = runCombinedWalk(ids, inputs, list_, cancel, progress);
  list_.copyRawMarksToRows();
  return outcome;
}

RemovalOutcome CleanupSession::remove(const RemovalSettings& settings, RemovalParts& parts) {
  RemovalOutcome outcome = removeMarkedEntries(list_, settings, parts);
  if (outcome.end == RemovalEnd::done)
    for (const auto& line : summaryLines(tr(93), tr(94), tr(95), tr(96), outcome.counts))
      parts.report.appendLine(line);
  return outcome;
}

}  // namespace scrubwell

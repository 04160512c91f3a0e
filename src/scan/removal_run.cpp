// The steps every removal shares: header, backup protocol, counted report lines.
#include "scan/removal_run.h"

#include <windows.h>

#include "base/texts.h"
#include "platform/seams.h"
#include "scan/report_text.h"

namespace scrubwell {

bool removalConfirmed(const RemovalSettings& settings) {
  return !settings.askBeforeRemoving ||
         prompts().messageBox(nullptr, tr(156), tr(1), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void beginRemovalReport(RemovalParts& parts, int steps) {
  if (parts.hideResultsWindow) parts.hideResultsWindow();
  parts.report.clear();
  for (const auto& line : reportHeaderLines(tr(1), tr(157), tr(158))) parts.report.appendLine(line);
  parts.deletion.start(steps);
}

bool backUpOrStop(const BackupRequest& request, const RemovalSettings& settings,
                  RemovalParts& parts) {
  BackupOutcome backup =
      backUpBeforeDeleting(settings.backupOption ? request : BackupRequest{},
                           settings.backupOption, settings.backupFolder, parts.backup);
  if (!mayDelete(backup)) return false;
  if (backup == BackupOutcome::folderMissing) parts.report.appendLine(tr(152));
  return true;
}

void countItem(bool removed, int64_t freedBytes, const std::string& line, RemovalCounts& counts,
               StatusReportSink& report) {
  ++(removed ? counts.removed : counts.unremovable);
  counts.freedBytes += freedBytes;
  report.appendLine(line);
}

}  // namespace scrubwell

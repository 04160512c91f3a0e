// What every removal takes and gives back — files of the result list, folder trees, registry
// findings — and the steps they share: the report header and deletion progress, the backup
// protocol that may stop the run before anything is deleted, and one counted report line per
// item. The windows it reports to come in as interfaces (see removal_ui.h).
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "backup/backup_protocol.h"
#include "scan/removal_ui.h"

namespace scrubwell {

struct RemovalSettings {
  bool backupOption = true;        // "Keep deleted files 14 days."
  bool askBeforeRemoving = false;  // "Ask me before emptying the trash"
  std::string backupFolder;
  std::vector<std::string> exceptions;  // search exceptions, which the sweep honours too
};

struct RemovalParts {
  StatusReportSink& report;
  DeletionProgress& deletion;
  BackupProgress& backup;
  std::function<void()> hideResultsWindow;  // may be empty
};

enum class RemovalEnd {
  declined,               // the user said no: nothing changed
  stoppedBeforeDeleting,  // the backup could not be made: nothing deleted
  done,                   // every item was tried and reported
};

struct RemovalOutcome {
  RemovalEnd end = RemovalEnd::done;
  RemovalCounts counts;
};

// With the confirmation option set, asks the user (caption text 1, question text 156); true when
// the removal may go on: the option is off or the answer was Yes.
bool removalConfirmed(const RemovalSettings& settings);

// Hides the results window (when there is one), clears the report, writes its header and starts
// the deletion progress over `steps` items.
void beginRemovalReport(RemovalParts& parts, int steps);

// Runs the backup protocol over `request` (stores nothing with the backup option off). False
// when nothing may be deleted; when the backup folder is missing after its creation the report
// says the items go without a backup (text 152) and the removal goes on.
bool backUpOrStop(const BackupRequest& request, const RemovalSettings& settings,
                  RemovalParts& parts);

// Counts one tried item as removed or unremovable, adds `freedBytes` (the bytes really deleted,
// which may be some even when the item was not removed whole) and writes `line` to the report.
void countItem(bool removed, int64_t freedBytes, const std::string& line, RemovalCounts& counts,
               StatusReportSink& report);

}  // namespace scrubwell

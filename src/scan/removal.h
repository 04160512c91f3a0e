// The removal of the marked entries of the result list: a backup point first (or the recycle bin
// without the backup option), then the deletions, one status-report line per file and the
// counters. The windows it reports to come in as interfaces (see removal_ui.h).
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "scan/removal_ui.h"
#include "scan/result_list.h"

namespace scrubwell {

struct RemovalSettings {
  bool backupOption = true;        // "Keep deleted files 14 days."
  bool askBeforeRemoving = false;  // "Ask me before emptying the trash"
  std::string backupFolder;
  std::string temporaryFolder;          // for the empty-folder sweep after a temp-folder scan
  std::vector<std::string> exceptions;  // search exceptions, which the sweep honours too
};

struct RemovalParts {
  StatusReportSink& report;
  DeletionProgress& deletion;
  BackupProgress& backup;
  std::function<void()> hideResultsWindow;
};

enum class RemovalEnd {
  declined,               // the user said no: nothing changed
  stoppedBeforeDeleting,  // the backup could not be made: nothing deleted, the list unchanged
  done,                   // the list is empty, the report written
};

struct RemovalOutcome {
  RemovalEnd end = RemovalEnd::done;
  RemovalCounts counts;
};

// Asks first when `askBeforeRemoving` is set, hides the results window, writes the report header,
// starts the deletion progress, backs the marked files up (backup option on) and deletes them
// (into the recycle bin with the option off), one report line each, then empties the list and,
// after a temporary-folder scan, sweeps the temporary folder's empty folders. The summary, the
// report window and leaving result mode are the caller's; so is stopping the deletion progress.
RemovalOutcome removeMarkedEntries(ResultList& list, const RemovalSettings& settings,
                                   RemovalParts& parts);

}  // namespace scrubwell

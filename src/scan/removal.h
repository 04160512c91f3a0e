// The removal of the marked entries of the result list: a backup point first (or the recycle bin
// without the backup option), then the deletions, one status-report line per file and the
// counters. The settings, parts and outcome are those of every removal (removal_run.h).
#pragma once
#include "scan/removal_run.h"
#include "scan/result_list.h"

namespace scrubwell {

// Asks first when `askBeforeRemoving` is set, hides the results window, writes the report header,
// starts the deletion progress, backs the marked files up (backup option on) and deletes them
// (into the recycle bin with the option off), one report line each, then empties the list and,
// after a temporary-folder scan, sweeps the temporary folder's empty folders. The summary, the
// report window and leaving result mode are the caller's; so is stopping the deletion progress.
RemovalOutcome removeMarkedEntries(ResultList& list, const RemovalSettings& settings,
                                   RemovalParts& parts);

}  // namespace scrubwell

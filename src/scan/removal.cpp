// The removal of the marked entries: confirmation, report header, the backup point (or the
// recycle bin), one deletion and one report line per marked file, the counters, the empty list,
// and the sweep of the temporary folder after a temporary-folder scan.
#include "scan/removal.h"

#include <windows.h>

#include <algorithm>

#include "base/file_ops.h"
#include "base/recycle.h"
#include "base/texts.h"
#include "platform/long_path.h"
#include "platform/path_text.h"
#include "scan/cancel_flag.h"
#include "scan/empty_folder_sweep.h"
#include "scan/report_text.h"
#include "scan/search_exceptions.h"
#include "scan/system_result_list.h"
#include "scan/temp_folder_scan.h"

namespace scrubwell {
namespace {

// The marked entries whose files exist, in list order: what the backup point stores.
BackupRequest markedFiles(const ResultList& list) {
  BackupRequest request;
  for (size_t i = 0; i < list.size(); ++i)
    if (list.isRowMarked(i) && !hasWildcard(list.path(i)) && fileExists(list.path(i)))
      request.files.push_back(list.path(i));
  return request;
}

// Deletes one file: into the recycle bin when `recycle` is set, else for good. True when the
// deletion reported success and the file is gone.
bool deleteFile(const std::string& path, bool recycle) {
  bool deleted = recycle ? sendToRecycleBin(path) : deletePath(path);
  return deleted && !fileExists(path);
}

// The deletion pass over the whole list: every marked file is deleted and reported, every
// unmarked entry counted. A file's bytes count as freed only once it is gone.
void deleteMarked(const ResultList& list, bool backupOption, const std::vector<std::string>& keep,
                  RemovalParts& parts, RemovalCounts& counts) {
  const std::string prefix = tr(149);
  // Without the backup option a file goes to the recycle bin, but a drive without one (removable,
  // network) deletes it for good, and its report line says so.
  const std::string backedUp = tr(150), recycled = tr(159), deletedForGood = tr(5264),
                    failed = tr(160);
  for (size_t i = 0; i < list.size(); ++i) {
    const std::string& path = list.path(i);
    if (!list.isRowMarked(i)) {
      ++counts.unmarked;
      continue;
    }
    bool gone = false;
    const bool recycle = !backupOption && hasRecycleBin(path);
    const std::string& removed = backupOption ? backedUp : recycle ? recycled : deletedForGood;
    // A path with a name the code page could not show is reported unremovable, untouched.
    const int64_t size = hasWildcard(path) ? -1 : systemFileSize(path);
    const bool kept = std::find(keep.begin(), keep.end(), path) != keep.end();
    if (size >= 0 && !kept) {
      parts.deletion.step(path);
      gone = deleteFile(path, recycle);
    }
    countItem(gone, gone ? size : 0, reportLine(prefix, path, gone ? removed : failed), counts,
              parts.report);
  }
}

// After a temp-folder scan the folders its files leave empty go too: only below the temporary
// folders that scan walked (never a drive root: they passed the folder gate).
void sweepTemporaryFolders(const RemovalSettings& settings) {
  const std::vector<std::string> folders = std::move(pendingTemporarySweep());
  pendingTemporarySweep().clear();
  if (folders.empty()) return;
  EmptyFolderSweep sweep(SearchExceptions(settings.exceptions), cancelFlag(), nullptr);
  sweptFolderCount() = 0;
  for (const std::string& folder : folders) sweep.sweep(folder, sweptFolderCount());
}

}  // namespace

RemovalOutcome removeMarkedEntries(ResultList& list, const RemovalSettings& settings,
                                   RemovalParts& parts) {
  RemovalOutcome outcome;
  if (!removalConfirmed(settings)) {
    outcome.end = RemovalEnd::declined;
    return outcome;
  }
  beginRemovalReport(parts, static_cast<int>(list.countMarkedRows()));
  if (!list.empty()) {
    BackupRequest request = settings.backupOption ? markedFiles(list) : BackupRequest{};
    std::vector<std::string> notStored;  // what the point could not hold stays
    request.notStored = &notStored;
    if (!backUpOrStop(request, settings, parts)) {
      // The files would be lost for good: the list keeps its entries and marks.
      outcome.end = RemovalEnd::stoppedBeforeDeleting;
      return outcome;
    }
    deleteMarked(list, settings.backupOption, notStored, parts, outcome.counts);
  }
  list.clear();
  list.rebuildRows(systemFileSize);
  sweepTemporaryFolders(settings);
  return outcome;
}

}  // namespace scrubwell

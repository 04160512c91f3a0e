// The removal of marked entries.
#include "scan/removal.h"

#include <windows.h>

#include "app/file_ops.h"
#include "app/texts.h"
#include "backup/backup_protocol.h"
#include "platform/seams.h"
#include "scan/cancel_flag.h"
#include "scan/empty_folder_sweep.h"
#include "scan/recycle.h"
#include "scan/report_text.h"
#include "scan/search_exceptions.h"
#include "scan/system_result_list.h"

namespace scrubwell {
namespace {

// Deletes one file for good (it is in the backup point) or sends it to the recycle bin.
bool deleteOne(const std::string& path, bool backupOption) {
  if (!backupOption) return sendToRecycleBin(path);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  return DeleteFileA(path.c_str()) != FALSE;
}

}  // namespace

RemovalOutcome removeMarkedEntries(ResultList& list, const RemovalSettings& settings,
                                   RemovalParts& parts) {
  RemovalOutcome outcome;
  if (settings.askBeforeRemoving &&
      prompts().messageBox(nullptr, tr(156), tr(1), MB_YESNO | MB_ICONQUESTION) != IDYES) {
    outcome.end = RemovalEnd::declined;
    return outcome;
  }
  if (parts.hideResultsWindow) parts.hideResultsWindow();
  parts.report.clear();
  for (const auto& line : reportHeaderLines(tr(1), tr(157), tr(158))) parts.report.appendLine(line);
  parts.deletion.start(static_cast<int>(list.countMarkedRows()));

  RemovalCounts& c = outcome.counts;
  if (!list.empty()) {
    if (settings.backupOption) {
      BackupRequest request;
      for (size_t i = 0; i < list.size(); ++i)
        if (list.isRowMarked(i) && fileExists(list.path(i))) request.files.push_back(list.path(i));
      BackupOutcome backup = backUpBeforeDeleting(request, settings.backupFolder, parts.backup);
      if (!mayDelete(backup)) {
        outcome.end = RemovalEnd::stoppedBeforeDeleting;
        return outcome;
      }
      if (backup == BackupOutcome::folderMissing) parts.report.appendLine(tr(152));
    }
    const std::string removedSuffix = settings.backupOption ? tr(150) : tr(159);
    for (size_t i = 0; i < list.size(); ++i) {
      const std::string& path = list.path(i);
      if (!list.isRowMarked(i)) {
        ++c.unmarked;
        continue;
      }
      if (!fileExists(path)) {
        parts.report.appendLine(reportLine(tr(149), path, tr(160)));
        ++c.unremovable;
        continue;
      }
      parts.deletion.step(path);
      int64_t size = fileSize(path);
      if (size > 0) c.freedBytes += size;
      bool deleted = deleteOne(path, settings.backupOption);
      if (!deleted || fileExists(path)) {
        ++c.unremovable;
        parts.report.appendLine(reportLine(tr(149), path, tr(160)));
      } else {
        ++c.removed;
        parts.report.appendLine(reportLine(tr(149), path, removedSuffix));
      }
    }
  }
  list.clear();
  list.rebuildRows(systemFileSize);

  if (tempSweepPendingFlag().isSet()) {
    tempSweepPendingFlag().clear();
    if (!settings.temporaryFolder.empty()) {
      EmptyFolderSweep sweep(SearchExceptions(settings.exceptions), cancelFlag(), nullptr);
      sweptFolderCount() = 0;
      std::string folder = settings.temporaryFolder;
      if (folder.back() != '\\') folder += '\\';
      sweep.sweep(folder, sweptFolderCount());
    }
  }
  return outcome;
}

}  // namespace scrubwell

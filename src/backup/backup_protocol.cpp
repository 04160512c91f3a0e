// Backing up before deleting: the files go into the next point of the backup folder, and the
// outcome says whether the clean-up may delete them.
#include "backup/backup_protocol.h"

#include <windows.h>

#include <algorithm>

#include "backup/my_backup.h"
#include "backup/source_files.h"
#include "base/file_ops.h"
#include "base/texts.h"
#include "platform/message_pump.h"
#include "platform/seams.h"

namespace scrubwell {
namespace {

// Creates the backup folder when it is missing. False (with the system's error code) when that
// fails; `missing` tells that the creation reported success but the folder is still not there.
bool ensureFolder(const std::string& backupFolder, DWORD& error, bool& missing) {
  missing = false;
  if (folderExists(backupFolder)) return true;
  std::string folder = backupFolder;
  if (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
  if (!CreateDirectoryA(folder.c_str(), nullptr)) {
    error = GetLastError();
    return false;
  }
  missing = !folderExists(backupFolder);
  return true;
}

}  // namespace

BackupOutcome backUpBeforeDeleting(const BackupRequest& request, bool backupOption,
                                   const std::string& backupFolder, BackupProgress& progress) {
  if (!backupOption) return BackupOutcome::optionOff;
  MyBackup backup;
  for (const auto& file : request.files) backup.AddFile(file);
  for (const auto& folder : request.folderTrees) backup.AddFolderTree(folder);
  progress.showWindow();
  pumpMessages();

  DWORD error = 0;
  bool missing = false;
  if (!ensureFolder(backupFolder, error, missing)) {
    progress.closeWindow();
    prompts().messageBox(nullptr, systemMessage(error), tr(1), MB_OK | MB_ICONERROR);
    return BackupOutcome::folderNotCreated;
  }
  if (missing) {
    progress.closeWindow();
    return request.wholeOrNothing ? BackupOutcome::incomplete : BackupOutcome::folderMissing;
  }
  if (request.wholeOrNothing &&
      (backup.storeList().size() != request.files.size() || !request.folderTrees.empty())) {
    progress.closeWindow();
    return BackupOutcome::incomplete;
  }

  backup.SetProgressControls(&progress, true);
  const std::string name = NextPointName(backupFolder);
  const bool written =
      request.titleNote.empty()
          ? backup.CreatePoint(name)
          : backup.CreatePoint(name, pointTitle() + " (" + request.titleNote + ")");
  progress.closeWindow();
  if (backup.storeList().empty()) return BackupOutcome::nothingToStore;
  const size_t leftOut = backup.archive().LeftOut.size();
  if (written && (leftOut == backup.storeList().size() || (leftOut && request.wholeOrNothing))) {
    // Nothing could be read after all, or a file that had to be stored was not.
    DeleteFileA(name.c_str());
    return leftOut && request.wholeOrNothing ? BackupOutcome::incomplete
                                             : BackupOutcome::nothingToStore;
  }
  if (written && leftOut && request.notStored) {
    const auto& out = backup.archive().LeftOut;
    for (const std::string& file : request.files)
      if (std::find(out.begin(), out.end(), lowerFullPath(file)) != out.end())
        request.notStored->push_back(file);
  }
  // A point that failed has left nothing behind (see MyBackup::CreatePoint).
  return written ? BackupOutcome::written : BackupOutcome::pointFailed;
}

}  // namespace scrubwell

// Backing up before deleting.
#include "backup/backup_protocol.h"

#include <windows.h>

#include "app/file_ops.h"
#include "app/texts.h"
#include "backup/my_backup.h"
#include "platform/message_pump.h"
#include "platform/seams.h"

namespace scrubwell {
namespace {

std::string systemMessage(DWORD code) {
  char buf[512] = {};
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, buf,
                 sizeof buf, nullptr);
  std::string text = buf;
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.pop_back();
  return text.empty() ? "Error " + std::to_string(code) : text;
}

}  // namespace

BackupOutcome backUpBeforeDeleting(const BackupRequest& request, const std::string& backupFolder,
                                   BackupProgress& progress) {
  MyBackup backup;
  for (const auto& f : request.files) backup.AddFile(f);
  for (const auto& folder : request.folderTrees) backup.AddFolderTree(folder);
  progress.showWindow();
  pumpMessages();
  if (!folderExists(backupFolder)) {
    std::string folder = backupFolder;
    if (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
    if (!CreateDirectoryA(folder.c_str(), nullptr)) {
      DWORD code = GetLastError();
      progress.closeWindow();
      prompts().messageBox(nullptr, systemMessage(code), tr(1), MB_OK | MB_ICONERROR);
      return BackupOutcome::folderNotCreated;
    }
    if (!folderExists(backupFolder)) {
      progress.closeWindow();
      return BackupOutcome::folderMissing;
    }
  }
  backup.SetProgressControls(&progress, true);
  std::string name = NextPointName(backupFolder);
  bool written = backup.CreatePoint(name);
  progress.closeWindow();
  if (backup.storeList().empty()) return BackupOutcome::nothingToStore;
  return written ? BackupOutcome::written : BackupOutcome::pointFailed;
}

}  // namespace scrubwell

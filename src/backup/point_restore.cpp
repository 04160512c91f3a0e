// The restore run of the backup window.
#include "backup/point_restore.h"

#include <windows.h>

#include "backup/file_stream.h"
#include "backup/my_backup.h"
#include "base/recycle.h"
#include "platform/message_pump.h"
#include "platform/seams.h"

namespace scrubwell {

void restoreFromPoint(const std::string& pointPath, const std::vector<std::string>& paths,
                      BackupProgress& progress) {
  MyBackup backup;
  backup.SetProgressControls(&progress, true);
  for (const std::string& path : paths) backup.AddRestoreFile(path);
  // Archive errors have been shown by the archive; the registry import still follows.
  backup.RestorePoint(pointPath);
  progress.setPercent(85);
  importRegistryExport(progress);
}

void importRegistryExport(BackupProgress& progress) {
  if (fileAttributes(kRegistryExportFile) == INVALID_FILE_ATTRIBUTES) return;
  launcher().open("regedit", std::string("/s ") + kRegistryExportFile, "", SW_SHOWNORMAL);
  // regedit runs on its own; these pauses give it time to read the file before it is recycled.
  waitPumping(1000);
  const struct {
    int percent;
    DWORD pause;
  } steps[] = {{90, 1000}, {95, 1000}, {96, 2000}, {100, 1000}};
  for (const auto& step : steps) {
    progress.setPercent(step.percent);
    waitPumping(step.pause);
  }
  sendToRecycleBin(kRegistryExportFile);
}

}  // namespace scrubwell

// The restore run of the backup window.
#include "backup/point_restore.h"

#include <windows.h>

#include "backup/file_stream.h"
#include "backup/my_backup.h"
#include "base/recycle.h"
#include "platform/seams.h"
#include "platform/text_upper.h"

namespace scrubwell {

RegistryImport restoreFromPoint(const std::string& pointPath,
                                const std::vector<std::string>& paths, BackupProgress& progress) {
  MyBackup backup;
  backup.SetProgressControls(&progress, true);
  for (const std::string& path : paths) backup.AddRestoreFile(path);
  // Archive errors have been shown by the archive; the registry import still follows.
  backup.RestorePoint(pointPath);
  progress.setPercent(85);
  for (const std::string& file : backup.restoredFiles())
    if (equalsIgnoringCase(file, kRegistryExportFile)) return importRegistryExport(progress);
  progress.setPercent(100);
  return RegistryImport::none;
}

RegistryImport importRegistryExport(BackupProgress& progress) {
  if (fileAttributes(kRegistryExportFile) == INVALID_FILE_ATTRIBUTES) return RegistryImport::none;
  progress.setPercent(90);
  // regedit reports an import it could not do through its exit code; the wait pumps messages.
  const int code =
      launcher().runAndWait(std::string("regedit /s ") + kRegistryExportFile, 10 * 60 * 1000);
  progress.setPercent(100);
  if (code != 0) return RegistryImport::failed;
  sendToRecycleBin(kRegistryExportFile);
  return RegistryImport::imported;
}

}  // namespace scrubwell

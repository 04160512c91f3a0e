// Bringing files of a backup point back, with the backup progress shown: the chosen files are
// restored, then a registry export that came back with them is imported through regedit.
#pragma once
#include <string>
#include <vector>

#include "backup/backup_progress.h"

namespace scrubwell {

enum class RegistryImport {
  none,      // the restore brought no registry export back
  imported,  // regedit imported it and ended without an error; the export was recycled
  failed,    // regedit could not be started or reported an error; the export is kept
};

// Restores the files of `paths` (stored paths, any case) from the point, setting the progress
// from 0 to 85. When "C:\Registrybackup_1.reg" was among the files this restore put back, it is
// imported (progress to 100); a file that merely lies at that path is never imported.
RegistryImport restoreFromPoint(const std::string& pointPath,
                                const std::vector<std::string>& paths, BackupProgress& progress);

// Runs "regedit /s" on the registry export and waits for it to end, pumping messages; the export
// is recycled once imported and kept when the import did not run or failed.
RegistryImport importRegistryExport(BackupProgress& progress);

}  // namespace scrubwell

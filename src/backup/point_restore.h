// Bringing files of a backup point back, with the backup progress shown: the chosen files are
// restored, then a registry export that came back with them is imported through regedit.
#pragma once
#include <string>
#include <vector>

#include "backup/backup_progress.h"

namespace scrubwell {

// Restores the files of `paths` (stored paths, any case) from the point, setting the progress
// from 0 to 85, then imports "C:\Registrybackup_1.reg" when it exists (progress to 100) and sends
// it to the recycle bin. The progress window itself is shown and closed by the caller.
void restoreFromPoint(const std::string& pointPath, const std::vector<std::string>& paths,
                      BackupProgress& progress);

// Starts regedit silently on the registry export, waits for it with the progress moving from
// 90 to 100, and recycles the export. Nothing happens when the export does not exist.
void importRegistryExport(BackupProgress& progress);

}  // namespace scrubwell

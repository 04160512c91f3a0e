// Backing up before deleting, the one protocol every clean-up that deletes follows while the
// backup option is on: store what is about to go in a new backup point, and say whether the
// deletion may go ahead. It may not when the point could not be written although files were
// added, or when the backup folder cannot be created: then nothing is deleted.
#pragma once
#include <string>
#include <vector>

#include "backup/backup_progress.h"

namespace scrubwell {

enum class BackupOutcome {
  written,           // the point holds every file that could be stored
  nothingToStore,    // nothing was added (missing, unreadable or too large): delete anyway
  folderMissing,     // the folder reported success but is not there: no point, delete anyway
  pointFailed,       // the archive failed (and said so): delete nothing
  folderNotCreated,  // the backup folder could not be created (error shown): delete nothing
};

// True for the outcomes after which the clean-up deletes.
inline bool mayDelete(BackupOutcome o) {
  return o == BackupOutcome::written || o == BackupOutcome::nothingToStore ||
         o == BackupOutcome::folderMissing;
}

struct BackupRequest {
  std::vector<std::string> files;        // files about to be deleted
  std::vector<std::string> folderTrees;  // folders (ending with "\") about to be emptied
};

// Adds the request to a new point, shows the backup progress window while it is written, and
// writes it as the next point of `backupFolder`.
BackupOutcome backUpBeforeDeleting(const BackupRequest& request, const std::string& backupFolder,
                                   BackupProgress& progress);

}  // namespace scrubwell

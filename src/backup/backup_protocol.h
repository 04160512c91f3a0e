// Backing up before deleting, the one protocol every clean-up that deletes follows: with the
// backup option on, store what is about to go in a new backup point, and say whether the
// deletion may go ahead. It may not when the point could not be written although files were
// added, or when the backup folder cannot be created: then nothing is deleted. Files left out of
// the point (too large, unreadable, missing) are deleted all the same.
#pragma once
#include <string>
#include <vector>

#include "backup/backup_progress.h"

namespace scrubwell {

enum class BackupOutcome {
  optionOff,         // the backup option is off: nothing stored, delete
  written,           // the point holds every file that could be stored: delete
  nothingToStore,    // nothing was added (missing, unreadable or too large): no point, delete
  folderMissing,     // the folder reported success but is not there: no point, the caller adds
                     // text 152 to its report, delete
  pointFailed,       // the archive failed and has said so; the remains of the new point are
                     // removed: delete nothing
  folderNotCreated,  // the backup folder could not be created (the system's error was shown):
                     // delete nothing
  incomplete,        // a request that must be stored whole could not be: no point, delete nothing
};

// True for the outcomes after which the clean-up deletes.
inline bool mayDelete(BackupOutcome o) {
  return o != BackupOutcome::pointFailed && o != BackupOutcome::folderNotCreated &&
         o != BackupOutcome::incomplete;
}

struct BackupRequest {
  std::vector<std::string> files;        // files about to be deleted
  std::vector<std::string> folderTrees;  // folders (ending with "\") about to be emptied
  // Said in brackets after the point's date and time (the registry clean-up's point); empty for
  // a plain point.
  std::string titleNote;
  // Every file must go into the point, or nothing may be deleted: for a registry export, which is
  // the only way back for what the removal deletes.
  bool wholeOrNothing = false;
  // Receives the files of `files` the written point could not hold (unreadable, or changing on
  // every attempt to pack them): the clean-up keeps them, since nothing could bring them back.
  std::vector<std::string>* notStored = nullptr;
};

// With the backup option on: adds the request to a new point, shows the backup progress window,
// creates `backupFolder` (ending with "\") when it is missing, writes the point as the folder's
// next "n.bck" and closes the window. Files too large for a point or unreadable are left out.
BackupOutcome backUpBeforeDeleting(const BackupRequest& request, bool backupOption,
                                   const std::string& backupFolder, BackupProgress& progress);

}  // namespace scrubwell

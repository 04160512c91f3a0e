// The minidump clean-up: asks the locator library where Windows keeps its crash minidumps and
// empties that folder, backing up what goes first when the backup option is on. Window-free, so
// the minidump button and the multi-clean run the same steps.
#pragma once
#include <string>

#include "backup/backup_progress.h"
#include "scan/folder_contents_removal.h"
#include "scan/removal_run.h"

namespace scrubwell {

// The locator "KvFindMinidump.dll" beside the program; it is loaded by this full path only, so
// a library of that name in the current folder is never used.
std::string minidumpLocatorPath();

struct MinidumpLocation {
  bool libraryMissing = false;  // the library or its export "findMinidump" could not be loaded
  std::string folder;           // the answer as given; empty for none or an unusable answer
};

// Loads the library at `libraryPath`, calls findMinidump(today) once, copies the answer and
// releases the library. The answer is outside input: a null pointer, or a string that is not
// terminated within a path's length, counts as no answer.
MinidumpLocation locateMinidumpFolder(const std::string& libraryPath, const std::string& today);

struct MinidumpCleaning {
  bool libraryMissing = false;
  bool stoppedBeforeDeleting = false;  // the backup point could not be written: nothing deleted
  std::string folder;                  // the folder emptied (gated long form), empty for none
  FolderEmptying emptied;              // what went and what stayed
};

// Locates the folder and empties it. The answer passes the folder gate first, in the form with
// its trailing "\": a drive root, the Windows folder, a profile folder or any folder holding a
// protected one, and a missing folder, empty nothing. With the backup option on, the whole
// folder is stored in a point first, and nothing is deleted when that fails.
MinidumpCleaning cleanMinidumpFolder(const std::string& libraryPath, const RemovalSettings& settings,
                                     BackupProgress& backup);

}  // namespace scrubwell

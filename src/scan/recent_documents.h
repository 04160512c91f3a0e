// The recent-documents clean-up: the files of the user's Recent folder are deleted (those in use
// stay) and the shell's list of recent documents is cleared. Nothing is deleted when the Recent
// folder is unknown, missing or refused by the folder gate: never the files of a drive root or
// of the current folder.
#pragma once
#include <string>

namespace scrubwell {

// The user's Recent folder as the system names it; empty when it names none.
std::string systemRecentFolder();

struct RecentDocumentsCleanup {
  bool folderFound = false;  // the Recent folder existed and passed the folder gate
  unsigned deleted = 0;      // files deleted
  unsigned stayed = 0;       // files that could not be deleted (in use, access denied)
};

// Deletes the files (hidden and system ones too, no folders) directly in `recentFolder`.
RecentDocumentsCleanup deleteRecentDocuments(const std::string& recentFolder);

// Clears the shell's list of recent documents when the user's shell folders key names a Recent
// folder. The multi-clean run calls this alone.
void clearShellRecentList();

}  // namespace scrubwell

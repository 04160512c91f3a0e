// `MyBackup`: what goes into one backup point (an archive "n.bck" in the backup folder), written
// with fixed archive settings, and the restore of a chosen subset of a point's files.
#pragma once
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "backup/backup_file.h"
#include "backup/backup_progress.h"

namespace scrubwell {

class MyBackup {
 public:
  // A single file larger than this is never stored; its clean-up deletes it without a backup.
  static constexpr int64_t kMaxFileSize = 157286400;

  MyBackup();
  MyBackup(const MyBackup&) = delete;
  MyBackup& operator=(const MyBackup&) = delete;

  // Where the archive's progress is shown; with `show` the bar starts at 0 and the label empty.
  void SetProgressControls(BackupProgress* progress, bool show);
  // Stores `path` later when it is a file of at most kMaxFileSize bytes; otherwise nothing
  // happens. One that cannot be read when the point is written is left out of it (see
  // TBackupFile::LeftOut). Pumps messages on a time slice.
  void AddFile(const std::string& path);
  // Every file of `folder` (ending with "\") and of its subfolders, hidden and system ones
  // included, by the enumeration rule of the tree removal (base/tree_walk.h): links are not
  // entered.
  void AddFolderTree(const std::string& folder);
  // Writes the point; false (and nothing written) when nothing was added, or when the archive
  // failed (it has shown its error message then). The point is written as archiveName +
  // kUnfinishedPointSuffix and renamed once it is whole; a failed one is removed.
  bool CreatePoint(const std::string& archiveName);
  // The same with the point titled `title`.
  bool CreatePoint(const std::string& archiveName, const std::string& title);
  // The same for the registry export "C:\Registrybackup_1.reg" (added here when it exists),
  // titled with the date, the time and text 250 in brackets.
  bool CreateRegistryPoint(const std::string& archiveName);
  // Chooses a file for RestorePoint (compared trimmed and upper-cased with the stored names).
  void AddRestoreFile(const std::string& path);
  // Writes every chosen file of the point back to its stored path, replacing what is there;
  // true also when none of the point's files was chosen. A file that is there now is unpacked
  // beside it first and replaces it only once it came out whole, so a damaged point never leaves
  // a cut-off file in place of the one that was there; one that is not there is unpacked in its
  // place and removed again when it did not come out whole.
  bool RestorePoint(const std::string& archiveName);

  const std::vector<std::string>& storeList() const { return storeList_; }
  // The targets the last RestorePoint put back whole (as stored, lower case).
  const std::vector<std::string>& restoredFiles() const { return restored_; }
  TBackupFile& archive() { return archive_; }

 private:
  bool writePoint(const std::string& archiveName, const std::string& title);
  // Moves the files unpacked whole onto their targets and drops the others; false when a
  // target could not be replaced.
  bool finishStagedFiles();

  struct StagedFile {
    std::string staging, target;  // the same when the target was not there
    bool whole = false;
  };

  TBackupFile archive_;
  BackupProgress* progress_ = nullptr;
  bool showProgress_ = false;
  std::vector<std::string> storeList_;
  std::unordered_set<std::string> restoreList_;
  std::vector<std::string> restored_;
  std::vector<StagedFile> staged_;
  PumpSlice pump_;  // adding thousands of files keeps the windows alive without a pump per file
};

// The name of a new point: one past the highest existing backup folder + n + ".bck" (n = 1 to
// 1000), 1 after 1000. Without a folder, the program's backup folder.
std::string NextPointName();
std::string NextPointName(const std::string& backupFolder);
// The title of a point: the local date and time in the user's short date and long time format.
std::string pointTitle();

// A point being written carries this after its name until it is whole.
inline constexpr const char* kUnfinishedPointSuffix = ".part";

// The registry clean-up's export, stored in a registry point and imported again after a restore.
inline constexpr const char* kRegistryExportFile = "C:\\Registrybackup_1.reg";

}  // namespace scrubwell

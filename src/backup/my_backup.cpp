// `MyBackup`: what goes into one backup point, the fixed archive settings it is written with,
// the restore filter, and the names and titles of new points.
#include "backup/my_backup.h"

#include <windows.h>

#include <algorithm>

#include "backup/backup_point_name.h"
#include "backup/file_stream.h"
#include "base/app_state.h"
#include "base/file_ops.h"
#include "base/texts.h"
#include "base/tree_walk.h"
#include "platform/find.h"
#include "platform/handles.h"
#include "platform/long_path.h"
#include "platform/seams.h"
#include "platform/text_trim.h"
#include "platform/text_upper.h"

namespace scrubwell {
namespace {

// Beside its target, a restored file's name while it is being unpacked.
const char* const kStagingSuffix = ".~restoring";

std::string trimmedUpper(const std::string& s) { return toUpper(trimmed(s)); }

// The number n of a point file "n.bck" (1 to 1000), 0 for any other name.
int pointNumber(const std::string& name) {
  if (!isBackupPointFileName(name) || !endsWithIgnoringCase(name, ".bck")) return 0;
  return std::stoi(name.substr(0, name.find('.')));
}

}  // namespace

MyBackup::MyBackup() {
  archive_.OnProgress = [this](TBackupFile&, const std::string& file, TPercentage percent, bool&) {
    if (showProgress_ && progress_ && percent < 100) {
      progress_->setPercent(percent);
      progress_->setFileText(file);
    }
  };
  // The restore mode's decision is replaced: only the chosen files come back.
  archive_.OnRestoreFile = [this](TBackupFile&, std::string& file, int32_t, bool& doRestore) {
    doRestore = restoreList_.count(trimmedUpper(file)) > 0;
    if (!doRestore) return;
    if (fileAttributes(file) == INVALID_FILE_ATTRIBUTES) {
      staged_.push_back({file, file});
    } else {
      staged_.push_back({file + kStagingSuffix, file});
      file = staged_.back().staging;
    }
  };
  archive_.OnFileRestored = [this](TBackupFile& sender, std::string& file, ArchiveStream&) {
    if (!staged_.empty() && staged_.back().staging == file)
      staged_.back().whole = sender.LastError == 0 && sender.ContinueFlag;
  };
}

void MyBackup::SetProgressControls(BackupProgress* progress, bool show) {
  progress_ = progress;
  showProgress_ = show;
  if (show && progress_) {
    progress_->setPercent(0);
    progress_->setFileText("");
  }
}

void MyBackup::AddFile(const std::string& path) {
  // One attribute query; whether the file can be read is found when it is packed, from the one
  // open that packs it (the archive leaves out what it cannot read).
  int64_t size = systemFileSize(path);
  if (size >= 0 && size <= kMaxFileSize) storeList_.push_back(path);
  pump_();
}

void MyBackup::AddFolderTree(const std::string& folder) {
  // The removal of the tree walks it by the same rule, so the point holds what it deletes.
  walkTree(folder, [this](const TreeEntry& entry) {
    if (entry.kind == TreeEntry::Kind::file) AddFile(entry.path);
    return true;
  });
}

bool MyBackup::writePoint(const std::string& archiveName, const std::string& title) {
  archive_.BackupTitle = title;
  archive_.SetBackupMode(bmAll);
  archive_.CompressionLevel = clMax;
  archive_.SaveFileID = true;
  archive_.SetArchiveFlag = false;
  archive_.MaxSize = 0;
  archive_.LeaveOutUnreadable = true;
  if (storeList_.empty()) return false;
  // The point is written under a passing name and takes its own only once it is whole, so a run
  // that fails or is killed never leaves a point that cannot be restored whole.
  const std::string unfinished = archiveName + kUnfinishedPointSuffix;
  bool written = archive_.Backup(storeList_, unfinished);
  if (written && !movePath(unfinished, archiveName, MOVEFILE_REPLACE_EXISTING)) {
    archive_.ReportError(archive::kCannotWriteArchive);
    written = false;
  }
  if (!written) deletePath(unfinished);
  return written;
}

bool MyBackup::CreatePoint(const std::string& archiveName) {
  return writePoint(archiveName, pointTitle());
}

bool MyBackup::CreatePoint(const std::string& archiveName, const std::string& title) {
  return writePoint(archiveName, title);
}

bool MyBackup::CreateRegistryPoint(const std::string& archiveName) {
  AddFile(kRegistryExportFile);
  return writePoint(archiveName, pointTitle() + " (" + tr(250) + ")");
}

void MyBackup::AddRestoreFile(const std::string& path) { restoreList_.insert(trimmedUpper(path)); }

bool MyBackup::RestorePoint(const std::string& archiveName) {
  archive_.RestoreMode = rmAll;
  archive_.RestoreFullPath = true;
  staged_.clear();
  restored_.clear();
  bool restored = false;
  try {
    restored = archive_.Restore(archiveName, "");
  } catch (...) {
  }
  return finishStagedFiles() && restored;
}

bool MyBackup::finishStagedFiles() {
  bool allReplaced = true;
  for (const StagedFile& f : staged_) {
    bool replaced = false;
    if (f.staging == f.target) {  // unpacked in place: it stays only when whole
      if (f.whole)
        restored_.push_back(f.target);
      else
        deletePath(f.target);
      continue;
    }
    if (f.whole) {
      // A read-only, hidden or system file in the way is replaced too; its attributes stay.
      DWORD old = pathAttributes(f.target);
      if (old != INVALID_FILE_ATTRIBUTES) setPathAttributes(f.target, FILE_ATTRIBUTE_NORMAL);
      replaced = movePath(f.staging, f.target, MOVEFILE_REPLACE_EXISTING);
      if (old != INVALID_FILE_ATTRIBUTES) setPathAttributes(f.target, old);
      if (replaced) restored_.push_back(f.target);
      if (!replaced) allReplaced = false;
    }
    if (!replaced) deletePath(f.staging);
  }
  staged_.clear();
  if (!allReplaced) archive_.ReportError(archive::kCannotReadFile);
  return allReplaced;
}

std::string NextPointName() { return NextPointName(appState().backupFolder); }

std::string NextPointName(const std::string& folder) {
  // One listing of the folder answers "which of 1.bck to 1000.bck exist" at once.
  int highest = 0;
  FindFiles points(folder + "*.bck", 0x37 & ~FILE_ATTRIBUTE_DIRECTORY);
  while (points.next())
    if (!points.isDirectory()) highest = std::max(highest, pointNumber(points.name()));
  int next = highest + 1 > 1000 ? 1 : highest + 1;
  return folder + std::to_string(next) + ".bck";
}

std::string pointTitle() {
  SYSTEMTIME t = theClock().localTime();
  char date[80] = {}, time[80] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, date, sizeof date);
  GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &t, nullptr, time, sizeof time);
  return std::string(date) + " " + time;
}

}  // namespace scrubwell

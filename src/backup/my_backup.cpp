// `MyBackup`: backup points.
#include "backup/my_backup.h"

#include <windows.h>

#include <algorithm>

#include "app/app_state.h"
#include "app/file_ops.h"
#include "app/texts.h"
#include "platform/find.h"
#include "platform/message_pump.h"
#include "platform/seams.h"
#include "platform/text_upper.h"

namespace scrubwell {
namespace {

std::string trimmedUpper(const std::string& s) {
  size_t a = s.find_first_not_of(" \t"), b = s.find_last_not_of(" \t");
  return a == std::string::npos ? std::string() : toUpper(s.substr(a, b - a + 1));
}

bool readable(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  CloseHandle(h);
  return true;
}

const char* const kRegistryExport = "C:\\Registrybackup_1.reg";

}  // namespace

MyBackup::MyBackup() {
  archive_.OnProgress = [this](TBackupFile&, const std::string& file, TPercentage percent, bool&) {
    if (showProgress_ && progress_ && percent < 100) {
      progress_->setPercent(percent);
      progress_->setFileText(file);
    }
  };
  archive_.OnRestoreFile = [this](TBackupFile&, std::string& file, int32_t, bool& doRestore) {
    doRestore = std::find(restoreList_.begin(), restoreList_.end(), trimmedUpper(file)) !=
                restoreList_.end();
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
  int64_t size = fileSize(path);
  if (size >= 0 && size <= kMaxFileSize && readable(path)) storeList_.push_back(path);
  pumpMessages();
}

void MyBackup::AddFolderTree(const std::string& folder) {
  {
    FindFiles files(folder + "*.*", 0x37 & ~FILE_ATTRIBUTE_DIRECTORY);
    PumpSlice pump;
    while (files.next()) {
      if (!files.isDots() && !files.isDirectory()) AddFile(folder + files.name());
      pump();
    }
  }
  FindFiles folders(folder + "*.*", FILE_ATTRIBUTE_DIRECTORY);
  PumpSlice pump;
  while (folders.next()) {
    if (!folders.isDots() && folders.isDirectory()) AddFolderTree(folder + folders.name() + "\\");
    pump();
  }
}

bool MyBackup::writePoint(const std::string& archiveName, const std::string& title) {
  archive_.BackupTitle = title;
  archive_.SetBackupMode(bmAll);
  archive_.CompressionLevel = clMax;
  archive_.SaveFileID = true;
  archive_.SetArchiveFlag = false;
  archive_.MaxSize = 0;
  if (storeList_.empty()) return false;
  return archive_.Backup(storeList_, archiveName);
}

bool MyBackup::CreatePoint(const std::string& archiveName) {
  return writePoint(archiveName, pointTitle());
}

bool MyBackup::CreateRegistryPoint(const std::string& archiveName) {
  if (fileExists(kRegistryExport)) AddFile(kRegistryExport);
  return writePoint(archiveName, pointTitle() + " (" + tr(250) + ")");
}

void MyBackup::AddRestoreFile(const std::string& path) { restoreList_.push_back(trimmedUpper(path)); }

bool MyBackup::RestorePoint(const std::string& archiveName) {
  archive_.RestoreMode = rmAll;
  archive_.RestoreFullPath = true;
  try {
    return archive_.Restore(archiveName, "");
  } catch (...) {
    return false;
  }
}

std::string NextPointName() { return NextPointName(appState().backupFolder); }

std::string NextPointName(const std::string& folder) {
  int highest = 0;
  for (int n = 1; n <= 1000; ++n)
    if (fileExists(folder + std::to_string(n) + ".bck")) highest = n;
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

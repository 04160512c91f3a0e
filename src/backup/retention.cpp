// Retention of backup points: deletes the points older than two weeks.
#include "backup/retention.h"

#include <windows.h>

#include <cstdint>
#include <vector>

#include "backup/backup_points.h"
#include "backup/my_backup.h"
#include "base/data_folder.h"
#include "platform/find.h"
#include "platform/handles.h"
#include "platform/seams.h"

namespace scrubwell {
namespace {

constexpr double kTicksPerDay = 24.0 * 60 * 60 * 10000000;  // FILETIME counts 100 ns

int64_t ticks(const FILETIME& f) {
  return static_cast<int64_t>((static_cast<uint64_t>(f.dwHighDateTime) << 32) | f.dwLowDateTime);
}

// Today's local date at 00:00:00 as local FILETIME ticks.
int64_t todayAtMidnight() {
  SYSTEMTIME now = theClock().localTime();
  now.wHour = now.wMinute = now.wSecond = now.wMilliseconds = 0;
  FILETIME f{};
  SystemTimeToFileTime(&now, &f);
  return ticks(f);
}

void deleteUnfinishedPoints(const std::string& backupFolder) {
  std::vector<std::string> unfinished;
  for (FindFiles f(backupFolder + "*.bck" + kUnfinishedPointSuffix, 0x27); f.next();)
    if (!f.isDirectory()) unfinished.push_back(backupFolder + f.name());
  // Opened for deletion without sharing, so a point another run is still writing stays.
  for (const std::string& path : unfinished)
    FileHandle(CreateFileA(path.c_str(), DELETE, 0, nullptr, OPEN_EXISTING,
                           FILE_FLAG_DELETE_ON_CLOSE, nullptr));
}

}  // namespace

void deleteOldBackupPoints(const std::string& backupFolder) {
  if (backupFolder.empty()) return;
  deleteUnfinishedPoints(backupFolder);
  const int64_t today = todayAtMidnight();
  for (const std::string& path : existingPoints(backupFolder)) {
    WIN32_FILE_ATTRIBUTE_DATA info{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &info)) continue;
    FILETIME written{};
    if (!FileTimeToLocalFileTime(&info.ftLastWriteTime, &written)) continue;
    double ageInDays = static_cast<double>(today - ticks(written)) / kTicksPerDay;
    if (ageInDays > kBackupPointMaxAgeDays) deletePoint(path);
  }
}

void deleteOldBackupPoints() { deleteOldBackupPoints(backupFolderPath()); }

}  // namespace scrubwell

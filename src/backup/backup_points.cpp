// Listing, reading and removing backup points.
#include "backup/backup_points.h"

#include <windows.h>

#include "backup/backup_file.h"
#include "backup/file_stream.h"
#include "platform/find.h"

namespace scrubwell {
namespace {

std::string pointPath(const std::string& folder, int n) {
  return folder + std::to_string(n) + ".bck";
}

constexpr int kMaxPoint = 1000;

// The point number of an entry name "N.bck" (N from 1 to 1000 without leading zeros, any case),
// else 0.
int pointNumber(const char* name) {
  int n = 0;
  const char* p = name;
  if (*p < '1' || *p > '9') return 0;
  while (*p >= '0' && *p <= '9' && n <= kMaxPoint) n = n * 10 + (*p++ - '0');
  return n <= kMaxPoint && lstrcmpiA(p, ".bck") == 0 ? n : 0;
}

}  // namespace

std::vector<std::string> existingPoints(const std::string& backupFolder) {
  // One listing of the folder rather than a test of each of the 1000 names (a test costs about
  // 0.1 ms under Wine). An entry counts by its name or by its short name, as a test by path would.
  std::vector<bool> present(kMaxPoint + 1);
  FindFiles find(backupFolder + "*.bck", 63);
  while (find.next()) {
    present[pointNumber(find.name())] = true;
    present[pointNumber(find.data().cAlternateFileName)] = true;
  }
  std::vector<std::string> points;
  for (int n = kMaxPoint; n >= 1; --n)
    if (present[n]) points.push_back(pointPath(backupFolder, n));
  return points;
}

PointContents readPointContents(const std::string& pointPath) {
  PointContents contents;
  TBackupFile archive;
  archive.ReadArchiveInfo(pointPath, &contents.fileIdLines, contents.title);
  contents.fileCount = archive.FileCount;
  contents.totalBytes = archive.TotalBytes;
  return contents;
}

void deletePoint(const std::string& pointPath) {
  DWORD attributes = fileAttributes(pointPath);
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  // A read-only point loses that attribute first and gets it back when the file cannot be
  // deleted after all (locked by another program), so a point that stays is unchanged.
  bool readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  if (readOnly) SetFileAttributesA(pointPath.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
  if (!DeleteFileA(pointPath.c_str()) && readOnly)
    SetFileAttributesA(pointPath.c_str(), attributes);
}

void deleteAllPoints(const std::string& backupFolder) {
  for (int n = 1; n <= 1000; ++n) deletePoint(pointPath(backupFolder, n));
}

}  // namespace scrubwell

// Listing, reading and removing backup points.
#include "backup/backup_points.h"

#include <windows.h>

#include "backup/backup_file.h"
#include "backup/file_stream.h"

namespace scrubwell {
namespace {

std::string pointPath(const std::string& folder, int n) {
  return folder + std::to_string(n) + ".bck";
}

bool isFile(const std::string& path) { return fileAttributes(path) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

std::vector<std::string> existingPoints(const std::string& backupFolder) {
  std::vector<std::string> points;
  for (int n = 1000; n >= 1; --n) {
    std::string path = pointPath(backupFolder, n);
    if (isFile(path)) points.push_back(path);
  }
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

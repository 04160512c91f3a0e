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
  if (isFile(pointPath)) DeleteFileA(pointPath.c_str());
}

void deleteAllPoints(const std::string& backupFolder) {
  for (int n = 1; n <= 1000; ++n) deletePoint(pointPath(backupFolder, n));
}

}  // namespace scrubwell

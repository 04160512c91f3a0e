// The backup points of a backup folder as the backup window works with them: which exist, what
// each holds, and removing one or all of them. Only files named 1.bck to 1000.bck are points.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace scrubwell {

// The paths of the existing points, from 1000.bck down to 1.bck (the newest number first).
std::vector<std::string> existingPoints(const std::string& backupFolder);

struct PointContents {
  std::string title;
  int32_t fileCount = 0;
  int64_t totalBytes = 0;
  std::vector<std::string> fileIdLines;  // empty when the point has no file-ID list
};

// Reads a point's header and file-ID list. A damaged point gives what could be read (empty
// title, zero counts) after the archive's error message.
PointContents readPointContents(const std::string& pointPath);

// Deletes one point file, a read-only one too; a missing or locked file is left as it is.
void deletePoint(const std::string& pointPath);
// Deletes 1.bck to 1000.bck of the folder; any other file stays.
void deleteAllPoints(const std::string& backupFolder);

}  // namespace scrubwell

// Retention of backup points: points older than two weeks are deleted. Checker.exe runs this at
// log-on; the age counts whole local days, so a point is kept for 14 days after the day it was
// written, whatever the time of day it was written at.
#pragma once
#include <string>

namespace scrubwell {

// A point whose age is more than this many days is deleted.
inline constexpr double kBackupPointMaxAgeDays = 14.0;

// For each existing file backupFolder + n + ".bck" (n = 1 to 1000; folders of that name are not
// points), the age is today's local date at midnight (from the clock seam) minus the file's
// last-write time in local time, in days; a point older than kBackupPointMaxAgeDays is deleted
// (a read-only one too). A point that cannot be deleted stays as it was, and the others are still
// checked. `backupFolder` ends with "\"; an empty folder name does nothing.
// Before that, removes what runs that were killed or failed left of points they were writing
// (files "n.bck" + kUnfinishedPointSuffix), unless a running program still writes one.
void deleteOldBackupPoints(const std::string& backupFolder);
// The same for the program's backup folder (backupFolderPath()).
void deleteOldBackupPoints();

}  // namespace scrubwell

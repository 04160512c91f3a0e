// The engines of the drive-scanning clean-ups.
#include "scan/drive_scans.h"

#include "scan/junk_search.h"

namespace scrubwell {
namespace {

struct DriveScanEntry {
  CleanupId id;
  DriveScan scan;
};

constexpr DriveScanEntry kDriveScans[] = {
    {CleanupId::junkSearch,
     [](const DriveScanInputs& in, ResultList& list, ProcessFlag& cancel, WalkProgress* progress) {
       runJunkSearch(in, list, cancel, progress);
     }},
};

}  // namespace

DriveScan driveScanOf(CleanupId id) {
  for (const DriveScanEntry& e : kDriveScans)
    if (e.id == id) return e.scan;
  return nullptr;
}

}  // namespace scrubwell

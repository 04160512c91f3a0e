// The engines of the drive-scanning clean-ups.
#include "scan/drive_scans.h"

#include "base/file_ops.h"
#include "scan/cancel_flag.h"
#include "scan/drive_walk.h"
#include "scan/duplicate_dll_scan.h"
#include "scan/junk_search.h"
#include "scan/shortcut_scan.h"
#include "scan/temp_folder_scan.h"
#include "scan/zero_byte_scan.h"

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
    {CleanupId::zeroByteFiles,
     [](const DriveScanInputs& in, ResultList& list, ProcessFlag& cancel, WalkProgress* progress) {
       runZeroByteScan(in, list, cancel, progress);
     }},
    {CleanupId::brokenShortcuts,
     [](const DriveScanInputs& in, ResultList& list, ProcessFlag& cancel, WalkProgress* progress) {
       runBrokenShortcutScan(in, list, cancel, progress);
     }},
    {CleanupId::duplicateFiles,
     [](const DriveScanInputs& in, ResultList& list, ProcessFlag& cancel, WalkProgress* progress) {
       WindowsCopies copies = WindowsCopies::ofSystem();
       runDuplicateDllScan(in, copies, list, cancel, progress);
     }},
    {CleanupId::temporaryFolder,
     [](const DriveScanInputs& in, ResultList& list, ProcessFlag& cancel, WalkProgress* progress) {
       runTemporaryFolderScan(in, list, cancel, progress);
     }},
};

}  // namespace

DriveScan driveScanOf(CleanupId id) {
  for (const DriveScanEntry& e : kDriveScans)
    if (e.id == id) return e.scan;
  return nullptr;
}

void runDriveScanRules(FolderRules& rules, const SearchExceptions& exceptions,
                       const DriveScanInputs& inputs, bool withNetworkDrives, ResultList& list,
                       ProcessFlag& cancel, WalkProgress* progress, DWORD sliceMs) {
  DriveWalk walk(exceptions, cancel, progress);
  walk.setSliceMs(sliceMs);
  walk.walkDrives(inputs.driveRoots, withNetworkDrives, rules);
  endDriveScan(list, cancel);
}

void endDriveScan(ResultList& list, ProcessFlag& cancel) {
  list.rebuildRows(systemFileSize);
  cancel.clear();
}

}  // namespace scrubwell

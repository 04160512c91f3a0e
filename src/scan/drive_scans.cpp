// The engines of the drive-scanning clean-ups.
#include "scan/drive_scans.h"

#include "base/file_ops.h"
#include "scan/cancel_flag.h"
#include "scan/drive_walk.h"
#include "scan/duplicate_dll_scan.h"
#include "scan/junk_search.h"
#include "scan/mask_walk.h"
#include "scan/shortcut_scan.h"
#include "scan/temp_folder_scan.h"
#include "scan/temporary_folders.h"
#include "scan/zero_byte_scan.h"

namespace scrubwell {
namespace {

using RulesMaker = ScanRules (*)(const DriveScanInputs& inputs, const ListingScope& scope,
                                 FoundFile found);

// Each drive-scanning clean-up: its scan as the single clean-up runs it, and its rules for a walk
// shared with other scans.
struct DriveScanEntry {
  CleanupId id;
  DriveScan scan;
  RulesMaker rules;
};

constexpr DriveScanEntry kDriveScans[] = {
    {CleanupId::junkSearch,
     [](const DriveScanInputs& in, ResultList& list, ProcessFlag& cancel, WalkProgress* progress) {
       runJunkSearch(in, list, cancel, progress);
     },
     [](const DriveScanInputs& in, const ListingScope& scope, FoundFile found) -> ScanRules {
       // Every file the junk search finds starts marked.
       return {std::make_unique<MaskRules>(
           in.masks, scope,
           [found](const std::string& path, int64_t size) { found(path, size, true); })};
     }},
    {CleanupId::zeroByteFiles,
     [](const DriveScanInputs& in, ResultList& list, ProcessFlag& cancel, WalkProgress* progress) {
       runZeroByteScan(in, list, cancel, progress);
     },
     [](const DriveScanInputs&, const ListingScope& scope, FoundFile found) -> ScanRules {
       return {zeroByteRules(scope, std::move(found))};
     }},
    {CleanupId::brokenShortcuts,
     [](const DriveScanInputs& in, ResultList& list, ProcessFlag& cancel, WalkProgress* progress) {
       runBrokenShortcutScan(in, list, cancel, progress);
     },
     [](const DriveScanInputs&, const ListingScope& scope, FoundFile found) -> ScanRules {
       return {brokenShortcutRules(scope, std::move(found)), kShortcutScanWalksNetworkDrives};
     }},
    {CleanupId::duplicateFiles,
     [](const DriveScanInputs& in, ResultList& list, ProcessFlag& cancel, WalkProgress* progress) {
       WindowsCopies copies = WindowsCopies::ofSystem();
       runDuplicateDllScan(in, copies, list, cancel, progress);
     },
     [](const DriveScanInputs&, const ListingScope& scope, FoundFile found) -> ScanRules {
       return {duplicateDllRules(scope, std::move(found))};
     }},
    {CleanupId::temporaryFolder,
     [](const DriveScanInputs& in, ResultList& list, ProcessFlag& cancel, WalkProgress* progress) {
       runTemporaryFolderScan(in, list, cancel, progress);
     },
     [](const DriveScanInputs&, const ListingScope& scope, FoundFile found) -> ScanRules {
       return {temporaryFileRules(scope, std::move(found), temporaryScanFolders())};
     }},
};

const DriveScanEntry* entryOf(CleanupId id) {
  for (const DriveScanEntry& e : kDriveScans)
    if (e.id == id) return &e;
  return nullptr;
}

}  // namespace

DriveScan driveScanOf(CleanupId id) {
  const DriveScanEntry* e = entryOf(id);
  return e ? e->scan : nullptr;
}

FoundFile appendTo(ResultList& list) {
  return [&list](std::string path, int64_t size, bool marked) {
    list.add(std::move(path), size, marked);
  };
}

ScanRules driveScanRulesOf(CleanupId id, const DriveScanInputs& inputs, const ListingScope& scope,
                           FoundFile found) {
  const DriveScanEntry* e = entryOf(id);
  return e ? e->rules(inputs, scope, std::move(found)) : ScanRules{};
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

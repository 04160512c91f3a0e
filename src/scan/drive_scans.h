// The drive scans of the clean-ups: what every scan walks and matches, and the engine each
// drive-scanning clean-up runs. A drive-scanning clean-up joins by one line in drive_scans.cpp.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "scan/cleanup_table.h"
#include "scan/drive_walk.h"
#include "scan/result_list.h"

namespace scrubwell {

class ListingScope;

struct DriveScanInputs {
  std::vector<std::string> driveRoots;  // as chosenDriveRoots() gives them, e.g. "C:\\"
  std::vector<std::string> masks;       // the cleaned mask list; defaultJunkMasks() at first
  std::vector<std::string> exceptions;  // the user's and the downloaded search exceptions
  std::string backupFolder;             // files directly in it are never listed
};

// Walks the drives of `inputs`, appending what it finds to `list`, each entry with the mark it
// starts with, then ends as endDriveScan does. A set cancel flag stops the walk early.
using DriveScan = void (*)(const DriveScanInputs& inputs, ResultList& list, ProcessFlag& cancel,
                           WalkProgress* progress);

// The drive scan of a clean-up; nullptr when it has none (yet).
DriveScan driveScanOf(CleanupId id);

// Where a scan's rules put each file they list: its path, its size when the walk learnt it (else
// ResultList::kUnknownSize) and the mark it starts with.
using FoundFile = std::function<void(std::string path, int64_t size, bool marked)>;
// Appends each file found to `list`.
FoundFile appendTo(ResultList& list);

// A drive scan's rules for one walk, and whether that scan walks network drives.
struct ScanRules {
  std::unique_ptr<FolderRules> rules;
  bool withNetworkDrives = true;
};
// The rules the drive scan of `id` runs on a walk over the drives of `inputs`, listing within
// `scope` (which must outlive them) into `found`; no rules when `id` has no drive scan.
ScanRules driveScanRulesOf(CleanupId id, const DriveScanInputs& inputs, const ListingScope& scope,
                           FoundFile found);

// How every drive scan ends: the rows are rebuilt from what was found (sizes the walk did not
// know are asked of the system) and the cancel flag is cleared.
void endDriveScan(ResultList& list, ProcessFlag& cancel);

// Runs a scan's `rules` on one walk over the drives of `inputs` (network drives only when
// `withNetworkDrives`), then ends as endDriveScan does.
void runDriveScanRules(FolderRules& rules, const SearchExceptions& exceptions,
                       const DriveScanInputs& inputs, bool withNetworkDrives, ResultList& list,
                       ProcessFlag& cancel, WalkProgress* progress, DWORD sliceMs);

}  // namespace scrubwell

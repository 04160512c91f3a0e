// The zero-byte scan: every file of 0 bytes on the chosen drives, except the boot files of the
// drive root's kind (AUTOEXEC.BAT, CONFIG.SYS, IO.SYS, MSDOS.SYS) and what every scan leaves out.
// It does not enter hidden or system folders. What it finds starts marked by its extension: the
// endings of typical leftovers are marked, everything else (lock files, markers, empty modules)
// is left for the user to choose.
#pragma once
#include <windows.h>

#include <string_view>

#include "scan/drive_scans.h"
#include "scan/listing_scope.h"

namespace scrubwell {

// True when `entry`, found in `folder` (ending with "\"), is a zero-byte file the scan lists.
bool isListedZeroByteFile(const std::string& folder, const WIN32_FIND_DATAA& entry,
                          const ListingScope& scope);
// True when the scan enters the subfolder `entry`: one that is neither hidden nor system.
bool zeroByteScanEnters(const WIN32_FIND_DATAA& entry);
// True when a found zero-byte file starts marked: its last three characters are a typical
// leftover's ending, or the third-last is "~".
bool zeroByteFileStartsMarked(std::string_view path);

// The scan's rules for one walk; `scope` must outlive them.
std::unique_ptr<FolderRules> zeroByteRules(const ListingScope& scope, FoundFile found);

void runZeroByteScan(const DriveScanInputs& inputs, ResultList& list, ProcessFlag& cancel,
                     WalkProgress* progress, DWORD sliceMs = 15);

}  // namespace scrubwell

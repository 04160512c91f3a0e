// The temp-folder scan: every file in the temporary folders (temporary_folders.h), whatever its
// size or age, starts marked; files in a folder whose path holds "TEMPORARY INTERNET FILES",
// "HISTORY" or "COOKIE" are the browser clean-up's and are left out, as is what every scan
// leaves out. It walks no drive: the chosen drives do not matter to it. Its removal ends with a
// sweep of the folders it walked, which only that removal may do.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "scan/drive_scans.h"
#include "scan/listing_scope.h"

namespace scrubwell {

// True when `entry`, found in `folder` (ending with "\") below a temporary folder, is a file
// the temp-folder scan lists.
bool isListedTemporaryFile(const std::string& folder, const WIN32_FIND_DATAA& entry,
                           const ListingScope& scope);

// The scan's rules for one walk: they list the files at or below `temporaryFolders` (each ending
// with "\", as temporaryScanFolders() gives them). `scope` must outlive them.
std::unique_ptr<FolderRules> temporaryFileRules(const ListingScope& scope, FoundFile found,
                                                const std::vector<std::string>& temporaryFolders);

// Walks each of `folders` (ending with "\"), then ends as endDriveScan does. The walked folders
// become the pending sweep of the next removal.
void runTemporaryFolderScan(const std::vector<std::string>& folders, const DriveScanInputs& inputs,
                            ResultList& list, ProcessFlag& cancel, WalkProgress* progress,
                            DWORD sliceMs = 15);
// The same over temporaryScanFolders().
void runTemporaryFolderScan(const DriveScanInputs& inputs, ResultList& list, ProcessFlag& cancel,
                            WalkProgress* progress);

// The folders a temp-folder scan walked, waiting for the empty-folder sweep after the next
// removal; "cancel process" and that removal clear it.
std::vector<std::string>& pendingTemporarySweep();

}  // namespace scrubwell

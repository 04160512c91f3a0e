// The broken-shortcut scan: every shortcut file (".lnk", ".pif") on the chosen drives whose target
// lies on a local fixed disk and no longer exists, except the virus scanner's own shortcuts and
// what every scan leaves out. Network drives are not walked. Everything it finds starts marked.
#pragma once
#include <windows.h>

#include <string>

#include "scan/drive_scans.h"
#include "scan/listing_scope.h"

namespace scrubwell {

// True when `entry`, found in `folder` (ending with "\"), is a shortcut file the scan would list
// if it were broken. These tests are cheap; the scan loads a shortcut only after they pass.
bool isListableShortcut(const std::string& folder, const WIN32_FIND_DATAA& entry,
                        const ListingScope& scope);

// The scan's rules for one walk; `scope` must outlive them.
std::unique_ptr<FolderRules> brokenShortcutRules(const ListingScope& scope, FoundFile found);
// A shortcut on a network drive points across the network: the scan leaves those drives alone.
inline constexpr bool kShortcutScanWalksNetworkDrives = false;

void runBrokenShortcutScan(const DriveScanInputs& inputs, ResultList& list, ProcessFlag& cancel,
                           WalkProgress* progress, DWORD sliceMs = 15);

}  // namespace scrubwell

// The duplicate-DLL scan: every DLL outside the Windows folder that has a Windows copy of the same
// name and the same size in whole 128-byte blocks (contents are never compared), except in
// folders that look like installation sources, below any folder whose path contains "C:\WIN",
// and what every scan leaves out. The Windows copy itself is never listed, not even when the walk
// meets it under another path: two paths of one file are told apart by the file's identity.
// Everything it finds starts marked.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "scan/drive_scans.h"
#include "scan/listing_scope.h"
#include "scan/mask_prefilter.h"
#include "scan/windows_copies.h"

namespace scrubwell {

// The duplicate test of `folder` (ending with "\") and `name`: true when the file is not in the
// Windows folder, is not the Windows copy itself, both open for reading, and both hold the same
// number of whole 128-byte blocks, which is not 0. `sizeFromFind`, when known (not -1), spares
// opening a file whose size already differs.
bool isDuplicateOfWindowsCopy(const std::string& folder, std::string_view name,
                              WindowsCopies& copies, int64_t sizeFromFind = -1);

// The setup-folder test: true when `folder` (ending with "\") holds no file that the system
// matches (short names included) with "setup.*", "install.*", "*.CAB" or "setup*.*".
bool holdsNoInstallationFiles(const std::string& folder);

// The setup-folder test of one folder fed from the walk's one enumeration of it: every entry is
// shown to it as the walk reads it, and the system is then asked only for the installation masks
// that some long or short name of a file there could match (usually none).
class SetupFolderTest {
 public:
  SetupFolderTest();
  void reset() { mayMatch_ = 0; }
  void see(const WIN32_FIND_DATAA& entry);
  // The setup-folder test of `folder`, whose entries were all seen since the last reset.
  bool holdsNoInstallationFiles(const std::string& folder) const;

 private:
  std::vector<MaskPrefilter> masks_;
  unsigned mayMatch_ = 0;  // bit i: a file's name could match mask i
};

// True when `entry` in `folder` is a DLL the scan would list if it were a duplicate: a file
// named "*.dll" in a folder whose files may be listed, outside "C:\WIN...", and allowed.
bool isListableDll(const std::string& folder, const WIN32_FIND_DATAA& entry,
                   const ListingScope& scope);
// True when the scan lists the DLLs of `folder` and enters its subfolders: its path does not
// contain "C:\WIN" (so C:\WINDOWS\ is read from the drive root but yields nothing).
bool duplicateDllScanReads(const std::string& folder);

// The scan's rules for one walk against the system's Windows copies; `scope` must outlive them.
std::unique_ptr<FolderRules> duplicateDllRules(const ListingScope& scope, FoundFile found);

void runDuplicateDllScan(const DriveScanInputs& inputs, WindowsCopies& copies, ResultList& list,
                         ProcessFlag& cancel, WalkProgress* progress, DWORD sliceMs = 15);

}  // namespace scrubwell

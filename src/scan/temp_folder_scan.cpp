// The temp-folder scan.
#include "scan/temp_folder_scan.h"

#include <array>
#include <string_view>

#include "platform/find.h"
#include "platform/text_upper.h"
#include "scan/cancel_flag.h"
#include "scan/drive_walk.h"
#include "scan/temporary_folders.h"

namespace scrubwell {
namespace {

constexpr std::array<std::string_view, 3> kBrowserFolderParts = {"TEMPORARY INTERNET FILES",
                                                                 "HISTORY", "COOKIE"};

bool isBrowserFolder(const std::string& folder) {
  const std::string upper = toUpper(folder);
  for (std::string_view part : kBrowserFolderParts)
    if (upper.find(part) != std::string::npos) return true;
  return false;
}

class TemporaryFileRules : public FolderRules {
 public:
  TemporaryFileRules(const ListingScope& scope, ResultList& list) : scope_(scope), list_(list) {}

  void entry(const std::string& folder, const WIN32_FIND_DATAA& entry) override {
    if (isListedTemporaryFile(folder, entry, scope_))
      list_.add(folder + entry.cFileName, fileSizeOf(entry), true);
  }

 private:
  const ListingScope& scope_;
  ResultList& list_;
};

}  // namespace

bool isListedTemporaryFile(const std::string& folder, const WIN32_FIND_DATAA& entry,
                           const ListingScope& scope) {
  return !isFolder(entry) && scope.listsFilesIn(folder) && !isBrowserFolder(folder) &&
         scope.allowsFile(folder, entry.cFileName, "*.*");
}

void runTemporaryFolderScan(const std::vector<std::string>& folders, const DriveScanInputs& inputs,
                            ResultList& list, ProcessFlag& cancel, WalkProgress* progress,
                            DWORD sliceMs) {
  const ListingScope scope(inputs.exceptions, inputs.backupFolder);
  TemporaryFileRules rules(scope, list);
  DriveWalk walk(scope.exceptions(), cancel, progress);
  walk.setSliceMs(sliceMs);
  for (const std::string& folder : folders)
    if (!walk.walk(folder, rules)) break;
  pendingTemporarySweep() = folders;
  endDriveScan(list, cancel);
}

void runTemporaryFolderScan(const DriveScanInputs& inputs, ResultList& list, ProcessFlag& cancel,
                            WalkProgress* progress) {
  runTemporaryFolderScan(temporaryScanFolders(), inputs, list, cancel, progress);
}

std::vector<std::string>& pendingTemporarySweep() {
  static std::vector<std::string> folders;
  return folders;
}

}  // namespace scrubwell

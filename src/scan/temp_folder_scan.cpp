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

// Lists the files of the folders at or below one of the temporary folders; a walk that starts
// higher up (the combined walk of whole drives) passes the others by.
class TemporaryFileRules : public FolderRules {
 public:
  TemporaryFileRules(const ListingScope& scope, FoundFile found,
                     const std::vector<std::string>& temporaryFolders)
      : scope_(scope), found_(std::move(found)) {
    for (const std::string& folder : temporaryFolders) upperFolders_.push_back(toUpper(folder));
  }

  void beginFolder(const std::string& folder) override {
    const std::string upper = toUpper(folder);
    inside_ = false;
    for (const std::string& temporary : upperFolders_)
      if (upper.compare(0, temporary.size(), temporary) == 0) inside_ = true;
  }
  void entry(const std::string& folder, const WIN32_FIND_DATAA& entry) override {
    if (inside_ && isListedTemporaryFile(folder, entry, scope_))
      found_(folder + entry.cFileName, fileSizeOf(entry), true);
  }

 private:
  const ListingScope& scope_;
  FoundFile found_;
  std::vector<std::string> upperFolders_;  // each ends with "\"
  bool inside_ = false;                    // the folder being read lies in one of them
};

}  // namespace

std::unique_ptr<FolderRules> temporaryFileRules(const ListingScope& scope, FoundFile found,
                                                const std::vector<std::string>& temporaryFolders) {
  return std::make_unique<TemporaryFileRules>(scope, std::move(found), temporaryFolders);
}

bool isListedTemporaryFile(const std::string& folder, const WIN32_FIND_DATAA& entry,
                           const ListingScope& scope) {
  return !isFolder(entry) && scope.listsFilesIn(folder) && !isBrowserFolder(folder) &&
         scope.allowsFile(folder, entry.cFileName, "*.*");
}

void runTemporaryFolderScan(const std::vector<std::string>& folders, const DriveScanInputs& inputs,
                            ResultList& list, ProcessFlag& cancel, WalkProgress* progress,
                            DWORD sliceMs) {
  const ListingScope scope(inputs.exceptions, inputs.backupFolder);
  TemporaryFileRules rules(scope, appendTo(list), folders);
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

// The broken-shortcut scan.
#include "scan/shortcut_scan.h"

#include <array>
#include <string_view>

#include "platform/find.h"
#include "platform/text_upper.h"
#include "scan/broken_shortcut.h"
#include "scan/drive_walk.h"

namespace scrubwell {
namespace {

constexpr std::array<std::string_view, 3> kExemptNames = {"NAVW32.EXE.LNK", "NAVW32.EXE.PIF",
                                                          "NAVW32.LNK"};

// The mask a shortcut name answers to ("*.lnk" or "*.pif"), empty for other names. The system's
// match of such a mask, narrowed by the extension guard, is exactly a name with that ending.
std::string_view shortcutMask(std::string_view name) {
  if (endsWithIgnoringCase(name, ".lnk")) return "*.lnk";
  if (endsWithIgnoringCase(name, ".pif")) return "*.pif";
  return {};
}

class BrokenShortcutRules : public FolderRules {
 public:
  BrokenShortcutRules(const ListingScope& scope, FoundFile found)
      : scope_(scope), found_(std::move(found)) {}

  void entry(const std::string& folder, const WIN32_FIND_DATAA& entry) override {
    if (!isListableShortcut(folder, entry, scope_)) return;
    std::string path = folder + entry.cFileName;
    if (!test_.isBroken(path)) return;
    found_(std::move(path), fileSizeOf(entry), true);
  }

 private:
  const ListingScope& scope_;
  FoundFile found_;
  BrokenShortcutTest test_;  // one shell link object and one drive-type table for the scan
};

}  // namespace

std::unique_ptr<FolderRules> brokenShortcutRules(const ListingScope& scope, FoundFile found) {
  return std::make_unique<BrokenShortcutRules>(scope, std::move(found));
}

bool isListableShortcut(const std::string& folder, const WIN32_FIND_DATAA& entry,
                        const ListingScope& scope) {
  if (isFolder(entry)) return false;
  const std::string_view mask = shortcutMask(entry.cFileName);
  return !mask.empty() && scope.listsFilesIn(folder) &&
         scope.allowsFile(folder, entry.cFileName, mask) &&
         !isOneOfIgnoringCase(entry.cFileName, kExemptNames);
}

void runBrokenShortcutScan(const DriveScanInputs& inputs, ResultList& list, ProcessFlag& cancel,
                           WalkProgress* progress, DWORD sliceMs) {
  const ListingScope scope(inputs.exceptions, inputs.backupFolder);
  BrokenShortcutRules rules(scope, appendTo(list));
  runDriveScanRules(rules, scope.exceptions(), inputs, kShortcutScanWalksNetworkDrives, list, cancel, progress, sliceMs);
}

}  // namespace scrubwell

// The duplicate-DLL scan.
#include "scan/duplicate_dll_scan.h"

#include <array>

#include "platform/find.h"
#include "platform/text_upper.h"
#include "scan/drive_walk.h"

namespace scrubwell {
namespace {

constexpr DWORD kFilesOnly = 47;
constexpr int64_t kBlock = 128;

constexpr std::array<const char*, 4> kInstallationMasks = {"setup.*", "install.*", "*.CAB",
                                                           "setup*.*"};

bool containsIgnoringCase(std::string_view text, std::string_view part) {
  return toUpper(text).find(toUpper(part)) != std::string::npos;
}

class DuplicateDllRules : public FolderRules {
 public:
  DuplicateDllRules(const ListingScope& scope, WindowsCopies& copies, ResultList& list)
      : scope_(scope), copies_(copies), list_(list) {}

  void beginFolder(const std::string& folder) override {
    entersBelow_ = duplicateDllScanReads(folder);
    setupTest_ = unknown;
  }
  void entry(const std::string& folder, const WIN32_FIND_DATAA& entry) override {
    // The map search first: most DLLs have no Windows copy and cost nothing more.
    if (isFolder(entry) || !endsWithIgnoringCase(entry.cFileName, ".dll")) return;
    if (copies_.pathOf(entry.cFileName).empty()) return;
    if (!isListableDll(folder, entry, scope_)) return;
    const int64_t size = fileSizeOf(entry);
    if (!isDuplicateOfWindowsCopy(folder, entry.cFileName, copies_, size)) return;
    if (setupTest_ == unknown) setupTest_ = holdsNoInstallationFiles(folder) ? clear : setup;
    if (setupTest_ == setup) return;
    list_.add(folder + entry.cFileName, size, true);
  }
  bool entersFolder(const WIN32_FIND_DATAA&) const override { return entersBelow_; }

 private:
  enum SetupTest { unknown, clear, setup };
  const ListingScope& scope_;
  WindowsCopies& copies_;
  ResultList& list_;
  bool entersBelow_ = true;
  SetupTest setupTest_ = unknown;  // of the folder being read, asked once it matters
};

}  // namespace

bool isDuplicateOfWindowsCopy(const std::string& folder, std::string_view name,
                              WindowsCopies& copies, int64_t sizeFromFind) {
  if (copies.windowsFolder().empty() || containsIgnoringCase(folder, copies.windowsFolder()))
    return false;
  const OpenedFileFacts* copy = copies.factsOf(name);
  if (!copy) return false;
  const int64_t blocks = copy->size / kBlock;
  if (blocks == 0) return false;
  if (sizeFromFind >= 0 && sizeFromFind / kBlock != blocks) return false;
  const std::optional<OpenedFileFacts> file = openedFileFacts(folder + std::string(name));
  return file && file->size / kBlock == blocks && !(file->identity == copy->identity);
}

bool holdsNoInstallationFiles(const std::string& folder) {
  for (const char* mask : kInstallationMasks) {
    FindFiles found(folder + mask, kFilesOnly);
    while (found.next())
      if (!found.isDots()) return false;
  }
  return true;
}

bool isListableDll(const std::string& folder, const WIN32_FIND_DATAA& entry,
                   const ListingScope& scope) {
  return !isFolder(entry) && endsWithIgnoringCase(entry.cFileName, ".dll") &&
         scope.listsFilesIn(folder) && duplicateDllScanReads(folder) &&
         scope.allowsFile(folder, entry.cFileName, "*.dll");
}

bool duplicateDllScanReads(const std::string& folder) {
  return !containsIgnoringCase(folder, "C:\\WIN");
}

void runDuplicateDllScan(const DriveScanInputs& inputs, WindowsCopies& copies, ResultList& list,
                         ProcessFlag& cancel, WalkProgress* progress, DWORD sliceMs) {
  const ListingScope scope(inputs.exceptions, inputs.backupFolder);
  DuplicateDllRules rules(scope, copies, list);
  runDriveScanRules(rules, scope.exceptions(), inputs, true, list, cancel, progress, sliceMs);
}

}  // namespace scrubwell

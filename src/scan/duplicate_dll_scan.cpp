// The duplicate-DLL scan.
#include "scan/duplicate_dll_scan.h"

#include <array>
#include <utility>

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
  DuplicateDllRules(const ListingScope& scope, WindowsCopies& copies, FoundFile found)
      : scope_(scope), copies_(copies), found_(std::move(found)) {}

  void beginFolder(const std::string& folder) override {
    entersBelow_ = duplicateDllScanReads(folder);
    setupTest_.reset();
    duplicates_.clear();
  }
  void entry(const std::string& folder, const WIN32_FIND_DATAA& entry) override {
    setupTest_.see(entry);
    // The map search first: most DLLs have no Windows copy and cost nothing more.
    if (isFolder(entry) || !endsWithIgnoringCase(entry.cFileName, ".dll")) return;
    if (copies_.pathOf(entry.cFileName).empty()) return;
    if (!isListableDll(folder, entry, scope_)) return;
    const int64_t size = fileSizeOf(entry);
    if (isDuplicateOfWindowsCopy(folder, entry.cFileName, copies_, size))
      duplicates_.push_back({folder + entry.cFileName, size});
  }
  // The setup-folder test needs every entry of the folder: its duplicates are listed here.
  bool endFolder(const std::string& folder, WalkPacer&) override {
    if (!duplicates_.empty() && setupTest_.holdsNoInstallationFiles(folder))
      for (auto& [path, size] : duplicates_) found_(std::move(path), size, true);
    return true;
  }
  bool entersFolder(const WIN32_FIND_DATAA&) const override { return entersBelow_; }

 private:
  const ListingScope& scope_;
  WindowsCopies& copies_;
  FoundFile found_;
  bool entersBelow_ = true;
  SetupFolderTest setupTest_;
  std::vector<std::pair<std::string, int64_t>> duplicates_;  // of the folder being read
};

struct SystemCopies {
  WindowsCopies systemCopies = WindowsCopies::ofSystem();
};

// The rules with the system's Windows copies of their own (a base made first, so they exist
// before the rules keep them).
class SystemDuplicateDllRules : private SystemCopies, public DuplicateDllRules {
 public:
  SystemDuplicateDllRules(const ListingScope& scope, FoundFile found)
      : DuplicateDllRules(scope, systemCopies, std::move(found)) {}
};

}  // namespace

std::unique_ptr<FolderRules> duplicateDllRules(const ListingScope& scope, FoundFile found) {
  return std::make_unique<SystemDuplicateDllRules>(scope, std::move(found));
}

bool isDuplicateOfWindowsCopy(const std::string& folder, std::string_view name,
                              WindowsCopies& copies, int64_t sizeFromFind) {
  if (copies.windowsFolder().empty() || containsIgnoringCase(folder, copies.windowsFolder()))
    return false;
  const OpenedFileFacts* copy = copies.factsOf(name);
  if (!copy) return false;
  const int64_t blocks = copy->size / kBlock;
  if (blocks == 0) return false;
  if (sizeFromFind >= 0 && sizeFromFind / kBlock != blocks) return false;
  const std::string path = folder + std::string(name);
  const std::optional<OpenedFileFacts> file = openedFileFacts(path);
  if (!file || file->size / kBlock != blocks) return false;
  if (file->fileIndex == copy->fileIndex) {
    // Perhaps the Windows copy itself, met under another path: the volume decides. When it
    // cannot be told, the file counts as the copy and stays.
    const std::optional<FileIdentity> a = fileIdentityOf(path);
    const std::optional<FileIdentity> b = fileIdentityOf(copies.pathOf(name));
    if (!a || !b || *a == *b) return false;
  }
  return true;
}

bool holdsNoInstallationFiles(const std::string& folder) {
  for (const char* mask : kInstallationMasks) {
    FindFiles found(folder + mask, kFilesOnly);
    while (found.next())
      if (!found.isDots()) return false;
  }
  return true;
}

SetupFolderTest::SetupFolderTest() {
  for (const char* mask : kInstallationMasks) masks_.emplace_back(mask);
}

void SetupFolderTest::see(const WIN32_FIND_DATAA& entry) {
  if (isFolder(entry)) return;
  for (size_t i = 0; i < masks_.size(); ++i)
    if (masks_[i].mayMatch(entry.cFileName) ||
        (entry.cAlternateFileName[0] && masks_[i].mayMatch(entry.cAlternateFileName)))
      mayMatch_ |= 1u << i;
}

bool SetupFolderTest::holdsNoInstallationFiles(const std::string& folder) const {
  for (size_t i = 0; i < masks_.size(); ++i) {
    if (!(mayMatch_ & (1u << i))) continue;
    FindFiles found(folder + masks_[i].mask(), kFilesOnly);
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
  DuplicateDllRules rules(scope, copies, appendTo(list));
  runDriveScanRules(rules, scope.exceptions(), inputs, true, list, cancel, progress, sliceMs);
}

}  // namespace scrubwell

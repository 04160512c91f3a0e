// The zero-byte scan.
#include "scan/zero_byte_scan.h"

#include <array>

#include "platform/attribute_mask.h"
#include "platform/find.h"
#include "platform/text_upper.h"
#include "scan/drive_walk.h"

namespace scrubwell {
namespace {

constexpr DWORD kEnteredFolders = 16;  // folders that are neither hidden nor system

constexpr std::array<std::string_view, 4> kBootFiles = {"AUTOEXEC.BAT", "CONFIG.SYS", "IO.SYS",
                                                        "MSDOS.SYS"};

constexpr std::array<std::string_view, 32> kMarkedEndings = {
    "bak", "gid", "$$$", "tmp", "sik", "pif", "qdk", "old", "umb", "~mp", "cor",
    "alt", "lnk", "txt", "dir", "log", "doc", "bas", "000", "001", "002", "003",
    "004", "005", "gif", "ico", "jpg", "mp3", "mid", "wav", "zip", "prv"};

class ZeroByteRules : public FolderRules {
 public:
  ZeroByteRules(const ListingScope& scope, FoundFile found)
      : scope_(scope), found_(std::move(found)) {}

  void entry(const std::string& folder, const WIN32_FIND_DATAA& entry) override {
    if (!isListedZeroByteFile(folder, entry, scope_)) return;
    std::string path = folder + entry.cFileName;
    const bool marked = zeroByteFileStartsMarked(path);
    found_(std::move(path), 0, marked);
  }
  bool entersFolder(const WIN32_FIND_DATAA& entry) const override {
    return zeroByteScanEnters(entry);
  }

 private:
  const ListingScope& scope_;
  FoundFile found_;
};

}  // namespace

std::unique_ptr<FolderRules> zeroByteRules(const ListingScope& scope, FoundFile found) {
  return std::make_unique<ZeroByteRules>(scope, std::move(found));
}

bool isListedZeroByteFile(const std::string& folder, const WIN32_FIND_DATAA& entry,
                          const ListingScope& scope) {
  return !isFolder(entry) && fileSizeOf(entry) == 0 && scope.listsFilesIn(folder) &&
         scope.allowsFile(folder, entry.cFileName, "*.*") &&
         !isOneOfIgnoringCase(entry.cFileName, kBootFiles);
}

bool zeroByteScanEnters(const WIN32_FIND_DATAA& entry) {
  return passesAttributeMask(entry.dwFileAttributes, kEnteredFolders);
}

bool zeroByteFileStartsMarked(std::string_view path) {
  if (path.size() < 3) return false;
  const std::string ending = toLower(path.substr(path.size() - 3));
  if (ending[0] == '~') return true;
  for (std::string_view marked : kMarkedEndings)
    if (ending == marked) return true;
  return false;
}

void runZeroByteScan(const DriveScanInputs& inputs, ResultList& list, ProcessFlag& cancel,
                     WalkProgress* progress, DWORD sliceMs) {
  const ListingScope scope(inputs.exceptions, inputs.backupFolder);
  ZeroByteRules rules(scope, appendTo(list));
  runDriveScanRules(rules, scope.exceptions(), inputs, true, list, cancel, progress, sliceMs);
}

}  // namespace scrubwell

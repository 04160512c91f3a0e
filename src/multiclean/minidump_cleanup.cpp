// The minidump clean-up: locator, gate, backup, emptying.
#include "multiclean/minidump_cleanup.h"

#include <windows.h>

#include <cstring>

#include "backup/backup_protocol.h"
#include "base/data_folder.h"
#include "base/settings_file.h"
#include "platform/path_text.h"
#include "scan/folder_gate.h"

namespace scrubwell {

std::string minidumpLocatorPath() { return withTrailingBackslash(programFolder()) + "KvFindMinidump.dll"; }

MinidumpLocation locateMinidumpFolder(const std::string& libraryPath, const std::string& today) {
  MinidumpLocation location;
  // No "insert a disk" box for a locator on a drive that is not ready.
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
  HMODULE library = LoadLibraryExA(libraryPath.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  SetErrorMode(oldMode);
  using Locator = const char*(WINAPI*)(const char*);
  auto locate = library ? reinterpret_cast<Locator>(GetProcAddress(library, "findMinidump")) : nullptr;
  if (!locate) {
    location.libraryMissing = true;
    if (library) FreeLibrary(library);
    return location;
  }
  const char* answer = locate(today.c_str());
  constexpr size_t kLongest = 32767;  // the longest path Windows knows
  if (answer && !IsBadStringPtrA(answer, kLongest + 1)) {
    const size_t length = strnlen(answer, kLongest + 1);
    if (length <= kLongest) location.folder.assign(answer, length);
  }
  FreeLibrary(library);
  return location;
}

MinidumpCleaning cleanMinidumpFolder(const std::string& libraryPath, const RemovalSettings& settings,
                                     BackupProgress& backup) {
  MinidumpCleaning cleaning;
  const MinidumpLocation location = locateMinidumpFolder(libraryPath, todayAsShortDate());
  cleaning.libraryMissing = location.libraryMissing;
  if (location.folder.empty()) return cleaning;
  const GatedFolder gated = passFolderGate(withTrailingBackslash(location.folder));
  if (!gated.passed()) return cleaning;
  BackupRequest request;
  request.folderTrees.push_back(gated.folder);
  if (!mayDelete(backUpBeforeDeleting(request, settings.backupOption, settings.backupFolder, backup))) {
    cleaning.stoppedBeforeDeleting = true;
    return cleaning;
  }
  cleaning.folder = gated.folder;
  cleaning.emptied =
      emptyFolderContents(gated.folder, ListingScope(settings.exceptions, settings.backupFolder));
  return cleaning;
}

}  // namespace scrubwell

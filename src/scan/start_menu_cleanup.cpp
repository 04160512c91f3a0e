// The start-menu clean-up.
#include "scan/start_menu_cleanup.h"

#include <windows.h>
#include <shlobj.h>

#include "base/file_ops.h"
#include "platform/handles.h"
#include "scan/empty_folder_sweep.h"
#include "scan/folder_gate.h"

namespace scrubwell {
namespace {

std::string shellFolder(int csidl) {
  char path[MAX_PATH] = {};
  if (SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK) return {};
  return path;
}

// The legacy value "Start Menu" of the user's shell folders key; empty when missing.
std::string legacyStartMenuValue() {
  UniqueResource<RegKeyTraits> key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER,
                    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", 0,
                    KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS)
    return {};
  char value[MAX_PATH] = {};
  DWORD size = sizeof(value) - 1, type = 0;
  if (RegQueryValueExA(key.get(), "Start Menu", nullptr, &type, reinterpret_cast<BYTE*>(value),
                       &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return {};
  return value;
}

// The long form of an existing folder, so that it compares with the paths the walk builds.
std::string longForm(const std::string& path) {
  char buffer[MAX_PATH] = {};
  const DWORD n = GetLongPathNameA(path.c_str(), buffer, MAX_PATH);
  return n > 0 && n < MAX_PATH ? std::string(buffer, n) : path;
}

}  // namespace

StartMenuFolders systemStartMenuFolders() {
  StartMenuFolders folders;
  folders.startMenu = shellFolder(CSIDL_STARTMENU);
  if (folders.startMenu.empty()) folders.startMenu = legacyStartMenuValue();
  for (int csidl : {CSIDL_STARTUP, CSIDL_PROGRAMS, CSIDL_ADMINTOOLS}) {
    const std::string kept = shellFolder(csidl);
    if (!kept.empty()) folders.kept.push_back(longForm(kept));
  }
  return folders;
}

StartMenuSweep sweepStartMenu(const StartMenuFolders& folders,
                              const std::vector<std::string>& exceptions, const ProcessFlag& cancel,
                              WalkProgress* progress, DWORD sliceMs) {
  StartMenuSweep result;
  if (folders.startMenu.empty()) return result;
  const GatedFolder gated = passFolderGate(folders.startMenu);
  if (!gated.passed()) return result;
  result.found = true;
  EmptyFolderSweep sweep(SearchExceptions(exceptions), cancel, progress);
  sweep.setSliceMs(sliceMs);
  sweep.keep(folders.kept);
  sweep.sweep(gated.folder, result.removed);
  return result;
}

}  // namespace scrubwell

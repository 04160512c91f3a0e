// The folder gate: the system resolves the spelling, the string rule judges the result.
#include "scan/folder_gate.h"

#include <windows.h>
#include <shlobj.h>

#include "base/app_state.h"
#include "base/data_folder.h"
#include "base/file_ops.h"

namespace scrubwell {
namespace {

// The absolute form of a fully qualified path: "." and ".." resolved, "/" turned into "\".
std::string fullPath(const std::string& path) {
  char buffer[MAX_PATH * 2] = {};
  DWORD n = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
  return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

// The long form of an existing path; empty when the system cannot give it.
std::string longPath(const std::string& path) {
  char buffer[MAX_PATH * 2] = {};
  DWORD n = GetLongPathNameA(path.c_str(), buffer, sizeof buffer);
  return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

// A protected folder in the gate's form; its full form when it does not exist (yet), so a
// folder containing the place it will have is refused all the same.
std::string resolvedProtected(const std::string& folder) {
  if (folder.empty()) return {};
  std::string full = fullPath(withOneTrailingBackslash(folder));
  if (full.empty()) return {};
  std::string resolved = longPath(full);
  return withOneTrailingBackslash(resolved.empty() ? full : resolved);
}

std::string profileFolder() {
  char buffer[MAX_PATH] = {};
  if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_PROFILE, nullptr, 0, buffer))) return buffer;
  return {};
}

}  // namespace

std::vector<std::string> protectedFolders() {
  std::vector<std::string> folders;
  for (const std::string& folder :
       {windowsFolder(), profileFolder(), programFolder(), dataFolder(kProductName)}) {
    std::string resolved = resolvedProtected(folder);
    if (!resolved.empty()) folders.push_back(resolved);
  }
  return folders;
}

GatedFolder passFolderGate(const std::string& path) {
  return passFolderGate(path, protectedFolders());
}

GatedFolder passFolderGate(const std::string& path, const std::vector<std::string>& guarded) {
  GatedFolder gated{path, FolderRefusal::none};
  switch (folderPathForm(path)) {
    case FolderPathForm::bareDrive:
      gated.refusal = FolderRefusal::driveRoot;
      return gated;
    case FolderPathForm::device:
      gated.refusal = FolderRefusal::devicePath;
      return gated;
    case FolderPathForm::relative:
      gated.refusal = FolderRefusal::notFullyQualified;
      return gated;
    default:
      break;
  }
  // Roots first, from the spelling alone: "C:\Windows\.." must not escape as a missing folder.
  const std::string full = fullPath(withOneTrailingBackslash(path));
  if (full.empty()) {
    gated.refusal = FolderRefusal::missing;
    return gated;
  }
  const std::string folder = withOneTrailingBackslash(full);
  gated.refusal = judgeResolvedFolder(folder, guarded);
  if (!gated.passed()) return gated;
  std::string resolved = longPath(folder);
  if (resolved.empty() || !folderExists(resolved)) {
    gated.refusal = FolderRefusal::missing;
    return gated;
  }
  gated.folder = withOneTrailingBackslash(resolved);
  gated.refusal = judgeResolvedFolder(gated.folder, guarded);
  if (!gated.passed()) gated.folder = path;
  return gated;
}

}  // namespace scrubwell

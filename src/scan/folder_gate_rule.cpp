// The string rules of the folder gate.
#include "scan/folder_gate_rule.h"

#include "platform/path_text.h"
#include "platform/text_upper.h"

namespace scrubwell {
namespace {

bool isSlash(char c) { return c == '\\' || c == '/'; }
bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// True when the "\\server\share\" path has nothing after its share.
bool isUncRoot(const std::string& folder) {
  size_t server = folder.find('\\', 2);
  if (server == std::string::npos) return true;
  size_t share = folder.find('\\', server + 1);
  return share == std::string::npos || share + 1 == folder.size();
}

}  // namespace

FolderPathForm folderPathForm(std::string_view path) {
  if (path.size() >= 2 && isLetter(path[0]) && path[1] == ':') {
    if (path.size() == 2) return FolderPathForm::bareDrive;
    return isSlash(path[2]) ? FolderPathForm::driveAbsolute : FolderPathForm::relative;
  }
  if (path.size() >= 2 && isSlash(path[0]) && isSlash(path[1])) {
    if (path.size() >= 3 && (path[2] == '?' || path[2] == '.') &&
        (path.size() == 3 || isSlash(path[3])))
      return FolderPathForm::device;
    return FolderPathForm::unc;
  }
  return FolderPathForm::relative;
}

std::string withOneTrailingBackslash(std::string_view path) {
  std::string out;
  out.reserve(path.size() + 1);
  for (size_t i = 0; i < path.size(); ++i) {
    char c = path[i] == '/' ? '\\' : path[i];
    if (c == '\\' && !out.empty() && out.back() == '\\' && i > 1) continue;
    out += c;
  }
  // Exactly one trailing "\", an empty path included.
  return out.empty() ? std::string("\\") : withTrailingBackslash(std::move(out));
}

FolderRefusal judgeResolvedFolder(const std::string& folder,
                                  const std::vector<std::string>& protectedFolders) {
  switch (folderPathForm(folder)) {
    case FolderPathForm::bareDrive:
      return FolderRefusal::driveRoot;
    case FolderPathForm::device:
      return FolderRefusal::devicePath;
    case FolderPathForm::relative:
      return FolderRefusal::notFullyQualified;
    case FolderPathForm::unc:
      if (isUncRoot(folder)) return FolderRefusal::uncRoot;
      break;
    case FolderPathForm::driveAbsolute:
      if (folder.size() <= 3) return FolderRefusal::driveRoot;
      break;
  }
  const std::string upperFolder = toUpper(folder);
  for (const auto& guarded : protectedFolders) {
    if (guarded.empty()) continue;
    const std::string upperGuarded = toUpper(withOneTrailingBackslash(guarded));
    if (upperGuarded.compare(0, upperFolder.size(), upperFolder) == 0)
      return FolderRefusal::protectedFolder;
  }
  return FolderRefusal::none;
}

}  // namespace scrubwell

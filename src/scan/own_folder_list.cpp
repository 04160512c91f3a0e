// The own-folder list.
#include "scan/own_folder_list.h"

#include "platform/text_trim.h"
#include "platform/text_upper.h"
#include "scan/folder_gate.h"

namespace scrubwell {

std::optional<std::string> ownFolderEntry(const std::string& path,
                                          const std::vector<std::string>& guarded) {
  const std::string given(trimmed(path));
  if (given.empty()) return std::nullopt;
  const GatedFolder gated = passFolderGate(given, guarded);
  std::string folder;
  if (gated.passed()) {
    folder = gated.folder;
  } else if (gated.refusal == FolderRefusal::missing &&
             folderPathForm(given) == FolderPathForm::driveAbsolute) {
    folder = withOneTrailingBackslash(given);
    if (judgeResolvedFolder(folder, guarded) != FolderRefusal::none) return std::nullopt;
  } else {
    return std::nullopt;
  }
  folder.pop_back();  // the list keeps no trailing "\"
  return folder;
}

bool addOwnFolder(std::vector<std::string>& list, const std::string& path,
                  const std::vector<std::string>& guarded) {
  const std::optional<std::string> entry = ownFolderEntry(path, guarded);
  if (!entry) return false;
  for (const std::string& listed : list)
    if (equalsIgnoringCase(listed, *entry)) return false;
  list.push_back(*entry);
  return true;
}

std::vector<std::string> cleanedOwnFolders(const std::vector<std::string>& stored,
                                           const std::vector<std::string>& guarded) {
  std::vector<std::string> list;
  for (const std::string& path : stored) addOwnFolder(list, path, guarded);
  return list;
}

}  // namespace scrubwell

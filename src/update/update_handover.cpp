// Starting UPDATER.EXE with the update script.
#include "update/update_handover.h"

#include <windows.h>

#include "base/file_ops.h"
#include "platform/path_text.h"
#include "platform/seams.h"
#include "update/download_rules.h"

namespace scrubwell {

std::string locateUpdater(const std::string& dataFolder, const std::string& programFolder) {
  for (const std::string& folder : {dataFolder, programFolder}) {
    const std::string path = folder + "UPDATER.EXE";
    std::string head;
    if (fileExists(path) && readFileBytes(path, head, kExecutableHeaderBytes) &&
        looksLikeExecutable(head))
      return path;
  }
  return {};
}

HandOver handOverToUpdater(const std::string& scriptPath, const std::string& dataFolder,
                           const std::string& programFolder) {
  if (!fileExists(scriptPath)) return HandOver::NoScript;
  const std::string updater = locateUpdater(dataFolder, programFolder);
  if (updater.empty()) return HandOver::UpdaterMissing;
  const std::string folder = folderOf(updater);
  if (!launcher().open(updater, "\"" + scriptPath + "\"", folder, SW_SHOWNORMAL))
    return HandOver::StartFailed;
  return HandOver::Started;
}

}  // namespace scrubwell

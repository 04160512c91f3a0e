// The row of an update-uninstall folder in the selection window.
#include "multiclean/update_uninstall_row.h"

#include "base/texts.h"

namespace scrubwell {

std::string shortenedFolderPath(const std::string& folder) {
  constexpr size_t kLongest = 40, kTail = 37;
  if (folder.size() <= kLongest) return folder;
  return "..." + folder.substr(folder.size() - kTail);
}

std::string updateUninstallRowText(const std::string& folder, int64_t bytes) {
  return shortenedFolderPath(folder) + std::string(11, ' ') + tr(32) + ":" +
         std::to_string(bytes / 1024) + "kb";
}

}  // namespace scrubwell

// The prefetch and download clean-up.
#include "scan/prefetch_cleanup.h"

#include "base/file_ops.h"

namespace scrubwell {

std::vector<std::string> prefetchAndDownloadFolders() {
  std::vector<std::string> folders = {"C:\\WUTemp\\", "C:\\MSOCache\\"};
  const std::string windows = windowsFolder();
  if (!windows.empty()) {
    folders.push_back(windows + "\\Prefetch\\");
    folders.push_back(windows + "\\Downloaded Installations\\");
  }
  return folders;
}

FolderEmptying emptyPrefetchAndDownloadFolders(const ListingScope& scope,
                                               const std::function<void(int percent)>& progress) {
  constexpr int kAfter[] = {40, 70, 90, 90};
  FolderEmptying total;
  if (progress) progress(10);
  const std::vector<std::string> folders = prefetchAndDownloadFolders();
  for (size_t i = 0; i < folders.size(); ++i) {
    const FolderEmptying one = emptyFolderContents(folders[i], scope);
    total.refused = total.refused || one.refused;
    total.freedBytes += one.freedBytes;
    total.leftovers += one.leftovers;
    if (progress && i < std::size(kAfter)) progress(kAfter[i]);
  }
  return total;
}

}  // namespace scrubwell

// The temporary folders and the temp-folder name test.
#include "scan/temporary_folders.h"

#include <windows.h>

#include <array>
#include <string_view>

#include "base/file_ops.h"
#include "platform/text_upper.h"
#include "scan/folder_gate.h"

namespace scrubwell {
namespace {

constexpr std::array<std::string_view, 3> kTempMarkers = {"\\TEMP\\", "\\TMP\\", "\\CACHE4\\"};

bool startsWithIgnoringCase(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() &&
         equalsIgnoringCase(std::string_view(text).substr(0, prefix.size()), prefix);
}

}  // namespace

std::vector<std::string> temporaryScanFolders() { return temporaryScanFolders(protectedFolders()); }

std::vector<std::string> temporaryScanFolders(const std::vector<std::string>& guarded) {
  const std::string windows = windowsFolder();
  std::vector<std::string> candidates;
  const std::string temp = temporaryFolderStrict();
  // "C:\DOS" is where an old system kept its own files: never taken for a temporary folder.
  if (!temp.empty() && !equalsIgnoringCase(temp, "C:\\DOS")) candidates.push_back(temp);
  if (!windows.empty()) {
    candidates.push_back(windows + "\\temp");
    candidates.push_back(windows + "\\tmp");
  }
  std::vector<std::string> folders;
  for (const std::string& candidate : candidates) {
    const GatedFolder gated = passFolderGate(candidate, guarded);
    if (!gated.passed()) continue;
    bool inside = false;
    for (std::string& walked : folders)
      inside = inside || startsWithIgnoringCase(gated.folder, walked);
    if (inside) continue;
    // A later folder that holds an earlier one takes its place, so nothing is walked twice.
    std::erase_if(folders, [&](const std::string& walked) {
      return startsWithIgnoringCase(walked, gated.folder);
    });
    folders.push_back(gated.folder);
  }
  return folders;
}

TemporaryFolderNames::TemporaryFolderNames() : TemporaryFolderNames(temporaryScanFolders()) {}

TemporaryFolderNames::TemporaryFolderNames(std::vector<std::string> scannedFolders) {
  for (std::string& folder : scannedFolders) scannedUpper_.push_back(toUpper(folder));
}

bool TemporaryFolderNames::isTemporaryFolder(const std::string& folder) const {
  const std::string upper = toUpper(folder);
  bool marked = false;
  for (std::string_view marker : kTempMarkers)
    marked = marked || upper.find(marker) != std::string::npos;
  if (!marked) return false;
  for (const std::string& scanned : scannedUpper_)
    if (upper.find(scanned) != std::string::npos) return false;
  return true;
}

}  // namespace scrubwell

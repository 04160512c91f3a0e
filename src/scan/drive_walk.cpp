// The shared walk of the drive scans.
#include "scan/drive_walk.h"

#include "platform/find.h"
#include "scan/drives.h"
#include "scan/is_allowed.h"

namespace scrubwell {
namespace {

constexpr DWORD kEveryEntry = 63;

}  // namespace

DriveWalk::DriveWalk(const SearchExceptions& exceptions, const ProcessFlag& cancel,
                     WalkProgress* progress)
    : exceptions_(exceptions), cancel_(cancel), pacer_(cancel, progress) {}

bool DriveWalk::walk(const std::string& folder, FolderRules& rules) {
  ++stats_.folders;
  rules.beginFolder(folder);
  std::vector<std::string> subfolders;
  {
    FindFiles all(folder + "*.*", kEveryEntry);
    while (all.next()) {
      if (all.isDots()) continue;
      ++stats_.entries;
      const WIN32_FIND_DATAA& entry = all.data();
      rules.entry(folder, entry);
      if (isFolder(entry) && !isLink(entry) && rules.entersFolder(entry))
        subfolders.emplace_back(entry.cFileName);
      if (!pacer_.afterEntry(folder)) return false;
    }
  }
  if (!rules.endFolder(folder, pacer_)) return false;
  for (const auto& name : subfolders)
    if (isAllowed(folder, name, "*.*", false, exceptions_) && !walk(folder + name + "\\", rules))
      return false;
  return true;
}

void DriveWalk::walkDrives(const std::vector<std::string>& driveRoots, bool withNetworkDrives,
                           FolderRules& rules) {
  for (const auto& root : driveRoots) {
    if (cancel_.isSet()) break;
    if (root.empty()) continue;
    if (!withNetworkDrives && isNetworkDrive(root[0])) continue;
    walk(root.substr(0, 1) + ":\\", rules);
  }
}

}  // namespace scrubwell

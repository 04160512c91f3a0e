// The empty-folder sweep.
#include "scan/empty_folder_sweep.h"

#include "base/recycle.h"
#include "platform/find.h"
#include "scan/is_allowed.h"
#include "scan/protected_names.h"

namespace scrubwell {
namespace {

constexpr DWORD kSweepMask = 16;       // folders and plain files, nothing hidden or system
constexpr DWORD kFolderPassMask = 63;  // every entry

bool isEmptyFolder(const std::string& folder) {
  FindFiles f(folder + "\\*.*", kFolderPassMask);
  bool any = false;
  bool opened = false;
  while (f.next()) {
    opened = true;
    if (!f.isDots()) {
      any = true;
      break;
    }
  }
  return opened && !any;
}

}  // namespace

EmptyFolderSweep::EmptyFolderSweep(const SearchExceptions& exceptions, const ProcessFlag& cancel,
                                   WalkProgress* progress)
    : exceptions_(exceptions), pacer_(cancel, progress) {}

bool EmptyFolderSweep::sweep(const std::string& folder, unsigned& removedCount) {
  const std::string firstLevel = firstLevelFolder(folder);
  const bool mayRemove =
      firstLevel != "RECYCLED" && firstLevel != "_RESTORE" && firstLevel != "RECYCLER";
  {
    FindFiles f(folder + "*.*", kSweepMask);
    while (f.next()) {
      if (f.isDots()) continue;
      if (mayRemove && f.isDirectory() && f.size() == 0 &&
          isAllowed(folder, f.name(), "*.*", true, exceptions_)) {
        const std::string path = folder + f.name();
        if (isEmptyFolder(path) && sendToRecycleBin(path)) ++removedCount;
      }
      if (!pacer_.afterEntry(folder)) return false;
    }
  }
  FindFiles all(folder + "*.*", kFolderPassMask);
  while (all.next()) {
    if (!pacer_.afterEntry(folder)) return false;
    if (all.isDots() || !all.isDirectory()) continue;
    if (isAllowed(folder, all.name(), "*.*", false, exceptions_) &&
        !sweep(folder + all.name() + "\\", removedCount))
      return false;
  }
  return true;
}

unsigned& sweptFolderCount() {
  static unsigned count = 0;
  return count;
}

}  // namespace scrubwell

// The empty-folder sweep, on the shared drive walk.
#include "scan/empty_folder_sweep.h"

#include "base/recycle.h"
#include "platform/attribute_mask.h"
#include "platform/find.h"
#include "platform/path_text.h"
#include "platform/text_upper.h"
#include "scan/is_allowed.h"
#include "scan/protected_names.h"

namespace scrubwell {
namespace {

constexpr DWORD kSweepMask = 16;  // folders and plain files, nothing hidden or system

bool isEmptyFolder(const std::string& folder) {
  FindFiles f(folder + "\\*.*", 63);
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
    : exceptions_(exceptions), walk_(exceptions_, cancel, progress) {}

bool EmptyFolderSweep::sweep(const std::string& folder, unsigned& removedCount) {
  removedCount_ = &removedCount;
  return walk_.walk(folder, *this);
}

void EmptyFolderSweep::keep(const std::vector<std::string>& folders) {
  for (const std::string& f : folders)
    if (!f.empty()) kept_.push_back(toUpper(withTrailingBackslash(f)));
}

void EmptyFolderSweep::beginFolder(const std::string& folder) {
  mayRemove_ = !isRecycleOrRestoreFolder(folder);
}

void EmptyFolderSweep::entry(const std::string& folder, const WIN32_FIND_DATAA& entry) {
  // A link is never swept: it is no folder of this tree, whatever it points to.
  if (mayRemove_ && isFolder(entry) && !isLink(entry) &&
      passesAttributeMask(entry.dwFileAttributes, kSweepMask) &&
      isAllowed(folder, entry.cFileName, "*.*", true, exceptions_)) {
    const std::string path = folder + entry.cFileName;
    for (const std::string& kept : kept_)
      if (toUpper(path + "\\") == kept) return;
    if (isEmptyFolder(path) && sendToRecycleBin(path)) ++*removedCount_;
  }
}

unsigned& sweptFolderCount() {
  static unsigned count = 0;
  return count;
}

}  // namespace scrubwell

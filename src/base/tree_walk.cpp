// The enumeration rule for folder trees that are backed up and deleted.
#include "base/tree_walk.h"

#include <windows.h>

#include "platform/find.h"
#include "platform/message_pump.h"

namespace scrubwell {
namespace {

// Every entry but the volume label: read-only, hidden, system, directory, archive.
constexpr DWORD kEveryEntry = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                              FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY |
                              FILE_ATTRIBUTE_ARCHIVE;

class TreeWalker {
 public:
  explicit TreeWalker(const std::function<bool(const TreeEntry&)>& visit) : visit_(visit) {}

  bool walk(const std::string& folder) {
    for (FindFiles entries(folder + "*", kEveryEntry); entries.next();) {
      pump_();
      if (entries.isDots()) continue;
      const DWORD attributes = entries.data().dwFileAttributes;
      const std::string path = folder + entries.name();
      bool goOn;
      if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        goOn = visit_({TreeEntry::Kind::link, path, 0, attributes});
      else if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        goOn = walk(path + "\\") && visit_({TreeEntry::Kind::folder, path + "\\", 0, attributes});
      else
        goOn = visit_({TreeEntry::Kind::file, path, entries.size(), attributes});
      if (!goOn) return false;
    }
    return true;
  }

 private:
  const std::function<bool(const TreeEntry&)>& visit_;
  PumpSlice pump_;
};

}  // namespace

bool walkTree(const std::string& folder, const std::function<bool(const TreeEntry&)>& visit) {
  return TreeWalker(visit).walk(folder);
}

}  // namespace scrubwell

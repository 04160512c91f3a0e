// Removing folder trees by the shared enumeration rule, never touching a drive root.
#include "base/tree_removal.h"

#include <windows.h>

#include "base/tree_walk.h"
#include "platform/path_text.h"
#include "platform/text_upper.h"

namespace scrubwell {
namespace {

// True when `folder` (upper case, ending in "\") is one of the drive roots.
bool isDriveRoot(const std::string& folder) {
  char buf[1024] = {};
  DWORD n = GetLogicalDriveStringsA(1022, buf);
  if (n == 0 || n > 1022) return false;
  // "\0C:\\\0D:\\\0": every root enclosed in NUL characters.
  const std::string roots = toUpperInAnsiCodePage(std::string(1, '\0') + std::string(buf, n));
  return roots.find(std::string(1, '\0') + folder + '\0') != std::string::npos;
}

bool clearReadOnly(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  if (a == INVALID_FILE_ATTRIBUTES) return false;
  if (a & FILE_ATTRIBUTE_READONLY) SetFileAttributesA(path.c_str(), a & ~FILE_ATTRIBUTE_READONLY);
  return true;
}

bool removeFolder(const std::string& path) {
  clearReadOnly(path);
  return RemoveDirectoryA(path.c_str()) != FALSE;
}

// Deletes one entry of a walk: a file, a link itself (never its target) or an emptied folder.
bool deleteEntry(const TreeEntry& entry) {
  // A link to a folder goes with RemoveDirectory, a link to a file with DeleteFile; either
  // removes the link, never what it points to.
  if (entry.kind == TreeEntry::Kind::link)
    return removeFolder(entry.path) || DeleteFileA(entry.path.c_str()) != FALSE;
  const bool isFolderLike =
      entry.kind == TreeEntry::Kind::folder || (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  if (isFolderLike) return removeFolder(entry.path);
  return clearReadOnly(entry.path) && DeleteFileA(entry.path.c_str()) != FALSE;
}

}  // namespace

bool removeFolderTree(const std::string& folder) {
  // Resolve "." and ".." first, so no spelling of a drive root slips past the root test.
  char fullPath[MAX_PATH] = {};
  DWORD full = GetFullPathNameA(folder.c_str(), MAX_PATH, fullPath, nullptr);
  if (full == 0 || full >= MAX_PATH) return false;
  char shortPath[MAX_PATH] = {};
  DWORD n = GetShortPathNameA(fullPath, shortPath, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return false;
  const std::string start = withTrailingBackslash(toUpperInAnsiCodePage(std::string(shortPath, n)));
  if (isDriveRoot(start)) return false;
  return walkTree(start, deleteEntry) && removeFolder(start);
}

TreeDeletion deleteTree(const std::string& folder, bool removeFolderItself,
                        const std::function<bool(const TreeEntry&)>& mayDelete) {
  TreeDeletion done;
  walkTree(folder, [&done, &mayDelete](const TreeEntry& entry) {
    const bool spared = entry.kind != TreeEntry::Kind::folder && mayDelete && !mayDelete(entry);
    if (!spared && deleteEntry(entry))
      done.freedBytes += entry.size;
    else
      ++done.leftovers;
    return true;
  });
  if (removeFolderItself && done.leftovers == 0 && !removeFolder(folder)) ++done.leftovers;
  return done;
}

}  // namespace scrubwell

// Removing a folder tree, never touching a drive root.
#include "base/tree_removal.h"

#include <windows.h>

#include "platform/find.h"
#include "platform/message_pump.h"

namespace scrubwell {
namespace {

std::string upper(std::string s) {
  if (!s.empty()) CharUpperBuffA(s.data(), static_cast<DWORD>(s.size()));
  return s;
}

// "\0C:\\\0D:\\\0": every drive root enclosed in NUL characters, upper-cased.
std::string driveRoots() {
  char buf[1024] = {};
  DWORD n = GetLogicalDriveStringsA(1022, buf);
  if (n == 0 || n > 1022) return std::string(1, '\0');
  return upper(std::string(1, '\0') + std::string(buf, n));
}

class TreeRemover {
 public:
  explicit TreeRemover(std::string roots) : roots_(std::move(roots)) {}

  bool isRoot(const std::string& folder) const {
    return roots_.find(std::string(1, '\0') + folder + '\0') != std::string::npos;
  }

  // `folder` is an upper-case short path ending in "\".
  bool remove(const std::string& folder) {
    pump_();
    if (isRoot(folder)) return false;
    FindFiles entries(folder + "*", 55);  // read-only, hidden, system, directory, archive
    while (entries.next()) {
      if (entries.isDots()) continue;
      std::string path = folder + entries.shortOrLongName();
      DWORD attributes = entries.data().dwFileAttributes;
      if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        bool ok =
            (attributes & FILE_ATTRIBUTE_REPARSE_POINT) ? removeFolder(path) : remove(path + "\\");
        if (!ok) return false;
      } else if (!removeFile(path)) {
        return false;
      }
    }
    return removeFolder(folder);
  }

 private:
  static bool clearReadOnly(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return false;
    if (a & FILE_ATTRIBUTE_READONLY) SetFileAttributesA(path.c_str(), a & ~FILE_ATTRIBUTE_READONLY);
    return true;
  }
  static bool removeFile(const std::string& path) {
    return clearReadOnly(path) && DeleteFileA(path.c_str());
  }
  static bool removeFolder(const std::string& path) {
    clearReadOnly(path);
    return RemoveDirectoryA(path.c_str()) != FALSE;
  }

  std::string roots_;
  PumpSlice pump_;
};

}  // namespace

bool removeFolderTree(const std::string& folder) {
  // Resolve "." and ".." first, so no spelling of a drive root slips past the root test.
  char fullPath[MAX_PATH] = {};
  DWORD full = GetFullPathNameA(folder.c_str(), MAX_PATH, fullPath, nullptr);
  if (full == 0 || full >= MAX_PATH) return false;
  char shortPath[MAX_PATH] = {};
  DWORD n = GetShortPathNameA(fullPath, shortPath, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return false;
  std::string start = upper(std::string(shortPath, n));
  if (start.back() != '\\') start += '\\';
  TreeRemover remover(driveRoots());
  if (remover.isRoot(start)) return false;
  return remover.remove(start);
}

}  // namespace scrubwell

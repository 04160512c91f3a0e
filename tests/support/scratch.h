// Scratch folders on the test drives and small file helpers for tests under Wine.
// The runner (tools/wine-run) gives every test program a private prefix with these drives:
// C: fixed, D: fixed, E: removable, N: network, Q: CD-ROM; Z: (the host root) is a network drive.
// SCRUBWELL_WINE_DRIVES in a test's environment adds more for that program.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace scrubwell::test {

// A fresh, empty folder "X:\<prefix>-<n>\" on a drive; it and its whole tree are removed on
// destruction (read-only attributes are cleared first).
class ScratchFolder {
 public:
  explicit ScratchFolder(char drive = 'D', const std::string& prefix = "t");
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& path() const { return path_; }  // with a trailing backslash
  std::string operator/(const std::string& relative) const { return path_ + relative; }

 private:
  std::string path_;
};

// Sets an environment variable of this process for the object's lifetime, then restores it.
class EnvironmentVariable {
 public:
  EnvironmentVariable(std::string name, const std::string& value);
  ~EnvironmentVariable();
  EnvironmentVariable(const EnvironmentVariable&) = delete;
  EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

 private:
  std::string name_, old_;
  bool had_;
};

// Writes `content` to `path`, creating missing parent folders. Returns false on failure.
bool writeFile(const std::string& path, const std::string& content);
// A file of `size` bytes that takes no room on the host: the end is set, nothing written.
bool makeSparseFile(const std::string& path, int64_t size);
// Writes a file of `size` bytes whose content is a repeatable function of `seed`.
bool writePatternFile(const std::string& path, uint64_t size, uint32_t seed);
std::string readFile(const std::string& path);  // empty when missing
bool fileExists(const std::string& path);
bool folderExists(const std::string& path);
bool makeFolders(const std::string& path);  // creates every missing level
void removeTree(const std::string& path);   // best effort, clears read-only attributes
// Makes `link` a symbolic link to the folder `target`; true when the system made one and
// reports it as a link (FILE_ATTRIBUTE_REPARSE_POINT).
bool makeFolderLink(const std::string& link, const std::string& target);

// A local date and time as a SYSTEMTIME.
SYSTEMTIME localTime(WORD year, WORD month, WORD day, WORD hour = 12, WORD minute = 0,
                     WORD second = 0);
// Sets a file's or folder's last-write time, given in local time; false on failure.
bool setLastWrite(const std::string& path, const SYSTEMTIME& local);
// A file's last-write time in FILETIME ticks (UTC); 0 when it cannot be read.
ULONGLONG lastWriteTicks(const std::string& path);

// The host (Unix) path of the test run's folder outside the prefix, from SCRUBWELL_RUN_DIR,
// as a Windows path through Z:. Empty when not run by tools/wine-run.
std::string runFolder();
// The folder of the recycle bin's files ("...\Trash\files\") when Wine keeps the bin in the test
// run's own folder (XDG_DATA_HOME set by tools/wine-run); empty otherwise, and then no test may
// empty the bin.
std::string runTrashFolder();

}  // namespace scrubwell::test

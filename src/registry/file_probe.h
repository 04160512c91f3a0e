// The file tests of the registry check: "is there a file at this path" answered without the
// system's "insert a disk" box, and with "cannot tell" for a path on a drive that is not ready
// (an empty CD-ROM drive, an unplugged stick), so that such a path is never taken for missing.
#pragma once
#include <windows.h>

#include <map>
#include <string>

namespace scrubwell {

class FileProbe {
 public:
  FileProbe();  // the system's critical-error boxes are off while the probe lives
  ~FileProbe();
  FileProbe(const FileProbe&) = delete;
  FileProbe& operator=(const FileProbe&) = delete;

  // True when a file is at `path`, or when its drive is not ready (then nobody can tell).
  bool fileMayExist(const std::string& path);
  // The same for a folder.
  bool folderMayExist(const std::string& path);
  // False for a path on a drive letter that is absent, or a removable or CD-ROM drive without a
  // medium. Answers are kept per drive letter for the probe's lifetime.
  bool driveReady(const std::string& path);

 private:
  UINT oldMode_;
  std::map<char, bool> ready_;
};

}  // namespace scrubwell

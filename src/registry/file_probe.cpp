// File tests that never stop on a drive without a medium.
#include "registry/file_probe.h"

#include "base/file_ops.h"
#include "platform/text_upper.h"

namespace scrubwell {

FileProbe::FileProbe() : oldMode_(SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX)) {}

FileProbe::~FileProbe() { SetErrorMode(oldMode_); }

bool FileProbe::driveReady(const std::string& path) {
  if (path.size() < 2 || path[1] != ':') return true;  // relative and UNC paths: just look
  const char letter = upperChar(path[0]);
  if (letter < 'A' || letter > 'Z') return true;
  if (auto it = ready_.find(letter); it != ready_.end()) return it->second;
  const std::string root = std::string(1, letter) + ":\\";
  bool ready = true;
  switch (GetDriveTypeA(root.c_str())) {
    case DRIVE_NO_ROOT_DIR:
    case DRIVE_UNKNOWN:
      ready = false;
      break;
    case DRIVE_REMOVABLE:
    case DRIVE_CDROM:
      // Without a medium the root itself cannot be read (the volume information may still be
      // answered from the drive's settings).
      ready = GetFileAttributesA(root.c_str()) != INVALID_FILE_ATTRIBUTES;
      break;
    default:
      break;
  }
  ready_[letter] = ready;
  return ready;
}

bool FileProbe::fileMayExist(const std::string& path) {
  return !driveReady(path) || fileExists(path);
}

bool FileProbe::folderMayExist(const std::string& path) {
  return !driveReady(path) || folderExists(path);
}

}  // namespace scrubwell

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
      ready = GetVolumeInformationA(root.c_str(), nullptr, 0, nullptr, nullptr, nullptr, nullptr,
                                    0) != 0;
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

// The drives of this computer as the drive scans see them.
#include "scan/drives.h"

#include <windows.h>

#include "platform/text_upper.h"

namespace scrubwell {
namespace {

DriveType typeOf(char letter) {
  const char root[] = {upperChar(letter), ':', '\\', '\0'};
  UINT t = GetDriveTypeA(root);
  return t <= 6 ? static_cast<DriveType>(t) : DriveType::unknown;
}

}  // namespace

std::vector<DriveInfo> systemDrives() {
  std::vector<DriveInfo> drives;
  for (char c = 'C'; c <= 'Z'; ++c) drives.push_back({c, typeOf(c)});
  return drives;
}

DriveOffer offeredDrives() { return offerDrives(systemDrives()); }

std::string driveTypeNameOf(char letter) { return driveTypeName(typeOf(letter)); }

bool isNetworkDrive(char letter) { return typeOf(letter) == DriveType::remote; }

}  // namespace scrubwell

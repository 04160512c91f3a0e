// The drives of this computer as the drive scans see them: their types from the system, the
// offer of removable and fixed drives, and the drive-type names.
#pragma once
#include <vector>

#include "scan/drive_offer.h"

namespace scrubwell {

// GetDriveTypeA of every letter C to Z, in order.
std::vector<DriveInfo> systemDrives();

// The offer of the results window: systemDrives() arranged into slots and list.
DriveOffer offeredDrives();

// The drive-type name of a letter (either case).
std::string driveTypeNameOf(char letter);

// True when the letter (either case) is a network drive.
bool isNetworkDrive(char letter);

}  // namespace scrubwell

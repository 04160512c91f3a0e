// Which drives the results window offers for the drive scans, and where each one goes: the
// removable and fixed drives C: to Z:, the first ten into the drive slots, the rest into the
// drive list, which is shown only then.
#pragma once
#include <string>
#include <vector>

namespace scrubwell {

// The system's drive types, as the drive-type query reports them.
enum class DriveType {
  unknown = 0,
  noRoot = 1,
  removable = 2,
  fixed = 3,
  remote = 4,
  cdrom = 5,
  ramdisk = 6
};

struct DriveOffer {
  static constexpr size_t kSlots = 10;
  std::vector<std::string> slots;  // drive roots such as "C:\", at most ten
  std::vector<std::string> list;   // the roots from the eleventh on
  bool listShown() const { return !list.empty(); }
  bool slotChecked(size_t i) const { return i < slots.size() && slots[i] == "C:\\"; }
  // Height of the frame around the slots in pixels.
  int frameHeight() const;
};

struct DriveInfo {
  char letter;  // upper case
  DriveType type;
};

// Arranges the drives that qualify, in the given order (C to Z).
DriveOffer offerDrives(const std::vector<DriveInfo>& drives);

// The drive-type name shown for a letter ("Floppy", "Festplatte", ...).
std::string driveTypeName(DriveType type);

// One drive slot as the results window shows it, or one entry of the drive list.
struct DriveChoice {
  std::string label;  // a drive root such as "C:\", empty for an unused slot
  bool checked = false;
  bool visible = true;
};

// The roots a drive scan walks, in order: each checked, visible slot with a label, then each
// checked entry of the drive list when the list is shown. Each becomes its first character + ":\".
std::vector<std::string> chosenDriveRoots(const std::vector<DriveChoice>& slots,
                                          const std::vector<DriveChoice>& listEntries,
                                          bool listVisible);

}  // namespace scrubwell

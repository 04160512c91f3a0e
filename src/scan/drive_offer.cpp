// Which drives the results window offers for the drive scans.
#include "scan/drive_offer.h"

namespace scrubwell {

int DriveOffer::frameHeight() const {
  if (listShown()) return 250;
  return 16 * static_cast<int>(slots.size()) + 21;
}

DriveOffer offerDrives(const std::vector<DriveInfo>& drives) {
  DriveOffer offer;
  for (const auto& d : drives) {
    if (d.letter < 'C' || d.letter > 'Z') continue;
    if (d.type != DriveType::removable && d.type != DriveType::fixed) continue;
    std::string root = std::string(1, d.letter) + ":\\";
    (offer.slots.size() < DriveOffer::kSlots ? offer.slots : offer.list).push_back(root);
  }
  return offer;
}

std::string driveTypeName(DriveType type) {
  switch (type) {
    case DriveType::removable:
      return "Floppy";
    case DriveType::fixed:
      return "Festplatte";
    case DriveType::remote:
      return "Netzwerk";
    case DriveType::cdrom:
      return "CD-Rom";
    default:
      return "nicht vorh.";
  }
}

std::vector<std::string> chosenDriveRoots(const std::vector<DriveChoice>& slots,
                                          const std::vector<DriveChoice>& listEntries,
                                          bool listVisible) {
  std::vector<std::string> roots;
  for (const auto& s : slots)
    if (s.checked && s.visible && !s.label.empty()) roots.push_back(s.label.substr(0, 1) + ":\\");
  if (listVisible)
    for (const auto& e : listEntries)
      if (e.checked && !e.label.empty()) roots.push_back(e.label.substr(0, 1) + ":\\");
  return roots;
}

}  // namespace scrubwell

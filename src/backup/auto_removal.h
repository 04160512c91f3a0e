// The automatic removal of old backup points at log-on: an entry in the current user's Run key
// that starts "Checker.exe /check". The entry itself is the switch; nothing else stores it.
#pragma once
#include <string>

namespace scrubwell {

inline constexpr const char* kAutoRemovalValue = "Scrubwell - Cleanup of old Backupfiles";
inline constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// True when the Run entry exists and holds more than 4 characters.
bool autoRemovalRegistered();

// Switches the entry: off deletes it; on writes "\"<checker path>\" /check" when the checker exists
// (found by the file lookup rule) and otherwise leaves the key as it is. Nothing happens when the
// Run key cannot be opened; it is never created.
void setAutoRemoval(bool on);

}  // namespace scrubwell

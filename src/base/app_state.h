// Process-wide start-up state shared by the start-up sequence, the settings and the scans: the
// start-up busy flag, the restart-pending marker and the backup folder path.
#pragma once
#include <string>

namespace scrubwell {

inline constexpr const char* kProductName = "Scrubwell";

struct AppState {
  // 1 while the second start-up phase has not finished; start-up waits on it, and the click
  // sound and row hover stay silent while it is set.
  unsigned char startupBusy = 0;
  // Set once the program has launched a new copy of itself; closing then does not save settings.
  bool restartPending = false;
  // Data folder + "BACKUP\", computed when the results window is created.
  std::string backupFolder;
  // The registry check mode: set for the full check, clear for the uninstall-entry check.
  bool registryCheckFull = true;
  // Set by a caller that waits for an interactive registry clean (the multi-clean run); the
  // registry windows clear it when the user leaves them.
  unsigned char registryCleanBusy = 0;
};

AppState& appState();

}  // namespace scrubwell

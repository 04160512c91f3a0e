// The start-menu clean-up: empty folders below the user's start menu go to the recycle bin, one
// level per run (a folder left empty by this run's removals goes at the next). It works only
// inside a start menu that exists and passes the folder gate, and keeps the shell's own folders
// (Startup, Programs, Administrative Tools) even when empty: installers put shortcuts there.
#pragma once
#include <string>
#include <vector>

#include "scan/cancel_flag.h"
#include "scan/walk_progress.h"

namespace scrubwell {

struct StartMenuFolders {
  std::string startMenu;          // empty when the system names none
  std::vector<std::string> kept;  // never removed, even when empty
};

// The user's start menu and its shell folders as the system names them; the legacy value
// "Start Menu" of the shell folders key only when the system answers nothing.
StartMenuFolders systemStartMenuFolders();

struct StartMenuSweep {
  bool found = false;    // the start menu existed and passed the folder gate
  unsigned removed = 0;  // folders sent to the recycle bin
};

// Sweeps the start menu of `folders`; touches nothing when it is missing or refused by the gate
// (a drive root, the Windows folder, the profile root ...).
StartMenuSweep sweepStartMenu(const StartMenuFolders& folders,
                              const std::vector<std::string>& exceptions, const ProcessFlag& cancel,
                              WalkProgress* progress, DWORD sliceMs = 15);

}  // namespace scrubwell

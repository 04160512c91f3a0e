// The program's entry sequence, its second start-up phase, the update timer, shut down and
// restart, and uninstall mode.
#pragma once
#include <string>

namespace scrubwell {

// Runs the program for its first command-line argument; returns the process exit code.
int runProgram(const std::string& firstArgument);

// Start-up steps after the windows exist (the entry runs them; tests call them directly).
void secondStartupPhase();
void updateTimerTick();

// Saves the settings file from the windows (does nothing while a restart is pending), or loads it.
void saveSettingsNow();
void loadSettingsNow();

// Starts a new copy of the program, marks the restart as pending and closes this copy.
void restartProgram();

// Uninstall mode: asks, shows the survey page on Yes, removes the data folder either way.
void runUninstallMode();

}  // namespace scrubwell

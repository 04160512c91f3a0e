// The unattended runs of Scrubwell.exe: /preview lists what the drive scans find, /auto removes
// it through the same removal as the "remove" button, with no window shown.
#pragma once
#include <string>
#include <vector>

namespace scrubwell {

// Exit codes of an automated run.
enum AutomationExit : int {
  kExitDone = 0,  // something found (or removed)
  kExitNothingFound = 1,
  kExitBadCommandLine = 2,
  kExitStoppedByError = 3,
};

// Runs the switches in `arguments` (everything after the program name); returns the exit code.
int runAutomation(const std::vector<std::string>& arguments);

// The command-line arguments of this process after the program name.
std::vector<std::string> programArguments();

}  // namespace scrubwell

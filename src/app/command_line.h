// The automation switches of Scrubwell.exe (/preview, /auto and their options), parsed from the
// argument list into what the automated run does, or into the message of a bad command line.
#pragma once
#include <string>
#include <vector>

#include "scan/cleanup_table.h"

namespace scrubwell {

enum class AutomationAction { none, usage, preview, autoClean };

struct AutomationRequest {
  AutomationAction action = AutomationAction::none;
  std::vector<CleanupId> scans{CleanupId::junkSearch};  // clean-ups with a command-line name
  bool multi = false;        // /scans: names "multi": the multi-clean's file scans in one walk
  std::vector<char> drives;  // upper-case letters; empty keeps the saved selection
  std::string outFile;       // empty: standard output
  std::string reportFile;    // empty: the report is not saved
  bool csv = false;          // /preview lists the files as CSV (path, size, class, marked)
  bool cookies = false;      // /cookies: the browser clean-up takes cookies too
  bool history = false;      // /history: the browser clean-up takes the visited links too
  std::string error;         // not empty: the command line is bad, nothing may run
};

// True when the first argument is one of the automation switches (so the windows stay away).
bool isAutomationSwitch(const std::string& argument);

// Parses every argument after the program name. Switches start with '/' or '-' and are compared
// ignoring case; each may appear once.
AutomationRequest parseAutomationArguments(const std::vector<std::string>& arguments);

// The usage text of /?, lines separated by "\r\n".
std::string automationUsage();

}  // namespace scrubwell

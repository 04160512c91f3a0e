// What UPDATER.EXE does with a script: waits until each destination can be replaced (the program
// that wrote the script is ending), writes the new file beside the destination and then puts it
// in place, and at the end starts the program of line 1 again.
#pragma once
#include <windows.h>

#include <string>

#include "base/update_script.h"

namespace scrubwell {

struct ApplyOptions {
  DWORD waitMs = 30000;  // how long in all a destination may stay in use before it is given up
  DWORD retryMs = 200;   // pause between two attempts
};

// Applies the accepted pairs of `plan`. True when every accepted pair was applied and nothing was
// refused; then the sources are deleted. Pairs whose source is missing count as failed.
bool applyPlan(const UpdateScriptPlan& plan, const ApplyOptions& options = {});

// The whole updater run for the script at `scriptPath`: plan, apply, delete the script when all
// went well, start the program of line 1 again (in every case, when it exists). Returns the exit
// code: 0 all applied, 1 something was left out.
int runUpdater(const std::string& scriptPath, const ApplyOptions& options = {});

}  // namespace scrubwell

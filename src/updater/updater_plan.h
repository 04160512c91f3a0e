// What UPDATER.EXE may do with an update script: which command line it accepts, and which of the
// script's pairs it applies. A script is data in a user-writable folder, so the updater writes
// only the program file named on line 1 and plain files directly inside the script's own folder.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/update_script.h"

namespace scrubwell {

// The script path of the updater's command line (the part after the program name): exactly one
// argument, quoted or not, that is a full path ("X:\..." or "\\server\...") ending in
// "\updatescript.dat" (ignoring case). Nothing for any other command line.
std::optional<std::string> updaterScriptArgument(std::string_view arguments);

struct UpdaterPlan {
  std::string program;              // line 1: the program to start again at the end
  std::vector<UpdateCopy> accepted;  // pairs to apply, in script order
  std::vector<UpdateCopy> refused;   // pairs whose destination lies elsewhere, or that are broken
};

// Splits a script's lines for the data folder `dataFolder` (the script's folder, ending in "\").
// A pair is accepted when its source is a full path other than the destination and its
// destination is the program file of line 1 or `dataFolder` + a name passing isSafeFileName.
UpdaterPlan planUpdate(const std::vector<std::string>& lines, const std::string& dataFolder);

}  // namespace scrubwell

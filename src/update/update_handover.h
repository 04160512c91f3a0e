// Handing a prepared update to UPDATER.EXE, which applies the script once the program has ended.
// The program never overwrites its own running file: every update goes through the updater.
#pragma once
#include <string>

namespace scrubwell {

enum class HandOver { Started, NoScript, UpdaterMissing, StartFailed };

// The updater to start: "UPDATER.EXE" in the data folder, else beside the program; empty when
// neither exists or the file found is no executable.
std::string locateUpdater(const std::string& dataFolder, const std::string& programFolder);

// Starts the updater through the launcher seam with the quoted script path as its only
// parameter. Only on Started may the program end.
HandOver handOverToUpdater(const std::string& scriptPath, const std::string& dataFolder,
                           const std::string& programFolder);

}  // namespace scrubwell

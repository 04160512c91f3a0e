// Update scripts ("updatescript.dat"): line 1 names the program file, then come pairs of lines, a
// source file and the destination it replaces, both full paths. Written by the update check,
// applied by UPDATER.EXE or by the program started with "/update". A script is data in a
// user-writable folder, so whoever applies it writes only the program file named on line 1 and
// plain files directly inside the script's own folder (the data folder).
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace scrubwell {

struct UpdateCopy {
  std::string source;
  std::string destination;  // empty for a last source line that has no destination line
};

// The copy pairs of a script's lines (line 1 is ignored).
std::vector<UpdateCopy> updateScriptPairs(const std::vector<std::string>& lines);

// The script path of a command line (the part after the program name) that names only a script:
// exactly one argument, quoted or not, that is a full path ("X:\..." or "\\server\...") ending
// in "\updatescript.dat" (ignoring case). Nothing for any other command line.
std::optional<std::string> updateScriptArgument(std::string_view arguments);

struct UpdateScriptPlan {
  std::string program;               // line 1: the program file
  std::vector<UpdateCopy> accepted;  // pairs to apply, in script order
  std::vector<UpdateCopy> refused;   // pairs whose destination lies elsewhere, or that are broken
};

// Splits a script's lines for the data folder `dataFolder` (the script's folder, ending in "").
// A pair is accepted when its source is a full path other than the destination and its
// destination is the program file of line 1 or `dataFolder` + a name passing isSafeFileName.
// Refused pairs are left alone: neither their destination is written nor their source deleted.
UpdateScriptPlan planUpdateScript(const std::vector<std::string>& lines,
                                  const std::string& dataFolder);

// The text of a script: the program's full path on line 1, then each pair's source and
// destination, every line ending in CR LF. Nothing when a path is empty or holds a line break or
// a NUL, which would shift every later line into the wrong role.
std::optional<std::string> updateScriptText(const std::string& programFile,
                                            const std::vector<UpdateCopy>& pairs);

// Locates the script (data folder first). For each accepted pair (planUpdateScript with the
// script's folder): copies an existing source over the destination with the stream copy, then
// deletes the source in any case. Deletes the script at the end. Returns false when there is no
// script. A failed copy throws std::runtime_error and leaves the script and the remaining pairs
// for the next attempt.
bool applyUpdateScript(const std::string& productName);

}  // namespace scrubwell

// Applying a pending update script ("updatescript.dat"): after an ignored first line it holds
// pairs of lines, a source file and the destination it replaces, both full paths.
#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace scrubwell {

struct UpdateCopy {
  std::string source;
  std::string destination;  // empty for a last source line that has no destination line
};

// The copy pairs of a script's lines (line 1 is ignored).
std::vector<UpdateCopy> updateScriptPairs(const std::vector<std::string>& lines);

// The text of a script: the program's full path on line 1, then each pair's source and
// destination, every line ending in CR LF. Nothing when a path is empty or holds a line break or
// a NUL, which would shift every later line into the wrong role.
std::optional<std::string> updateScriptText(const std::string& programFile,
                                            const std::vector<UpdateCopy>& pairs);

// Locates the script (data folder first). For each pair: copies an existing source over the
// destination with the stream copy, then deletes the source in any case; a source without a
// destination is only deleted, and a pair naming one file twice is skipped. Deletes the script at
// the end. Returns false when there is no script. A failed copy throws std::runtime_error and
// leaves the script and the remaining pairs for the next attempt.
bool applyUpdateScript(const std::string& productName);

}  // namespace scrubwell

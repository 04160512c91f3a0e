// The folder gate: every folder a clean-up empties or removes, when its path came from outside
// (settings, environment variables such as TEMP, registry values, a helper DLL's answer, a
// download, the folder browser), passes here first. It comes out absolute, in long form, with
// one trailing "\" — or refused, and a refused folder is reported, never emptied.
#pragma once
#include <string>
#include <vector>

#include "scan/folder_gate_rule.h"

namespace scrubwell {

struct GatedFolder {
  std::string folder;  // the resolved folder when let through; else the path as given
  FolderRefusal refusal = FolderRefusal::none;
  bool passed() const { return refusal == FolderRefusal::none; }
};

// The folders no clean-up may empty or remove, nor any folder containing them: the Windows
// folder, the user profile root, the program folder and the data folder, each resolved like a
// gated path (absolute, long form, one trailing "\").
std::vector<std::string> protectedFolders();

// Resolves `path` with the system ("." and "..", "/" and repeated "\", 8.3 short names) and
// judges the result against `guarded` (protectedFolders() unless a test supplies its own).
// Paths that are not fully qualified are refused rather than resolved against the current folder.
GatedFolder passFolderGate(const std::string& path);
GatedFolder passFolderGate(const std::string& path, const std::vector<std::string>& guarded);

}  // namespace scrubwell

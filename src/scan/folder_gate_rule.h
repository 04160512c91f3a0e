// The string rules of the folder gate: which spellings of a folder are fully qualified, and which
// normalised folders a clean-up must never empty or remove (drive and share roots, the protected
// folders and every folder that contains one of them). No file-system access; the gate itself
// (folder_gate.h) resolves the path with the system first.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace scrubwell {

// Why the gate turned a folder away; `none` lets it through.
enum class FolderRefusal {
  none,
  notFullyQualified,  // relative, drive-relative ("C:temp") or rooted without a drive ("\temp")
  devicePath,         // "\\?\..." or "\\.\...": never a folder a clean-up names
  driveRoot,          // "X:\" in any spelling, bare "X:" too
  uncRoot,            // "\\server\share\" (or less)
  protectedFolder,    // the Windows, profile, program or data folder, or a folder containing one
  missing,            // no such folder (so its long form cannot be known)
};

// How a path names its folder, judged from its spelling alone ("/" counts as "\").
enum class FolderPathForm {
  driveAbsolute,  // "X:\..."
  bareDrive,      // "X:" alone
  unc,            // "\\server\share..."
  device,         // "\\?\..." or "\\.\..."
  relative,       // anything else: its meaning depends on the current folder
};
FolderPathForm folderPathForm(std::string_view path);

// `path` with "/" turned into "\", runs of "\" folded into one (past a leading "\\"), and exactly
// one trailing "\".
std::string withOneTrailingBackslash(std::string_view path);

// The verdict on a folder already resolved to absolute long form with one trailing "\": a drive
// root, a share root, or a prefix (ignoring case) of any of `protectedFolders` (each in the same
// form) is refused. A protected folder itself is its own prefix, so it is refused too.
FolderRefusal judgeResolvedFolder(const std::string& folder,
                                  const std::vector<std::string>& protectedFolders);

}  // namespace scrubwell

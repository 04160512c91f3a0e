// The own-folder list: the user's own scratch folders, which the own-folder clean-up empties.
// Whatever way a folder comes in (the folder browser, the automatic search, the settings file),
// it is kept without a trailing "\" and only when the folder gate would let it through: never a
// drive root, a share root, the Windows, profile, program or data folder or a folder holding
// one. No two entries are equal ignoring case.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace scrubwell {

// The list entry for `path`, or nothing when the path may not be on the list. An existing
// folder is entered in its long form; a missing one (a stick not plugged in) as given, when its
// spelling alone passes.
std::optional<std::string> ownFolderEntry(const std::string& path,
                                          const std::vector<std::string>& guarded);

// Appends the entry for `path` unless it is refused or already listed; true when appended.
bool addOwnFolder(std::vector<std::string>& list, const std::string& path,
                  const std::vector<std::string>& guarded);

// A stored list made safe: refused entries and repeats dropped, the order kept.
std::vector<std::string> cleanedOwnFolders(const std::vector<std::string>& stored,
                                           const std::vector<std::string>& guarded);

}  // namespace scrubwell

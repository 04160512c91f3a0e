// "Never list this file again" and "Never search this folder" of the result list: the search
// exceptions that keep chosen paths out of every later scan, added to the user's list under the
// same rule as an entry typed in the options window. Window-free: the window hands over the
// selected paths and the list and takes the rows out that the new entries exclude.
#pragma once
#include <string>
#include <vector>

namespace scrubwell {

enum class Exclusion { file, folder };

// The exception entries for `paths`: each full path, or each path's folder without its trailing
// "\", each once. A drive root is never offered as a folder: it would keep a whole drive out of
// every search, which nobody means by excluding one file's folder.
std::vector<std::string> exclusionEntries(const std::vector<std::string>& paths, Exclusion kind);

// Appends to `exceptions` each of `entries` that it does not hold yet (ignoring case and a
// trailing "\") and that is not dangerous; the list then passes the options window's rule.
// Returns the entries appended.
std::vector<std::string> addSearchExceptions(std::vector<std::string>& exceptions,
                                             const std::vector<std::string>& entries);

}  // namespace scrubwell

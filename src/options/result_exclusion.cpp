// Search exceptions from the result list.
#include "options/result_exclusion.h"

#include "base/dangerous_entry.h"
#include "platform/path_text.h"
#include "platform/text_upper.h"

namespace scrubwell {
namespace {

std::string withoutTrailingBackslash(std::string entry) {
  if (!entry.empty() && entry.back() == '\\') entry.pop_back();
  return entry;
}

bool isDriveRoot(const std::string& folder) {
  return folder.size() <= 2 && (folder.empty() || folder.back() == ':');
}

bool holds(const std::vector<std::string>& list, const std::string& entry) {
  for (const std::string& e : list)
    if (equalsIgnoringCase(withoutTrailingBackslash(e), withoutTrailingBackslash(entry)))
      return true;
  return false;
}

}  // namespace

std::vector<std::string> exclusionEntries(const std::vector<std::string>& paths, Exclusion kind) {
  std::vector<std::string> entries;
  for (const std::string& path : paths) {
    std::string entry = kind == Exclusion::file ? path : withoutTrailingBackslash(folderOf(path));
    if (kind == Exclusion::folder && isDriveRoot(entry)) continue;
    if (!entry.empty() && !holds(entries, entry)) entries.push_back(entry);
  }
  return entries;
}

std::vector<std::string> addSearchExceptions(std::vector<std::string>& exceptions,
                                             const std::vector<std::string>& entries) {
  std::vector<std::string> added;
  for (const std::string& entry : entries) {
    if (isDangerousEntry(entry) || holds(exceptions, entry)) continue;
    exceptions.push_back(entry);
    added.push_back(entry);
  }
  return added;
}

}  // namespace scrubwell

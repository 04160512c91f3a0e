// What every drive scan asks before it lists a file: files in or below the first-level recycle
// and restore folders of a drive and files directly in the backup folder are never listed, and a
// file must pass the protected names and the search exceptions (with the extension guard of the
// mask it was found with).
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "scan/search_exceptions.h"

namespace scrubwell {

class ListingScope {
 public:
  ListingScope(SearchExceptions exceptions, std::string backupFolder);
  ListingScope(const std::vector<std::string>& exceptions, std::string backupFolder)
      : ListingScope(SearchExceptions(exceptions), std::move(backupFolder)) {}

  // False for a folder whose files are never listed.
  bool listsFilesIn(std::string_view folder) const;
  // True when `name` in `folder` (ending with "\"), found with `mask`, may be listed; the
  // folder itself is not checked here (see listsFilesIn).
  bool allowsFile(std::string_view folder, std::string_view name, std::string_view mask) const;

  const SearchExceptions& exceptions() const { return exceptions_; }

 private:
  SearchExceptions exceptions_;
  std::string backupFolder_;  // ends with "\"; empty when there is none
};

}  // namespace scrubwell

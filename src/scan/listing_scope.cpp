// Where the drive scans may list files.
#include "scan/listing_scope.h"

#include "platform/path_text.h"
#include "platform/text_upper.h"
#include "scan/is_allowed.h"
#include "scan/protected_names.h"

namespace scrubwell {

ListingScope::ListingScope(SearchExceptions exceptions, std::string backupFolder)
    : exceptions_(std::move(exceptions)),
      backupFolder_(withTrailingBackslash(std::move(backupFolder))) {}

bool ListingScope::listsFilesIn(std::string_view folder) const {
  return !isRecycleOrRestoreFolder(folder) && !equalsIgnoringCase(folder, backupFolder_);
}

bool ListingScope::allowsFile(std::string_view folder, std::string_view name,
                              std::string_view mask) const {
  return isAllowed(folder, name, mask, true, exceptions_);
}

}  // namespace scrubwell

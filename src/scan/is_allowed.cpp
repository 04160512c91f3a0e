// The one test every walk applies before it lists a file or enters a folder.
#include "scan/is_allowed.h"

#include <string>

#include "platform/text_upper.h"
#include "scan/protected_names.h"

namespace scrubwell {

bool isAllowed(std::string_view folder, std::string_view name, std::string_view mask, bool guard,
               const SearchExceptions& exceptions) {
  if (guard && !passesExtensionGuard(name, mask)) return false;
  std::string path = toUpper(folder);
  if (isSystemFolder(path)) return false;
  path += toUpper(name);
  if (hasProtectedFragment(path)) return false;
  return !exceptions.excludes(folder, name);
}

}  // namespace scrubwell

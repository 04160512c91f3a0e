// The one test every walk applies before it lists a file or enters a folder: the extension
// guard, the system folders, the protected fragments and pairs, and the search exceptions.
#pragma once
#include <string_view>

#include "scan/search_exceptions.h"

namespace scrubwell {

// True when `folder` + `name` may be listed (a file) or entered (a folder). `folder` ends with
// "\". `mask` is the mask the name was found with; the extension guard applies only when
// `guard` is set (file passes), never to folders.
bool isAllowed(std::string_view folder, std::string_view name, std::string_view mask, bool guard,
               const SearchExceptions& exceptions);

}  // namespace scrubwell

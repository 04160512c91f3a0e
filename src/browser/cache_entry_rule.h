// Which entries of the system's URL cache the browser clean-up removes, judged by the start of
// the entry's source address: downloaded pages ("http:" and "https:" addresses) always; cookie
// entries ("Cookie:") with the cookies option; history entries ("Visited:") with the history
// option. Other entries (ftp, file and anything else) stay.
#pragma once
#include <string_view>

#include "browser/browser_options.h"

namespace scrubwell {

bool urlCacheEntryGoes(std::string_view sourceAddress, const BrowserOptions& options);

}  // namespace scrubwell

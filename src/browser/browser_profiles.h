// Where the browsers keep their traces: the Internet Explorer cache folder (which decides
// whether the clean-up is offered), and the Firefox, Mozilla-suite and Opera profiles with their
// cache folder, cookie file and history file. The profile folders are found through the
// "AppData" and "Local AppData" shell folders of the current user and, for Opera, its
// "Last Directory3" registry value.
#pragma once
#include <string>
#include <vector>

#include "browser/browser_options.h"

namespace scrubwell {

// The Internet Explorer cache folder (ending with "\"), or empty when there is none: the
// "Cache" shell folder when it is longer than 9 characters, exists and is not the Windows
// folder "C:\WINDOWS\", else "C:\Windows\Temporary Internet Files\" when that exists.
std::string internetCacheFolder();

// One browser profile to clean. Paths are as found (the cache folder still has to pass the
// folder gate); an empty cookie or history file means none is cleaned.
struct BrowserProfile {
  std::string browser;      // "Firefox", "Mozilla/Netscape" or "Opera"
  std::string cacheFolder;  // ends with "\"
  std::string cookieFile;   // only with the cookies option, only when the file exists
  std::string historyFile;  // only with the history option, only when the file exists
};

// The profiles found, in the order Firefox, Mozilla suite, Opera. Firefox counts only when a
// profile with a "Cache" folder is found; its cookie and history files are looked up in the
// profile that has them (the roaming and the local profile may each hold some).
std::vector<BrowserProfile> findBrowserProfiles(const BrowserOptions& options);

}  // namespace scrubwell

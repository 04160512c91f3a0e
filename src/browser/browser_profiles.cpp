// Finding the browsers' profile folders.
#include "browser/browser_profiles.h"

#include <windows.h>

#include "base/file_ops.h"
#include "platform/handles.h"
#include "platform/path_text.h"
#include "platform/text_upper.h"

namespace scrubwell {
namespace {

constexpr const char* kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// A string value of a key of the current user, read without creating anything; empty when
// the key or value is missing or not a string.
std::string userString(const char* keyPath, const char* name) {
  RegKey key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, key.put()) != ERROR_SUCCESS) return {};
  char buf[MAX_PATH * 4] = {};
  DWORD size = sizeof buf - 1, type = 0;
  if (RegQueryValueExA(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buf), &size) !=
          ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return {};
  buf[size < sizeof buf ? size : sizeof buf - 1] = '\0';
  return buf;
}

// The first subfolder of `folder` (ending with "\") in the file system's order, with its "\";
// empty when it has none.
std::string firstSubfolder(const std::string& folder) {
  if (!folderExists(folder)) return {};
  const std::vector<std::string> names = listSubfolders(folder);
  return names.empty() ? std::string() : folder + names.front() + "\\";
}

enum class Purpose { cache, cookies, history };

// The Firefox profile for a purpose: the first profile of the roaming, then of the local
// profiles folder that holds what the purpose needs; the local one wins when both do.
std::string firefoxProfile(Purpose purpose) {
  std::string found;
  for (const char* shellFolder : {"AppData", "Local AppData"}) {
    const std::string base = userString(kShellFolders, shellFolder);
    if (base.empty()) continue;
    const std::string p =
        firstSubfolder(withTrailingBackslash(base) + "Mozilla\\Firefox\\Profiles\\");
    if (p.empty()) continue;
    const bool holds = purpose == Purpose::cache     ? folderExists(p + "Cache")
                       : purpose == Purpose::cookies ? fileExists(p + "cookies.txt")
                                                     : fileExists(p + "history.dat");
    if (holds) found = p;
  }
  return found;
}

std::string existing(const std::string& file) { return fileExists(file) ? file : std::string(); }

void addFirefox(const BrowserOptions& options, std::vector<BrowserProfile>& profiles) {
  const std::string cacheProfile = firefoxProfile(Purpose::cache);
  if (cacheProfile.empty()) return;
  BrowserProfile p{"Firefox", cacheProfile + "Cache\\", {}, {}};
  if (options.cookies) {
    const std::string q = firefoxProfile(Purpose::cookies);
    if (!q.empty()) p.cookieFile = q + "cookies.txt";
  }
  if (options.history) {
    const std::string q = firefoxProfile(Purpose::history);
    if (!q.empty()) p.historyFile = q + "history.dat";
  }
  profiles.push_back(p);
}

void addProfile(const std::string& browser, const std::string& folder, const char* cache,
                const char* cookies, const char* history, const BrowserOptions& options,
                std::vector<BrowserProfile>& profiles) {
  BrowserProfile p{browser, folder + cache + "\\", {}, {}};
  if (options.cookies) p.cookieFile = existing(folder + cookies);
  if (options.history) p.historyFile = existing(folder + history);
  profiles.push_back(p);
}

std::string operaProfile() {
  const std::string appData = userString(kShellFolders, "AppData");
  if (!appData.empty()) {
    const std::string p = withTrailingBackslash(appData) + "Opera\\opera\\profile\\";
    if (folderExists(p)) return p;
  }
  const std::string last = userString("Software\\Opera Software", "Last Directory3");
  if (last.empty()) return {};
  const std::string p = withTrailingBackslash(last) + "profile\\";
  return folderExists(p) ? p : std::string();
}

}  // namespace

std::string internetCacheFolder() {
  std::string cache = userString(kShellFolders, "Cache");
  if (cache.empty()) cache = "C:\\";
  cache = withTrailingBackslash(cache);
  if (cache.size() > 9 && folderExists(cache) && toUpper(cache) != "C:\\WINDOWS\\") return cache;
  const std::string old = "C:\\Windows\\Temporary Internet Files\\";
  return folderExists(old) ? old : std::string();
}

std::vector<BrowserProfile> findBrowserProfiles(const BrowserOptions& options) {
  std::vector<BrowserProfile> profiles;
  addFirefox(options, profiles);
  const std::string appData = userString(kShellFolders, "AppData");
  if (!appData.empty()) {
    const std::string mozilla =
        firstSubfolder(withTrailingBackslash(appData) + "Mozilla\\Profiles\\");
    if (!mozilla.empty() && folderExists(mozilla + "Cache"))
      addProfile("Mozilla/Netscape", mozilla, "Cache", "cookies.txt", "history.dat", options,
                 profiles);
  }
  const std::string opera = operaProfile();
  if (!opera.empty())
    addProfile("Opera", opera, "cache4", "cookies4.dat", "global.dat", options, profiles);
  return profiles;
}

}  // namespace scrubwell

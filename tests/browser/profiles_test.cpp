// The Firefox, Mozilla-suite and Opera profiles on a scratch user (HKEY_CURRENT_USER redirected,
// its AppData and Local AppData shell folders on the test drive): what is found, what goes, what
// stays, and a cache file held open by a running browser.
#include <gtest/gtest.h>

#include "browser/browser_cleanup.h"
#include "browser/browser_profiles.h"
#include "support/fake_seams.h"
#include "support/registry_override.h"
#include "support/scratch.h"

using namespace scrubwell;
using namespace scrubwell::test;

namespace {

const char* const kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// A user whose roaming and local application-data folders are scratch folders.
class ScratchUser : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(user_.ok());
    ASSERT_TRUE(
        setRegString(HKEY_CURRENT_USER, kShellFolders, "AppData", noSlash(roaming_.path())));
    ASSERT_TRUE(
        setRegString(HKEY_CURRENT_USER, kShellFolders, "Local AppData", noSlash(local_.path())));
  }
  static std::string noSlash(const std::string& folder) {
    return folder.substr(0, folder.size() - 1);
  }

  // Finds and removes the profiles' traces only (the URL cache is tested on its own).
  BrowserCleaning clean(const BrowserOptions& options) {
    BrowserTraces traces = findBrowserTraces(options);
    traces.urlEntries.clear();
    NoUrlHistory history;
    return removeBrowserTraces(traces, options, history, seams_.clock, {});
  }

  ScopedSeams seams_;
  RegistryOverride user_{HKEY_CURRENT_USER};
  ScratchFolder roaming_{'D', "roaming"}, local_{'D', "local"};
};

}  // namespace

TEST_F(ScratchUser, FirefoxCacheInTheLocalProfileCookiesInTheRoamingOneAndTheMozillaSuite) {
  const std::string localProfile = local_ / "Mozilla\\Firefox\\Profiles\\ab12.default\\";
  const std::string roamingProfile = roaming_ / "Mozilla\\Firefox\\Profiles\\cd34.default\\";
  const std::string suite = roaming_ / "Mozilla\\Profiles\\default\\";
  ASSERT_TRUE(writePatternFile(localProfile + "Cache\\_CACHE_MAP_", 4000, 1));
  ASSERT_TRUE(writePatternFile(localProfile + "Cache\\0\\1A\\C0FFEE01", 6000, 2));
  SetFileAttributesA((localProfile + "Cache\\_CACHE_MAP_").c_str(), FILE_ATTRIBUTE_READONLY);
  ASSERT_TRUE(writeFile(localProfile + "prefs.js", "user_pref"));
  ASSERT_TRUE(writeFile(roamingProfile + "cookies.txt", std::string(300, 'c')));
  ASSERT_TRUE(writeFile(roamingProfile + "history.dat", std::string(500, 'h')));
  ASSERT_TRUE(writeFile(roamingProfile + "prefs.js", "user_pref"));
  ASSERT_TRUE(writeFile(roamingProfile + "bookmarks.html", "<dl>"));
  ASSERT_TRUE(writePatternFile(suite + "Cache\\suite.cache", 1000, 3));
  ASSERT_TRUE(writeFile(suite + "cookies.txt", std::string(40, 'c')));
  ASSERT_TRUE(writeFile(suite + "bookmarks.html", "<dl>"));

  const std::vector<BrowserProfile> found = findBrowserProfiles({true, true});
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].browser, "Firefox");
  EXPECT_EQ(found[0].cacheFolder, localProfile + "Cache\\");
  EXPECT_EQ(found[0].cookieFile, roamingProfile + "cookies.txt");
  EXPECT_EQ(found[0].historyFile, roamingProfile + "history.dat");
  EXPECT_EQ(found[1].browser, "Mozilla/Netscape");

  const BrowserCleaning done = clean({true, true});
  EXPECT_EQ(done.freedBytes, 4000 + 6000 + 300 + 500 + 1000 + 40);
  EXPECT_EQ(done.leftovers, 0);
  EXPECT_EQ(done.removed.size(), 6u);
  EXPECT_TRUE(folderExists(localProfile + "Cache"));
  EXPECT_FALSE(fileExists(localProfile + "Cache\\_CACHE_MAP_"));
  EXPECT_FALSE(folderExists(localProfile + "Cache\\0"));
  EXPECT_FALSE(fileExists(roamingProfile + "cookies.txt"));
  EXPECT_FALSE(fileExists(roamingProfile + "history.dat"));
  EXPECT_FALSE(fileExists(suite + "cookies.txt"));
  EXPECT_TRUE(folderExists(suite + "Cache"));
  for (const std::string& kept : {localProfile + "prefs.js", roamingProfile + "prefs.js",
                                  roamingProfile + "bookmarks.html", suite + "bookmarks.html"})
    EXPECT_TRUE(fileExists(kept)) << kept;
}

TEST_F(ScratchUser, WithTheBoxesOffOnlyTheCacheGoes) {
  const std::string profile = roaming_ / "Mozilla\\Firefox\\Profiles\\ab12.default\\";
  ASSERT_TRUE(writePatternFile(profile + "Cache\\page", 2000, 1));
  ASSERT_TRUE(writeFile(profile + "cookies.txt", "c"));
  ASSERT_TRUE(writeFile(profile + "history.dat", "h"));
  const BrowserCleaning done = clean({});
  EXPECT_EQ(done.freedBytes, 2000);
  EXPECT_TRUE(fileExists(profile + "cookies.txt"));
  EXPECT_TRUE(fileExists(profile + "history.dat"));
}

TEST_F(ScratchUser, WithoutAnyProfileTheDecoysSurvive) {
  // Names the clean-up deletes inside a profile, where no profile qualifies.
  ASSERT_TRUE(writeFile(roaming_ / "cookies.txt", "c"));
  ASSERT_TRUE(writeFile(roaming_ / "Mozilla\\Firefox\\Profiles\\cookies.txt", "c"));
  ASSERT_TRUE(writeFile(roaming_ / "Mozilla\\Firefox\\Profiles\\history.dat", "h"));
  ASSERT_TRUE(writeFile(local_ / "Mozilla\\Firefox\\Profiles\\p.default\\cookies.txt", "c"));
  ASSERT_TRUE(writeFile(roaming_ / "Mozilla\\Profiles\\default\\cookies.txt", "c"));
  ASSERT_TRUE(writeFile(roaming_ / "Opera\\opera\\cookies4.dat", "c"));
  EXPECT_TRUE(findBrowserProfiles({true, true}).empty());
  const BrowserCleaning done = clean({true, true});
  EXPECT_EQ(done.freedBytes, 0);
  EXPECT_TRUE(done.removed.empty());
  for (const char* decoy :
       {"cookies.txt", "Mozilla\\Firefox\\Profiles\\cookies.txt",
        "Mozilla\\Firefox\\Profiles\\history.dat", "Mozilla\\Profiles\\default\\cookies.txt",
        "Opera\\opera\\cookies4.dat"})
    EXPECT_TRUE(fileExists(roaming_ / decoy)) << decoy;
  EXPECT_TRUE(fileExists(local_ / "Mozilla\\Firefox\\Profiles\\p.default\\cookies.txt"));
}

TEST_F(ScratchUser, OperaIsFoundThroughItsRegistryValue) {
  ScratchFolder elsewhere('D', "opera");
  ASSERT_TRUE(setRegString(HKEY_CURRENT_USER, "Software\\Opera Software", "Last Directory3",
                           elsewhere / "Opera"));
  const std::string profile = elsewhere / "Opera\\profile\\";
  ASSERT_TRUE(writePatternFile(profile + "cache4\\opr00001.tmp", 1500, 1));
  ASSERT_TRUE(writeFile(profile + "cookies4.dat", std::string(100, 'c')));
  ASSERT_TRUE(writeFile(profile + "global.dat", std::string(200, 'g')));
  ASSERT_TRUE(writeFile(profile + "opera6.ini", "[User Prefs]"));
  const std::vector<BrowserProfile> found = findBrowserProfiles({true, false});
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].browser, "Opera");
  const BrowserCleaning done = clean({true, false});
  EXPECT_EQ(done.freedBytes, 1500 + 100);
  EXPECT_TRUE(folderExists(profile + "cache4"));
  EXPECT_FALSE(fileExists(profile + "cache4\\opr00001.tmp"));
  EXPECT_FALSE(fileExists(profile + "cookies4.dat"));
  EXPECT_TRUE(fileExists(profile + "global.dat"));
  EXPECT_TRUE(fileExists(profile + "opera6.ini"));
}

TEST_F(ScratchUser, ACacheFileHeldOpenIsSkippedAndNotCountedTheRestGoes) {
  const std::string cache = roaming_ / "Mozilla\\Firefox\\Profiles\\ab12.default\\Cache\\";
  ASSERT_TRUE(writePatternFile(cache + "0\\held", 8192, 1));
  ASSERT_TRUE(writePatternFile(cache + "1\\free", 3000, 2));
  ASSERT_TRUE(writePatternFile(cache + "_CACHE_001_", 5000, 3));
  HANDLE held = CreateFileA((cache + "0\\held").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const BrowserCleaning done = clean({});
  CloseHandle(held);
  EXPECT_EQ(done.freedBytes, 3000 + 5000);
  EXPECT_EQ(done.leftovers, 1);
  EXPECT_TRUE(fileExists(cache + "0\\held"));
  EXPECT_FALSE(fileExists(cache + "1\\free"));
  EXPECT_FALSE(fileExists(cache + "_CACHE_001_"));
  for (const std::string& line : done.removed) EXPECT_EQ(line.find("held"), std::string::npos);
}

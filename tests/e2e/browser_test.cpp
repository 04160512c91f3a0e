// The browser clean-up in the real program under Wine: "Browsercache" from the main window
// through the browser window to the information window with the freed space (both windows kept
// as screenshots), and /preview /scans:browser listing exactly what /auto /scans:browser then
// removes.
#include <gtest/gtest.h>

#include <windows.h>
#include <wininet.h>

#include <algorithm>

#include "browser_windows_res.h"
#include "e2e/program_driver.h"
#include "main_window_res.h"
#include "report_windows_res.h"
#include "support/registry_override.h"
#include "support/scratch.h"

using namespace scrubwell::test;

namespace {

const char* const kSettings = "[Markierte Laufwerke]\r\nLw1=D\r\nAnzahl=1\r\n";
const char* const kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string noSlash(const std::string& folder) { return folder.substr(0, folder.size() - 1); }

// Points the prefix user's cache and roaming folders at scratch folders and puts a Firefox
// profile there: a cache of two files and a cookie file. Returns the profile folder.
std::string browserUser(const ScratchFolder& cache, const ScratchFolder& roaming) {
  setRegString(HKEY_CURRENT_USER, kShellFolders, "Cache", noSlash(cache.path()));
  setRegString(HKEY_CURRENT_USER, kShellFolders, "AppData", noSlash(roaming.path()));
  const std::string profile = roaming / "Mozilla\\Firefox\\Profiles\\e2e.default\\";
  writePatternFile(profile + "Cache\\_CACHE_MAP_", 20 * 1024, 1);
  writePatternFile(profile + "Cache\\3\\AB\\page01", 12 * 1024, 2);
  writeFile(profile + "cookies.txt", std::string(2048, 'c'));
  writeFile(profile + "prefs.js", "user_pref");
  return profile;
}

bool seedPage(const std::string& address) {
  char file[MAX_PATH] = {};
  if (!CreateUrlCacheEntryA(address.c_str(), 0, "htm", file, 0)) return false;
  writeFile(file, std::string(1000, 'p'));
  const FILETIME never{};
  return CommitUrlCacheEntryA(address.c_str(), file, never, never, NORMAL_CACHE_ENTRY, nullptr, 0,
                              nullptr, nullptr) != FALSE;
}

}  // namespace

TEST(Browser, BrowsercacheFromTheMainWindowEndsInTheInformationWindow) {
  const std::string exe = installProgram() + "Scrubwell.exe";
  ASSERT_TRUE(languageChosenWithSettings(kSettings));
  ScratchFolder cache('D', "inetcache"), roaming('D', "roaming");
  const std::string profile = browserUser(cache, roaming);

  RunningProgram p(exe);
  HWND main = p.waitForWindow(IDC_MAIN_SIDE1);
  ASSERT_NE(main, nullptr);
  clickButton(main, IDC_MAIN_SIDE1 + 2);
  ASSERT_TRUE(IsWindowEnabled(GetDlgItem(main, IDC_MAIN_TIDY1 + 4))) << "Browsercache is enabled";
  clickButton(main, IDC_MAIN_TIDY1 + 4);
  HWND window = p.waitForWindow(IDC_BRW_GOON);
  ASSERT_NE(window, nullptr) << "the browser window opens";
  saveScreenshot(window, "browser-window");
  clickButton(window, IDC_BRW_COOKIES);
  clickButton(window, IDC_BRW_GOON);
  HWND information = p.waitForWindow(IDC_INF_BACK);
  ASSERT_NE(information, nullptr);
  const std::string freed = controlText(information, IDC_INF_FREED);
  EXPECT_EQ(freed.rfind("Freed disk space: ", 0), 0u) << freed;
  EXPECT_NE(freed.find("kb"), std::string::npos) << freed;
  saveScreenshot(information, "browser-information");
  EXPECT_FALSE(fileExists(profile + "Cache\\_CACHE_MAP_"));
  EXPECT_FALSE(fileExists(profile + "cookies.txt"));
  EXPECT_TRUE(folderExists(profile + "Cache"));
  EXPECT_TRUE(fileExists(profile + "prefs.js"));
  clickButton(information, IDC_INF_BACK);
}

TEST(Browser, PreviewListsExactlyWhatAutoThenRemoves) {
  const std::string exe = installProgram() + "Scrubwell.exe";
  ASSERT_TRUE(languageChosenWithSettings(kSettings));
  ScratchFolder cache('D', "inetcache"), roaming('D', "roaming"), outputs('D', "out");
  const std::string profile = browserUser(cache, roaming);
  ASSERT_TRUE(seedPage("http://e2e.test/one.htm"));
  ASSERT_TRUE(seedPage("https://e2e.test/two.htm"));

  const Finished preview = runToEnd(exe, "/preview /scans:browser /cookies", outputs.path());
  ASSERT_EQ(preview.exitCode, 0) << preview.err;
  const std::vector<std::string> listed = linesOf(preview.out);
  for (const std::string& expected :
       {std::string("http://e2e.test/one.htm"), std::string("https://e2e.test/two.htm"),
        profile + "Cache\\_CACHE_MAP_", profile + "Cache\\3\\AB\\page01", profile + "cookies.txt"})
    EXPECT_NE(std::find(listed.begin(), listed.end(), expected), listed.end()) << expected;
  EXPECT_TRUE(fileExists(profile + "cookies.txt")) << "the preview removes nothing";

  const Finished removed = runToEnd(exe, "/auto /scans:browser /cookies", outputs.path());
  ASSERT_EQ(removed.exitCode, 0) << removed.err;
  EXPECT_EQ(linesOf(removed.out), listed);
  EXPECT_FALSE(fileExists(profile + "cookies.txt"));
  EXPECT_TRUE(fileExists(profile + "prefs.js"));

  const Finished again = runToEnd(exe, "/preview /scans:browser", outputs.path());
  EXPECT_EQ(again.exitCode, 1) << again.out;
  EXPECT_EQ(runToEnd(exe, "/preview /cookies", outputs.path()).exitCode, 2);
}

// The browser window on a scratch user: without a cache folder it offers only "back"; "go on"
// cleans with the boxes' states and the information window shows the freed space, and with the
// history box it says the system history could not be cleared (Wine's history object cannot).
#include <gtest/gtest.h>

#include "browser/browser_cleanup.h"
#include "support/registry_override.h"
#include "support/scratch.h"
#include "ui/test_program.h"

using namespace scrubwell;
using namespace scrubwell::test;

namespace {

const char* const kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

struct Program : TestProgram {
  Program()
      : TestProgram(
            "[173]\r\nFreed disk space:\r\n[5228]\r\nSome stayed\r\n[5229]\r\nin use\r\n"
            "[5389]\r\nEmptied\r\n[5390]\r\nsuccessfully\r\n[5391]\r\nNo history\r\n") {}
};

std::string noSlash(const std::string& folder) { return folder.substr(0, folder.size() - 1); }

}  // namespace

TEST(BrowserWindow, WithoutACacheFolderOnlyBackIsOffered) {
  Program p;
  RegistryOverride user(HKEY_CURRENT_USER);
  ASSERT_TRUE(setRegString(HKEY_CURRENT_USER, kShellFolders, "Cache", "C:\\"));
  p.w.browser.open();
  EXPECT_TRUE(p.w.browser.noCache.visible());
  EXPECT_FALSE(p.w.browser.goOn.visible());
  p.w.browser.hide();
}

TEST(BrowserWindow, GoOnCleansWithTheBoxesAndTellsTheTruthAboutTheHistory) {
  Program p;
  RegistryOverride user(HKEY_CURRENT_USER);
  ScratchFolder cache('D', "inetcache"), roaming('D', "roaming");
  ASSERT_TRUE(setRegString(HKEY_CURRENT_USER, kShellFolders, "Cache", noSlash(cache.path())));
  ASSERT_TRUE(setRegString(HKEY_CURRENT_USER, kShellFolders, "AppData", noSlash(roaming.path())));
  // Pages other tests of this program left in the URL cache go first, so the count is exact.
  cleanBrowserTraces({}, {});
  const std::string profile = roaming / "Mozilla\\Firefox\\Profiles\\x.default\\";
  ASSERT_TRUE(writePatternFile(profile + "Cache\\page", 3 * 1024 + 100, 1));
  ASSERT_TRUE(writeFile(profile + "cookies.txt", "c"));

  p.w.browser.open();
  ASSERT_TRUE(p.w.browser.goOn.visible());
  p.w.browser.history.setChecked(true);
  p.w.browser.goOn.click();
  EXPECT_FALSE(p.w.browser.visible());
  EXPECT_FALSE(p.w.browserProgress.visible());
  ASSERT_TRUE(p.w.information.visible());
  EXPECT_TRUE(p.w.information.freedSpace.visible());
  EXPECT_EQ(p.w.information.freedSpace.text(), "Freed disk space: 3kb");
  EXPECT_EQ(p.w.information.firstLine(), "Emptied");
  EXPECT_EQ(p.w.information.secondLine(), "No history");
  EXPECT_TRUE(p.seams.clock.systemTimeRequests().empty());
  EXPECT_TRUE(fileExists(profile + "cookies.txt")) << "the cookie box was off";
  EXPECT_FALSE(fileExists(profile + "Cache\\page"));

  // An empty cache still shows the window, without the freed-space line.
  p.w.information.back();
  p.w.browser.history.setChecked(false);
  p.w.browser.clean();
  EXPECT_TRUE(p.w.information.visible());
  EXPECT_FALSE(p.w.information.freedSpace.visible());
  EXPECT_EQ(p.w.information.secondLine(), "successfully");
  p.w.information.back();
}

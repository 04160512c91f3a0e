// The direct clean-ups of the user's shell folders in the real program under Wine: "recent"
// and "empty start-menu folders" from the main window, each ending in the information window
// that says what was done.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include "e2e/program_driver.h"
#include "main_window_res.h"
#include "report_windows_res.h"
#include "support/scratch.h"

using namespace scrubwell::test;

namespace {

const char* const kNoSounds = "[Markiert]\r\nBox6=0\r\nBox7=0\r\n";

std::string shellFolder(int csidl) {
  char path[MAX_PATH] = {};
  if (SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK) return {};
  return std::string(path) + "\\";
}

// Clicks the button at `row` of the "tidy the system" page and waits for the information window;
// a picture of the page is kept under `pageShot` when given.
HWND runTidyButton(RunningProgram& p, int row, const std::string& pageShot = {}) {
  HWND main = p.waitForWindow(IDC_MAIN_SIDE1);
  if (!main) return nullptr;
  clickButton(main, IDC_MAIN_SIDE1 + 2);
  if (!pageShot.empty()) saveScreenshot(main, pageShot);
  clickButton(main, IDC_MAIN_TIDY1 + row);
  return p.waitForWindow(IDC_INF_BACK);
}

}  // namespace

TEST(ShellFolders, RecentDeletesTheRecentFilesAndSaysHowMany) {
  std::string exe = installProgram() + "Scrubwell.exe";
  ASSERT_TRUE(languageChosenWithSettings(kNoSounds));
  const std::string recent = shellFolder(CSIDL_RECENT);
  ASSERT_FALSE(recent.empty());
  ASSERT_TRUE(makeFolders(recent));
  ASSERT_TRUE(writeFile(recent + "letter.doc.lnk", "x"));
  ASSERT_TRUE(writeFile(recent + "photo.jpg.lnk", "x"));

  RunningProgram p(exe);
  HWND info = runTidyButton(p, 2);  // "recent"
  ASSERT_NE(info, nullptr) << "the information window says what was done";
  EXPECT_EQ(controlText(info, IDC_INF_LINE1).rfind("Recent documents deleted: ", 0), 0u)
      << controlText(info, IDC_INF_LINE1);
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(info, IDC_INF_LINE2))) << "nothing stayed in use";
  saveScreenshot(info, "recent-information");
  EXPECT_FALSE(fileExists(recent + "letter.doc.lnk"));
  EXPECT_FALSE(fileExists(recent + "photo.jpg.lnk"));
  clickButton(info, IDC_INF_BACK);
  EXPECT_NE(p.waitForWindow(IDC_MAIN_SIDE1), nullptr);
}

TEST(ShellFolders, TheStartMenuButtonRemovesEmptyFoldersAndCountsThem) {
  std::string exe = installProgram() + "Scrubwell.exe";
  ASSERT_TRUE(languageChosenWithSettings(kNoSounds));
  const std::string programs = shellFolder(CSIDL_PROGRAMS);
  const std::string startup = shellFolder(CSIDL_STARTUP);
  ASSERT_FALSE(programs.empty());
  ASSERT_TRUE(makeFolders(programs + "Uninstalled Tool"));
  ASSERT_TRUE(makeFolders(startup));
  ASSERT_TRUE(writeFile(programs + "Kept Tool\\tool.lnk", "x"));

  RunningProgram p(exe);
  HWND info = runTidyButton(p, 5, "main-tidy-page");  // "empty start-menu folders"
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(controlText(info, IDC_INF_LINE1), "Empty folders removed from your start menu:");
  EXPECT_NE(controlText(info, IDC_INF_LINE2), "0");
  saveScreenshot(info, "start-menu-information");
  EXPECT_FALSE(folderExists(programs + "Uninstalled Tool"));
  EXPECT_TRUE(folderExists(programs + "Kept Tool"));
  EXPECT_TRUE(folderExists(startup)) << "the shell's Startup folder stays, even empty";
  clickButton(info, IDC_INF_BACK);
  EXPECT_NE(p.waitForWindow(IDC_MAIN_SIDE1), nullptr);
}

// The drive scans beside the junk search in the real program under Wine: each started from its
// main window button fills the result list with its entries, marked as the scan starts them.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "e2e/program_driver.h"
#include "main_window_res.h"
#include "platform/handles.h"
#include "results_window_res.h"
#include "support/scratch.h"
#include "support/shortcuts.h"
#include "platform/file_identity.h"

using namespace scrubwell::test;

namespace {

const char* const kDriveD =
    "[Markierte Laufwerke]\r\nLw1=D\r\nAnzahl=1\r\n"
    "[Suchausnahmen]\r\nAnzahl=0\r\n"
    "[Markiert]\r\nBox6=0\r\nBox7=0\r\n";

// The marks the result list shows, row by row.
std::vector<bool> shownMarks(HWND results) {
  HWND list = GetDlgItem(results, IDC_RES_RESULTLIST);
  std::vector<bool> marks;
  const int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < rows; ++i)
    marks.push_back((ListView_GetItemState(list, i, LVIS_STATEIMAGEMASK) >> 12) == 2);
  return marks;
}

}  // namespace

TEST(DriveScans, TheZeroByteButtonListsEmptyFilesMarkedByTheirEnding) {
  std::string exe = installProgram() + "Scrubwell.exe";
  ASSERT_TRUE(languageChosenWithSettings(kDriveD));
  ScratchFolder dir('D', "zeroscan");
  ASSERT_TRUE(writeFile(dir / "a.tmp", ""));
  ASSERT_TRUE(writeFile(dir / "b\\readme.me", ""));
  ASSERT_TRUE(writeFile(dir / "b\\config.sys", ""));
  ASSERT_TRUE(writeFile(dir / "b\\full.tmp", "x"));

  RunningProgram p(exe);
  HWND results = runCleanupFromMainWindow(p, 1, 1);  // "clean the system", "zero-byte files"
  ASSERT_NE(results, nullptr) << "the results window shows the found files";
  EXPECT_EQ(shownMarks(results), (std::vector<bool>{true, false}));
  saveScreenshot(results, "zero-byte-results");
  clickButton(results, IDC_RES_CANCEL);
  HWND main = p.waitForWindow(IDC_MAIN_SIDE1);
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(fileExists(dir / "a.tmp")) << "nothing is removed by a search";
}

TEST(DriveScans, TheBrokenShortcutButtonListsShortcutsWhoseTargetIsGone) {
  std::string exe = installProgram() + "Scrubwell.exe";
  ASSERT_TRUE(languageChosenWithSettings(kDriveD));
  ScratchFolder dir('D', "linkscan");
  ASSERT_TRUE(writeFile(dir / "app.exe", "x"));
  {
    scrubwell::ComScope com;
    ASSERT_TRUE(writeShortcut(wide(dir / "works.lnk"), wide(dir / "app.exe")));
    ASSERT_TRUE(writeShortcut(wide(dir / "old game.lnk"), wide(dir / "games\\old.exe")));
    ASSERT_TRUE(writeShortcut(wide(dir / "tool.pif"), wide(dir / "gone\\")));
  }

  RunningProgram p(exe);
  HWND results = runCleanupFromMainWindow(p, 2, 0);  // "tidy the system", "broken shortcuts"
  ASSERT_NE(results, nullptr) << "the results window shows the found shortcuts";
  EXPECT_EQ(shownMarks(results), (std::vector<bool>{true, true}));
  saveScreenshot(results, "broken-shortcut-results");
  clickButton(results, IDC_RES_CANCEL);
  EXPECT_NE(p.waitForWindow(IDC_MAIN_SIDE1), nullptr);
  EXPECT_TRUE(fileExists(dir / "old game.lnk"));
}

TEST(DriveScans, TheDuplicateFilesButtonListsACopyOfASystemDll) {
  std::string exe = installProgram() + "Scrubwell.exe";
  ASSERT_TRUE(languageChosenWithSettings(kDriveD));
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  const auto copy = scrubwell::openedFileFacts(std::string(system) + "\\kernel32.dll");
  ASSERT_TRUE(copy);
  ScratchFolder dir('D', "dllscan");
  ASSERT_TRUE(makeFolders(dir / "tools") && makeFolders(dir / "setup"));
  ASSERT_TRUE(makeSparseFile(dir / "tools\\kernel32.dll", copy->size));
  ASSERT_TRUE(makeSparseFile(dir / "setup\\kernel32.dll", copy->size));
  ASSERT_TRUE(writeFile(dir / "setup\\setup.exe", "x"));

  RunningProgram p(exe);
  HWND results = runCleanupFromMainWindow(p, 1, 2);  // "clean the system", "Duplicate files"
  ASSERT_NE(results, nullptr) << "the results window shows the found duplicates";
  EXPECT_EQ(shownMarks(results), (std::vector<bool>{true}));
  saveScreenshot(results, "duplicate-dll-results");
  clickButton(results, IDC_RES_CANCEL);
  EXPECT_NE(p.waitForWindow(IDC_MAIN_SIDE1), nullptr);
  EXPECT_TRUE(fileExists(dir / "tools\\kernel32.dll"));
}

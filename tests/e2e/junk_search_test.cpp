// The junk search in the real program under Wine: started from the main window's button, it
// walks the chosen test drive and fills the result list of the results window.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "e2e/program_driver.h"
#include "main_window_res.h"
#include "results_window_res.h"
#include "support/scratch.h"

using namespace scrubwell::test;

TEST(JunkSearch, FindsTheJunkOfTheChosenDriveInTheRealWindow) {
  std::string exe = installProgram() + "Scrubwell.exe";
  ASSERT_TRUE(languageChosenWithSettings("[Markierte Laufwerke]\r\nLw1=D\r\nAnzahl=1\r\n"
                                         "[Suchausnahmen]\r\nMaske1=Win.bak\r\nAnzahl=1\r\n"
                                         "[Markiert]\r\nBox6=0\r\nBox7=0\r\n"));
  ScratchFolder dir('D', "junk");
  ASSERT_TRUE(writeFile(dir / "setup.tmp", std::string(3000, 'x')));
  ASSERT_TRUE(writeFile(dir / "docs\\letter.bak", std::string(20000, 'x')));
  ASSERT_TRUE(writeFile(dir / "docs\\deep\\Chkdsk.chk", "x"));
  ASSERT_TRUE(writeFile(dir / "docs\\Win.bak", "excepted"));
  ASSERT_TRUE(writeFile(dir / "docs\\notes.txt", "kept"));

  RunningProgram p(exe);
  HWND main = p.waitForWindow(IDC_MAIN_SIDE1);
  ASSERT_NE(main, nullptr);
  HWND results = runJunkSearchFromMainWindow(p);
  ASSERT_NE(results, nullptr) << "the results window shows the found files";
  HWND list = GetDlgItem(results, IDC_RES_RESULTLIST);
  EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 3);
  const std::string status = controlText(results, IDC_RES_STATUSLINE);
  EXPECT_EQ(status.substr(0, status.find(' ')), "3") << status << ": the line starts with the count";
  EXPECT_FALSE(IsWindowVisible(main)) << "the results window takes the main window's place";
  saveScreenshot(results, "junk-search-results");

  clickButton(results, IDC_RES_CANCEL);  // "cancel process"
  EXPECT_NE(p.waitForWindow(IDC_MAIN_SIDE1), nullptr) << "back to the main window";
  EXPECT_TRUE(fileExists(dir / "setup.tmp")) << "nothing is removed by a search";
}

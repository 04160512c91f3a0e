// A whole clean-up in the real program under Wine: junk search, "remove" with the backup option
// on, the status report shown, a backup point written, the files gone.
#include <gtest/gtest.h>

#include <windows.h>

#include "e2e/program_driver.h"
#include "main_window_res.h"
#include "report_windows_res.h"
#include "results_window_res.h"
#include "support/scratch.h"

using namespace scrubwell::test;

TEST(Removal, JunkSearchThenRemoveWritesAPointAndShowsTheReport) {
  std::string exe = installProgram() + "Scrubwell.exe";
  const std::string data = programDataFolder();
  ASSERT_TRUE(languageChosenWithSettings("[Markierte Laufwerke]\r\nLw1=D\r\nAnzahl=1\r\n"
                                         "[Suchausnahmen]\r\nAnzahl=0\r\n"
                                         "[Markiert]\r\nBox1=0\r\nBox6=0\r\nBox7=0\r\n"));
  ScratchFolder dir('D', "remove");
  ASSERT_TRUE(writePatternFile(dir / "setup.tmp", 30000, 1));
  ASSERT_TRUE(writePatternFile(dir / "docs\\letter.bak", 5000, 2));
  ASSERT_TRUE(writeFile(dir / "docs\\notes.txt", "kept"));

  RunningProgram p(exe);
  HWND results = runJunkSearchFromMainWindow(p);
  ASSERT_NE(results, nullptr);
  clickButton(results, IDC_RES_REMOVE);

  HWND report = p.waitForWindow(IDC_REP_SAVE);
  ASSERT_NE(report, nullptr) << "the status report is shown";
  EXPECT_EQ(controlText(report, IDC_REP_REMOVED), "Removed files: 2");
  EXPECT_NE(controlText(report, IDC_REP_TEXT).find(dir / "setup.tmp"), std::string::npos);
  saveScreenshot(report, "removal-status-report");
  EXPECT_FALSE(fileExists(dir / "setup.tmp"));
  EXPECT_FALSE(fileExists(dir / "docs\\letter.bak"));
  EXPECT_TRUE(fileExists(dir / "docs\\notes.txt"));
  EXPECT_TRUE(fileExists(data + "BACKUP\\1.bck")) << "the files live on in a backup point";

  clickButton(report, IDC_REP_BACK);
  EXPECT_NE(p.waitForWindow(IDC_MAIN_SIDE1), nullptr) << "back to the main window";
}

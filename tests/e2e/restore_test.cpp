// Bringing files back in the real program under Wine: a junk search removes three files with a
// backup, the backup window restores two of them byte for byte with their dates, and a registry
// export that merely lies at C:\ (the point did not bring it back) is not imported.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "backup_window_res.h"
#include "e2e/program_driver.h"
#include "main_window_res.h"
#include "progress_windows_res.h"
#include "report_windows_res.h"
#include "results_window_res.h"
#include "support/registry_override.h"
#include "support/scratch.h"

using namespace scrubwell::test;

namespace {

// A key press for a control of another window, as the keyboard would deliver it.
void press(HWND control, WPARAM key) {
  SendMessageA(control, WM_KEYDOWN, key, 1);
  SendMessageA(control, WM_KEYUP, key, 0xC0000001);
}

}  // namespace

TEST(Restore, RemovedFilesComeBackFromTheBackupWindowWithTheirDates) {
  std::string exe = installProgram() + "Scrubwell.exe";
  ASSERT_TRUE(languageChosenWithSettings("[Markierte Laufwerke]\r\nLw1=D\r\nAnzahl=1\r\n"
                                         "[Suchausnahmen]\r\nAnzahl=0\r\n"
                                         "[Markiert]\r\nBox1=0\r\nBox6=0\r\nBox7=0\r\n"));
  ScratchFolder dir('D', "restore");
  const std::vector<std::string> names = {dir / "a, first.tmp", dir / "b.bak", dir / "c.tmp"};
  std::vector<std::string> contents;
  std::vector<ULONGLONG> dates;
  for (size_t i = 0; i < names.size(); ++i) {
    ASSERT_TRUE(writePatternFile(names[i], 20000 + 7000 * i, static_cast<uint32_t>(i + 1)));
    // Even seconds, so the point's DOS date holds the time exactly.
    setLastWrite(names[i], localTime(2030, 7, static_cast<WORD>(i + 1), 8, 30));
    contents.push_back(readFile(names[i]));
    dates.push_back(lastWriteTicks(names[i]));
  }
  // A file at the export's path that no point brought back: the restore leaves it alone.
  const std::string reg = "C:\\Registrybackup_1.reg";
  ASSERT_TRUE(writeFile(reg, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\ScrubwellRestoreTest]\r\n"
                             "\"Imported\"=\"yes\"\r\n"));

  RunningProgram p(exe);
  HWND results = runJunkSearchFromMainWindow(p);
  ASSERT_NE(results, nullptr);
  clickButton(results, IDC_RES_REMOVE);
  HWND report = p.waitForWindow(IDC_REP_SAVE);
  ASSERT_NE(report, nullptr);
  for (const std::string& name : names) ASSERT_FALSE(fileExists(name)) << name;
  clickButton(report, IDC_REP_BACK);

  HWND main = p.waitForWindow(IDC_MAIN_SIDE1);
  ASSERT_NE(main, nullptr);
  clickButton(main, IDC_MAIN_SIDE1 + 4);
  clickButton(main, IDC_MAIN_BACKUP);
  HWND backup = p.waitForWindow(IDC_BAK_RESTORE);
  ASSERT_NE(backup, nullptr) << "the backup window is shown";
  HWND files = GetDlgItem(backup, IDC_BAK_FILES);
  ASSERT_EQ(SendMessageA(files, LVM_GETITEMCOUNT, 0, 0), 3);
  // The second line is unchecked from the keyboard: Home, Down, Space.
  press(files, VK_HOME);
  press(files, VK_DOWN);
  press(files, VK_SPACE);
  settle();
  saveScreenshot(backup, "backup-window");
  clickButton(backup, IDC_BAK_RESTORE);

  HWND message = p.waitForWindow(IDC_MSG_OK, 30000);
  ASSERT_NE(message, nullptr) << "the restore ends with its message";
  EXPECT_NE(controlText(message, IDC_MSG_LINE1).find("restored"), std::string::npos);
  int restored = 0;
  for (size_t i = 0; i < names.size(); ++i) {
    if (!fileExists(names[i])) continue;
    ++restored;
    EXPECT_EQ(readFile(names[i]), contents[i]) << names[i];
    EXPECT_EQ(lastWriteTicks(names[i]), dates[i]) << names[i];
  }
  EXPECT_EQ(restored, 2) << "two of three lines were checked";
  EXPECT_EQ(regString(HKEY_CURRENT_USER, "Software\\ScrubwellRestoreTest", "Imported"), "")
      << "an export this restore did not bring back is never imported";
  EXPECT_TRUE(fileExists(reg)) << "and not touched";
  DeleteFileA(reg.c_str());

  clickButton(message, IDC_MSG_OK);
  clickButton(backup, IDC_BAK_BACK);
  EXPECT_NE(p.waitForWindow(IDC_MAIN_SIDE1), nullptr) << "back to the main window";
}

// The Windows leftovers in the real program under Wine: "superfluous folders" lists the planted
// update-uninstall folders ticked and removes them into a backup point; "Windows-Tools" empties
// the test run's own recycle bin; "Own Folders" empties the listed folders and "Minidump" the
// crash-control folder the shipped locator names. The windows are kept as screenshots.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "base/recycle.h"
#include "base/file_ops.h"
#include "e2e/program_driver.h"
#include "main_window_res.h"
#include "progress_windows_res.h"
#include "report_windows_res.h"
#include "support/scratch.h"
#include "update_uninstall_selection_window_res.h"
#include "update_uninstall_window_res.h"
#include "windows_tools_window_res.h"

using namespace scrubwell::test;

namespace {

const char* const kSettings =
    "[Markierte Laufwerke]\r\nLw1=D\r\nAnzahl=1\r\n[Suchausnahmen]\r\nAnzahl=0\r\n";

// The done mark's picture is set visible (the main window itself may be hidden behind the
// clean-up's window).
bool markShown(HWND main, int mark) {
  const HWND picture = GetDlgItem(main, IDC_MAIN_MARK1 + mark - 1);
  return (GetWindowLongA(picture, GWL_STYLE) & WS_VISIBLE) != 0;
}

}  // namespace

TEST(WindowsLeftovers, SuperfluousFoldersListsThemTickedAndRemovesThemIntoAPoint) {
  const std::string exe = installProgram() + "Scrubwell.exe";
  const std::string data = programDataFolder();
  ASSERT_TRUE(languageChosenWithSettings(kSettings));
  const std::string first = scrubwell::windowsFolder() + "\\$NtUninstallKB100001$";
  const std::string second = scrubwell::windowsFolder() + "\\$NtServicePackUninstall$";
  ASSERT_TRUE(writePatternFile(first + "\\spuninst\\update.exe", 6000, 1));
  ASSERT_TRUE(writePatternFile(second + "\\sp.cat", 2100, 2));
  SetFileAttributesA((first + "\\spuninst").c_str(), FILE_ATTRIBUTE_HIDDEN);

  RunningProgram p(exe);
  HWND main = p.waitForWindow(IDC_MAIN_SIDE1);
  ASSERT_NE(main, nullptr);
  clickButton(main, IDC_MAIN_SIDE1 + 1);
  clickButton(main, IDC_MAIN_CLEAN1 + 5);  // "superfluous folders"
  HWND window = p.waitForWindow(IDC_UUN_GOON);
  ASSERT_NE(window, nullptr) << "the update-uninstall folders window opens";
  EXPECT_TRUE(markShown(main, 10));
  saveScreenshot(window, "update-uninstall-window");
  clickButton(window, IDC_UUN_GOON);
  HWND selection = p.waitForWindow(IDC_UUS_GOON);
  ASSERT_NE(selection, nullptr) << "the found folders are offered";
  HWND rows = GetDlgItem(selection, IDC_UUS_LIST);
  ASSERT_EQ(SendMessageA(rows, LVM_GETITEMCOUNT, 0, 0), 2);
  for (int i = 0; i < 2; ++i)
    EXPECT_EQ(SendMessageA(rows, LVM_GETITEMSTATE, i, LVIS_STATEIMAGEMASK),
              INDEXTOSTATEIMAGEMASK(2))
        << "row " << i << " is ticked";
  saveScreenshot(selection, "update-uninstall-selection");
  clickButton(selection, IDC_UUS_GOON);
  HWND report = p.waitForWindow(IDC_REP_SAVE);
  ASSERT_NE(report, nullptr);
  const std::string text = controlText(report, IDC_REP_TEXT);
  EXPECT_NE(text.find(second + "\\"), std::string::npos) << text;
  EXPECT_NE(text.find(first + "\\"), std::string::npos) << text;
  saveScreenshot(report, "update-uninstall-report");
  EXPECT_FALSE(folderExists(first));
  EXPECT_FALSE(folderExists(second));
  EXPECT_EQ(backupPoints(data).size(), 1u);
}

TEST(WindowsLeftovers, WindowsToolsEmptiesTheRecycleBin) {
  const std::string trash = runTrashFolder();
  ASSERT_FALSE(trash.empty()) << "the recycle bin is not the test run's own: not emptying it";
  const std::string exe = installProgram() + "Scrubwell.exe";
  ASSERT_TRUE(languageChosenWithSettings(kSettings));
  ScratchFolder d('D', "binned");
  ASSERT_TRUE(writeFile(d / "old letter.txt", "binned"));
  ASSERT_TRUE(scrubwell::sendToRecycleBin(d / "old letter.txt"));
  ASSERT_TRUE(fileExists(trash + "old letter.txt"));

  RunningProgram p(exe);
  HWND main = p.waitForWindow(IDC_MAIN_SIDE1);
  ASSERT_NE(main, nullptr);
  clickButton(main, IDC_MAIN_SIDE1 + 3);
  clickButton(main, IDC_MAIN_MISC1);  // "Windows-Tools"
  HWND tools = p.waitForWindow(IDC_WTL_BACK);
  ASSERT_NE(tools, nullptr) << "the Windows-tools window opens";
  EXPECT_TRUE(markShown(main, 11));
  saveScreenshot(tools, "windows-tools-window");
  clickButton(tools, IDC_WTL_RECYCLEBIN);
  HWND message = p.waitForWindow(IDC_MSG_OK);
  ASSERT_NE(message, nullptr);
  EXPECT_EQ(controlText(message, IDC_MSG_LINE1), "The Windows recycle bin has been emptied.");
  saveScreenshot(message, "windows-tools-recycle-bin-emptied");
  EXPECT_FALSE(fileExists(trash + "old letter.txt"));
  clickButton(message, IDC_MSG_OK);
  clickButton(tools, IDC_WTL_BACK);
}

TEST(WindowsLeftovers, OwnFoldersAndMinidumpEmptyTheirFoldersIntoPoints) {
  const std::string exe = installProgram() + "Scrubwell.exe";
  const std::string data = programDataFolder();
  ScratchFolder d('D', "own");
  ASSERT_TRUE(writePatternFile(d / "scratch\\draft.tmp", 3000, 3));
  ASSERT_TRUE(writePatternFile(d / "dumps\\Mini120926-01.dmp", 5120, 4));
  ASSERT_TRUE(languageChosenWithSettings(std::string(kSettings) + "[TempFolders]\r\nAnzahl=1\r\n" +
                                         "TempFolder1=" + (d / "scratch") + "\r\n"));
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\CrashControl",
                            0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const std::string dumps = d / "dumps";
  RegSetValueExA(key, "MinidumpDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(dumps.c_str()),
                 static_cast<DWORD>(dumps.size() + 1));
  RegCloseKey(key);
  const size_t pointsBefore = backupPoints(data).size();

  RunningProgram p(exe);
  HWND main = p.waitForWindow(IDC_MAIN_SIDE1);
  ASSERT_NE(main, nullptr);
  clickButton(main, IDC_MAIN_SIDE1 + 3);
  clickButton(main, IDC_MAIN_MISC1 + 2);  // "Own Folders"
  HWND report = p.waitForWindow(IDC_REP_SAVE);
  ASSERT_NE(report, nullptr);
  EXPECT_NE(controlText(report, IDC_REP_TEXT).find(d / "scratch\\"), std::string::npos);
  saveScreenshot(report, "own-folders-report");
  EXPECT_TRUE(folderExists(d / "scratch"));
  EXPECT_FALSE(fileExists(d / "scratch\\draft.tmp"));
  clickButton(report, IDC_REP_BACK);

  clickButton(main, IDC_MAIN_SIDE1 + 3);
  clickButton(main, IDC_MAIN_MISC1 + 4);  // "Minidump"
  HWND information = p.waitForWindow(IDC_INF_BACK);
  ASSERT_NE(information, nullptr);
  EXPECT_EQ(controlText(information, IDC_INF_FREED), "Freed disk space: 5kb");
  saveScreenshot(information, "minidump-information");
  EXPECT_FALSE(fileExists(d / "dumps\\Mini120926-01.dmp"));
  clickButton(information, IDC_INF_BACK);
  EXPECT_EQ(backupPoints(data).size(), pointsBefore + 2) << "one point for each clean-up";
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\CrashControl");
}

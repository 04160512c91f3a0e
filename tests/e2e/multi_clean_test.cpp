// Multi-clean in the real program under Wine: "check multiple items" opens the chooser with the
// saved boxes, "go on" runs them with the status window at the top of the screen, the combined
// walk ends in the results window with the clutter of the test drive listed once each, and after
// the user's removal the run ends with its message and the done marks. With the backup option
// off, the files removed in the walk are still in the recycle bin afterwards. The windows are
// kept as screenshots.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "base/recycle.h"
#include "chooser_window_res.h"
#include "e2e/program_driver.h"
#include "main_window_res.h"
#include "multi_clean_status_window_res.h"
#include "progress_windows_res.h"
#include "report_windows_res.h"
#include "results_window_res.h"
#include "support/scratch.h"
#include "support/shortcuts.h"

using namespace scrubwell::test;

namespace {

// Drive D:, no sounds, no exceptions, no backups, and the chooser's boxes ",n,...," checked.
std::string settingsWith(const std::string& boxes) {
  std::string ini =
      "[Markierte Laufwerke]\r\nLw1=D\r\nAnzahl=1\r\n"
      "[Suchausnahmen]\r\nAnzahl=0\r\n[Markiert]\r\nBox6=0\r\nBox7=0\r\n"
      "[Sicherheit]\r\nSicherheitsoption=0\r\n[MultiOption]\r\n";
  for (int n = 1; n <= 14; ++n)
    ini += "Chk" + std::to_string(n) + "=" +
           (boxes.find("," + std::to_string(n) + ",") != std::string::npos ? "1" : "0") + "\r\n";
  return ini;
}

bool markShown(HWND main, int mark) {
  const HWND picture = GetDlgItem(main, IDC_MAIN_MARK1 + mark - 1);
  return (GetWindowLongA(picture, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool boxChecked(HWND chooser, int box) {
  return SendDlgItemMessageA(chooser, IDC_CHO_BOX1 + box - 1, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The text of a control once it has one (the status window shows before its first step).
std::string textOnceSet(HWND dialog, int id) {
  for (int tries = 0; tries < 50 && controlText(dialog, id).empty(); ++tries) settle(100);
  return controlText(dialog, id);
}

}  // namespace

TEST(MultiClean, ARunFromTheMainWindowEndsInTheResultsAndKeepsTheRemovedFilesInTheBin) {
  const std::string trash = runTrashFolder();
  ASSERT_FALSE(trash.empty()) << "the recycle bin is not the test run's own: not emptying it";
  const std::string exe = installProgram() + "Scrubwell.exe";
  // Every file scan of the combined walk, recent documents, browser caches and the recycle bin.
  const std::string chosen = ",1,2,3,4,7,9,10,13,";
  ASSERT_TRUE(languageChosenWithSettings(settingsWith(chosen)));
  ScratchFolder d('D', "multi");
  // Clutter for the walk's other rules: a broken shortcut, a file in the temporary folder (TEMP
  // of the programs this test starts) and a duplicate of a Windows library.
  scrubwell::ComScope com;
  ASSERT_TRUE(makeFolders(d / "links") && makeFolders(d / "tools") && makeFolders(d / "Temp"));
  ASSERT_TRUE(writeShortcut(wide(d / "links\\multi broken.lnk"), wide(d / "gone.exe")));
  ASSERT_TRUE(writeFile(d / "Temp\\multi leftover.xyz", "installer leftovers"));
  const EnvironmentVariable temp("TEMP", d / "Temp");
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  const std::string kernel = readFile(std::string(system) + "\\kernel32.dll");
  ASSERT_FALSE(kernel.empty());
  ASSERT_TRUE(makeSparseFile(d / "tools\\kernel32.dll", static_cast<int64_t>(kernel.size())));
  ASSERT_TRUE(writeFile(d / "binned earlier.txt", "old"));
  ASSERT_TRUE(scrubwell::sendToRecycleBin(d / "binned earlier.txt"));
  ASSERT_TRUE(writeFile(d / "multi setup.tmp", std::string(3000, 'x')));
  ASSERT_TRUE(writeFile(d / "docs\\multi letter.bak", std::string(20000, 'x')));
  ASSERT_TRUE(writeFile(d / "docs\\multi empty.txt", ""));
  ASSERT_TRUE(writeFile(d / "multi nothing.doc", ""));
  ASSERT_TRUE(writeFile(d / "multi zero.tmp", ""));  // a junk mask and zero bytes: listed once
  ASSERT_TRUE(writeFile(d / "docs\\multi notes.txt", "kept"));
  const std::vector<std::string> walked = {"docs\\multi empty.txt",    "docs\\multi letter.bak",
                                           "links\\multi broken.lnk",  "multi nothing.doc",
                                           "multi setup.tmp",          "multi zero.tmp",
                                           "Temp\\multi leftover.xyz", "tools\\kernel32.dll"};
  // The command line's combined walk with the same saved boxes lists what the window will (its
  // output on C:, which the walk leaves alone).
  ScratchFolder outputs('C', "multi-out");
  const Finished preview = runToEnd(exe, "/preview /scans:multi", outputs.path());
  ASSERT_EQ(preview.exitCode, 0) << preview.err;
  std::vector<std::string> previewed;
  for (const std::string& line : linesOf(preview.out))
    if (line.rfind(d.path(), 0) == 0) previewed.push_back(line.substr(d.path().size()));
  EXPECT_EQ(previewed, walked);

  RunningProgram p(exe);
  HWND main = p.waitForWindow(IDC_MAIN_SIDE1);
  ASSERT_NE(main, nullptr);
  clickButton(main, IDC_MAIN_SIDE1 + 3);
  clickButton(main, IDC_MAIN_MISC1 + 1);
  HWND chooser = p.waitForWindow(IDC_CHO_GOON);
  ASSERT_NE(chooser, nullptr) << "\"check multiple items\" opens the chooser";
  for (int box = 1; box <= 14; ++box)
    EXPECT_EQ(boxChecked(chooser, box),
              chosen.find("," + std::to_string(box) + ",") != std::string::npos)
        << box;
  saveScreenshot(chooser, "multi-clean-chooser");
  clickButton(chooser, IDC_CHO_GOON);

  HWND status = p.waitForWindow(IDC_MCS_CANCEL);
  ASSERT_NE(status, nullptr) << "the status window shows during the run";
  RECT r{};
  GetWindowRect(status, &r);
  EXPECT_EQ(r.top, 0) << "at the top edge of the screen";
  EXPECT_NE(textOnceSet(status, IDC_MCS_STEP), "");
  saveScreenshot(status, "multi-clean-status");

  HWND results = p.waitForWindow(IDC_RES_REMOVE, 60000);
  ASSERT_NE(results, nullptr) << "the walk ends in the results window";
  EXPECT_EQ(SendDlgItemMessageA(results, IDC_RES_RESULTLIST, LVM_GETITEMCOUNT, 0, 0), 8);
  const std::string line = controlText(results, IDC_RES_STATUSLINE);
  EXPECT_EQ(line.substr(0, line.find(' ')), "8") << line;
  saveScreenshot(results, "multi-clean-results");
  clickButton(results, IDC_RES_REMOVE);
  HWND report = p.waitForWindow(IDC_REP_SAVE);
  ASSERT_NE(report, nullptr);
  clickButton(report, IDC_REP_BACK);

  HWND message = p.waitForWindow(IDC_MSG_OK, 30000);
  ASSERT_NE(message, nullptr) << "the run ends with its message";
  EXPECT_EQ(controlText(message, IDC_MSG_LINE1), "The multi-clean run has finished.");
  saveScreenshot(message, "multi-clean-finished");
  clickButton(message, IDC_MSG_OK);

  ASSERT_NE(p.waitForWindow(IDC_MAIN_SIDE1), nullptr) << "back in the main window";
  // The marks of the steps that ran, each on its own page.
  const struct {
    int page;
    std::vector<int> shown, hidden;
  } kMarks[] = {{1, {1, 3, 4, 6}, {10, 12}}, {2, {2, 7, 9}, {5, 8}}, {3, {11}, {13, 14}}};
  for (const auto& page : kMarks) {
    clickButton(main, IDC_MAIN_SIDE1 + page.page);
    for (int mark : page.shown) EXPECT_TRUE(markShown(main, mark)) << mark;
    for (int mark : page.hidden) EXPECT_FALSE(markShown(main, mark)) << mark;
  }
  EXPECT_FALSE(fileExists(trash + "binned earlier.txt")) << "the bin was emptied first";
  // The window listed eight and removed them all: the very files the command line listed.
  for (const std::string& path : walked) {
    const std::string name = path.substr(path.find_last_of('\\') + 1);
    EXPECT_TRUE(fileExists(trash + name)) << name << ": removed in the walk, still in the bin";
    EXPECT_FALSE(fileExists(d / path));
  }
  EXPECT_TRUE(fileExists(d / "docs\\multi notes.txt"));
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(p.waitForExit(), 0);
  EXPECT_EQ(scrubwell::emptyRecycleBin(nullptr), scrubwell::RecycleBinEmptying::emptied);
}

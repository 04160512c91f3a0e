// The whole program under Wine: a first start asks for the language, confirming restarts the
// program in that language, and a second start goes straight to the main window, which (like the
// results window) takes a click the moment it appears. The options window shows the background
// picture, and a language chosen there survives the restart.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "e2e/program_driver.h"
#include "language_window_res.h"
#include "main_window_res.h"
#include "options_window_res.h"
#include "results_window_res.h"
#include "support/scratch.h"

using namespace scrubwell::test;

TEST(FirstStart, LanguageChoiceRestartsIntoTheMainWindow) {
  std::string folder = installProgram();
  ASSERT_FALSE(folder.empty());
  const std::string exe = folder + "Scrubwell.exe";
  {
    RunningProgram first(exe);
    ASSERT_TRUE(first.started());
    HWND language = first.waitForWindow(IDC_LNG_LIST);
    ASSERT_NE(language, nullptr) << "a first start shows the language window";
    HWND list = GetDlgItem(language, IDC_LNG_LIST);
    ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 3) << "an empty entry and two languages";
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(language, IDC_LNG_CONFIRM)));
    saveScreenshot(language, "first-start-language-window");

    selectListEntry(language, IDC_LNG_LIST, 2);  // "Deutsch"
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(language, IDC_LNG_CONFIRM)));
    clickButton(language, IDC_LNG_CONFIRM);
    EXPECT_EQ(first.waitForExit(), 0) << "the first copy ends after starting the new one";

    ASSERT_TRUE(first.followRestart(IDC_MAIN_SIDE1))
        << "the restarted program shows its main window";
    HWND main = first.waitForWindow(IDC_MAIN_SIDE1);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(controlText(main, IDC_MAIN_SIDE1), "Willkommen");
    saveScreenshot(main, "first-start-main-window-german");
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.waitForExit(), 0);
  }
  EXPECT_TRUE(fileExists(programDataFolder() + "Scrubwell.cho"));
  EXPECT_NE(readFile(programDataFolder() + "Scrubwell.ini").find("selected=1"), std::string::npos);

  RunningProgram second(exe);
  HWND main = second.waitForWindow(IDC_MAIN_SIDE1);
  ASSERT_NE(main, nullptr) << "a second start goes straight to the main window";
  EXPECT_EQ(findWindowWithControl(IDC_LNG_LIST), nullptr);
  EXPECT_EQ(controlText(main, IDC_MAIN_SIDE1), "Willkommen");
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(second.waitForExit(), 0);
}

namespace {

// True once `holds()` holds, looking every 20 ms for up to 20 s.
bool eventually(const std::function<bool()>& holds) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < 20000; Sleep(20))
    if (holds()) return true;
  return false;
}

// A click posted the moment a window appears (found within 1 ms, no pause before the click).
void clickAtOnce(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

}  // namespace

// Nothing of the start-up runs on after a window appears that would swallow, block or undo a
// click: no modal wait, no disabled window, no window made again or reset behind the user.
TEST(FirstStart, AClickTheMomentAWindowAppearsReachesItsHandler) {
  const std::string exe = installProgram() + "Scrubwell.exe";
  ASSERT_TRUE(languageChosenWithSettings("[Markierte Laufwerke]\r\nLw1=D\r\nAnzahl=1\r\n"));
  ScratchFolder dir('D', "first-click");
  ASSERT_TRUE(writeFile(dir / "setup.tmp", "x"));

  RunningProgram p(exe);
  HWND main = p.waitForWindow(IDC_MAIN_SIDE1, 20000, 1);
  ASSERT_NE(main, nullptr);
  HWND tidyFirst = GetDlgItem(main, IDC_MAIN_TIDY1);
  ASSERT_FALSE(IsWindowVisible(tidyFirst)) << "the program opens on the first page";
  clickAtOnce(main, IDC_MAIN_SIDE1 + 2);  // the "tidy the system" page
  EXPECT_TRUE(eventually([&] { return IsWindowVisible(tidyFirst) != FALSE; }))
      << "the side button's handler shows its page";
  settle();  // past the update timer, the last step of the start-up
  EXPECT_TRUE(IsWindowVisible(tidyFirst)) << "nothing of the start-up turns the page back";

  clickAtOnce(main, IDC_MAIN_SIDE1 + 1);
  clickAtOnce(main, IDC_MAIN_CLEAN1);  // the junk search
  HWND results = p.waitForWindow(IDC_RES_REMOVE, 20000, 1);
  ASSERT_NE(results, nullptr) << "the junk search shows its results";
  HWND rows = GetDlgItem(results, IDC_RES_RESULTLIST);
  auto rowTicked = [&] {
    return SendMessageA(rows, LVM_GETITEMSTATE, 0, LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
  };
  ASSERT_TRUE(rowTicked()) << "a found file comes ticked";
  clickAtOnce(results, IDC_RES_UNMARKALL);
  EXPECT_TRUE(eventually([&] { return !rowTicked(); })) << "\"unmark all\" reaches its handler";
}

// A language chosen in the options window without a settings file: the restarted program speaks
// it, the settings file holds its number, and only the data folder's copy of the help changed.
TEST(Options, TheWindowShowsTheBackgroundAndALanguageChosenThereSurvivesTheRestart) {
  const std::string folder = installProgram();
  ASSERT_FALSE(folder.empty());
  ASSERT_TRUE(writeFile(folder + "Scrubwell.c00", "English help"));
  ASSERT_TRUE(writeFile(folder + "Scrubwell.c01", "Deutsche Hilfe"));
  const std::string data = programDataFolder();
  ASSERT_TRUE(makeFolders(data));
  ASSERT_TRUE(writeFile(data + "Scrubwell.cho", "0"));
  DeleteFileA((data + "Scrubwell.ini").c_str());

  RunningProgram p(folder + "Scrubwell.exe");
  HWND main = p.waitForWindow(IDC_MAIN_SIDE1);
  ASSERT_NE(main, nullptr);
  clickButton(main, IDC_MAIN_SIDE1 + 4);
  clickButton(main, IDC_MAIN_OPTIONS);
  HWND options = p.waitForWindow(IDC_OPT_MASKS);
  ASSERT_NE(options, nullptr);
  settle();
  HDC dc = GetDC(options);
  const COLORREF c = GetPixel(dc, 2, 300);  // beside the backup frame: the background picture
  ReleaseDC(options, dc);
  EXPECT_GT(GetBValue(c), GetRValue(c) + 8) << std::hex << c << ": \"Endless Blue\" is bluish";
  saveScreenshot(options, "options-window");

  HWND languages = GetDlgItem(options, IDC_OPT_LANGUAGE);
  ASSERT_EQ(SendMessageA(languages, CB_GETCOUNT, 0, 0), 2);
  SendMessageA(languages, CB_SETCURSEL, 1, 0);  // "Deutsch"
  SendMessageA(options, WM_COMMAND, MAKEWPARAM(IDC_OPT_LANGUAGE, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(languages));
  EXPECT_EQ(p.waitForExit(), 0) << "the program ends after starting itself again";
  ASSERT_TRUE(p.followRestart(IDC_MAIN_SIDE1));
  main = p.waitForWindow(IDC_MAIN_SIDE1);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(controlText(main, IDC_MAIN_SIDE1), "Willkommen");
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(p.waitForExit(), 0);

  EXPECT_NE(readFile(data + "Scrubwell.ini").find("selected=1"), std::string::npos);
  EXPECT_NE(readFile(data + "Scrubwell.ini").find("[Dateimasken]"), std::string::npos)
      << "the whole settings file was written before the restart";
  EXPECT_EQ(readFile(data + "Scrubwell.chm"), "Deutsche Hilfe");
  EXPECT_EQ(readFile(folder + "Scrubwell.c00"), "English help") << "the installed help stays";
  EXPECT_EQ(readFile(folder + "Scrubwell.c01"), "Deutsche Hilfe");
}

// The whole program under Wine: a first start asks for the language, confirming restarts the
// program in that language, and a second start goes straight to the main window.
#include <gtest/gtest.h>

#include "e2e/program_driver.h"
#include "language_window_res.h"
#include "main_window_res.h"
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

    ASSERT_TRUE(first.followRestart(IDC_MAIN_SIDE1)) << "the restarted program shows its main window";
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

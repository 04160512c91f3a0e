// The main window of the real program in English and German: each side button shows its own
// page and widens as the active one, and a picture of every page is kept (the user's guide
// shows them).
#include <gtest/gtest.h>

#include <windows.h>

#include "e2e/program_driver.h"
#include "main_window_res.h"

using namespace scrubwell::test;

namespace {

// One control that only page `page` shows.
constexpr int kPageControl[] = {IDC_MAIN_CHECKUPDATES, IDC_MAIN_CLEAN1, IDC_MAIN_TIDY1,
                                IDC_MAIN_MISC1, IDC_MAIN_HELP};

int widthOf(HWND dialog, int id) {
  RECT r{};
  GetWindowRect(GetDlgItem(dialog, id), &r);
  return r.right - r.left;
}

}  // namespace

TEST(MainWindowPages, EverySidePageInBothLanguages) {
  const std::string exe = installProgram() + "Scrubwell.exe";
  const struct {
    const char* number;
    const char* name;
    const char* firstSide;
  } kLanguages[] = {{"0", "english", "Welcome"}, {"1", "german", "Willkommen"}};
  for (const auto& language : kLanguages) {
    SCOPED_TRACE(language.name);
    ASSERT_TRUE(languageChosenWithSettings(std::string("[Language]\r\nselected=") +
                                           language.number +
                                           "\r\n[Markierte Laufwerke]\r\nLw1=D\r\nAnzahl=1\r\n"));
    RunningProgram program(exe);
    HWND main = program.waitForWindow(IDC_MAIN_SIDE1);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(controlText(main, IDC_MAIN_SIDE1), language.firstSide);
    for (int page = 0; page < 5; ++page) {
      SCOPED_TRACE(page);
      clickButton(main, IDC_MAIN_SIDE1 + page);
      for (int other = 0; other < 5; ++other) {
        EXPECT_EQ(IsWindowVisible(GetDlgItem(main, kPageControl[other])) != FALSE, other == page);
        EXPECT_EQ(widthOf(main, IDC_MAIN_SIDE1 + other), other == page ? 188 : 150);
      }
      EXPECT_FALSE(
          saveScreenshot(main, "main-window-page" + std::to_string(page + 1) + "-" + language.name)
              .empty());
    }
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.waitForExit(), 0);
  }
}

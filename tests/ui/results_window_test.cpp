// The results window's result list in its window: the junk search on a test drive fills it,
// result mode and search mode, marking, row clicks, "arrange entries", "cancel process", the
// nothing-found message, the class pictures and the visibility rule.
#include <gtest/gtest.h>

#include "app/app_windows.h"
#include "base/app_state.h"
#include "base/texts.h"
#include "scan/cancel_flag.h"
#include "support/scratch.h"
#include "ui/test_program.h"

using namespace scrubwell;

namespace {

// The windows with the drive offer of a computer with only drive D:, which is chosen.
struct Program : test::TestProgram {
  Program()
      : TestProgram("[31]\r\nFile\r\n[155]\r\nfiles, size:\r\n[241]\r\nNothing found.\r\n") {
    w.results.offerDrives(offerDrives({{'D', DriveType::fixed}}));
    w.results.driveChecks[0].setChecked(true);
  }
};

}  // namespace

TEST(ResultsWindow, JunkSearchFillsTheListAndEntersResultMode) {
  Program p;
  test::ScratchFolder dir('D');
  ASSERT_TRUE(test::writeFile(dir / "a.tmp", std::string(3000, 'x')));
  ASSERT_TRUE(test::writeFile(dir / "sub\\b.bak", std::string(1024, 'x')));
  ASSERT_TRUE(test::writeFile(dir / "sub\\keep.txt", "x"));
  p.w.main.show();
  p.w.results.junkSearchLauncher();

  auto& results = p.w.results.results();
  ASSERT_EQ(results.size(), 2u);
  EXPECT_EQ(results.path(0), dir / "a.tmp");
  EXPECT_EQ(results.path(1), dir / "sub\\b.bak");
  EXPECT_TRUE(p.w.results.resultMode());
  EXPECT_TRUE(p.w.results.visible()) << "results are shown in the results window";
  EXPECT_FALSE(p.w.main.visible());
  EXPECT_TRUE(results.isMarked(0) && results.isMarked(1) && results.isRowMarked(1));
  EXPECT_TRUE(p.w.results.doneMark(1));
  EXPECT_EQ(p.w.results.statusLine.text(), "2     files, size:3kb") << "after mark everything";
  EXPECT_FALSE(p.w.results.searchJunk.visible());
  EXPECT_TRUE(p.w.results.markAll.visible());
  EXPECT_EQ(p.w.results.classPicture(0), 1) << "a.tmp is typical junk";
  EXPECT_EQ(p.w.results.classPicture(2), 0);

  // A row click toggles that row and copies the marks to the raw list.
  p.w.results.rowClicked(0);
  EXPECT_FALSE(results.isMarked(0));
  EXPECT_EQ(p.w.results.statusBar.simpleText(), "File: " + (dir / "a.tmp"));
  EXPECT_EQ(p.w.results.statusLine.text(), "2    files, size:1kb");
  p.w.results.markEverything(false);
  EXPECT_FALSE(results.isMarked(1));

  p.w.results.cancelProcess();
  EXPECT_FALSE(p.w.results.resultMode());
  EXPECT_TRUE(results.empty());
  EXPECT_TRUE(p.w.main.visible()) << "back in search mode the main window stands in";
  EXPECT_TRUE(p.w.results.searchJunk.visible());
  EXPECT_EQ(p.w.results.statusLine.text(), "");
}

TEST(ResultsWindow, NothingFoundShowsTheMessageAndReturnsToSearchMode) {
  Program p;
  test::ScratchFolder dir('D');
  p.w.results.driveChecks[0].setChecked(false);  // no drive chosen
  p.w.results.create();
  int height = p.w.results.height();
  p.w.results.junkSearchLauncher();
  ASSERT_EQ(p.seams.prompts.countOf("modal"), 1);
  EXPECT_EQ(p.seams.prompts.asked()[0].text, "message");
  EXPECT_EQ(p.w.message.lines[0].text(), "Nothing found.");
  EXPECT_FALSE(p.w.results.resultMode());
  EXPECT_EQ(p.w.results.height(), height) << "the result-mode height change is undone";
  EXPECT_TRUE(p.w.results.doneMark(1));
}

TEST(ResultsWindow, ArrangeEntriesOrdersByClassAndMarks) {
  Program p;
  test::ScratchFolder dir('D');
  for (const char* f : {"a.exe", "b.tmp", "c.txt"}) ASSERT_TRUE(test::writeFile(dir / f, "x"));
  auto& results = p.w.results.results();
  for (const char* f : {"a.exe", "b.tmp", "c.txt"}) results.add(dir / f);
  p.w.results.rebuildDisplayList();
  p.w.results.showResults();
  p.w.results.arrangeEntries();
  ASSERT_EQ(results.size(), 3u);
  EXPECT_EQ(results.path(0), dir / "b.tmp");
  EXPECT_EQ(results.path(1), dir / "c.txt");
  EXPECT_EQ(results.path(2), dir / "a.exe");
  EXPECT_TRUE(results.isMarked(0) && results.isRowMarked(0));
  EXPECT_TRUE(results.isMarked(1));
  EXPECT_FALSE(results.isMarked(2)) << "risky entries keep their (clear) mark";
  EXPECT_EQ(p.w.results.classPicture(0), 1);
  EXPECT_EQ(p.w.results.classPicture(1), 2);
  EXPECT_EQ(p.w.results.classPicture(2), 3);
}

namespace {

// "Cancel" pressed while the search progress window shows a folder, once the walk has found
// something: a hook on the window procedures sees the folder label's new text.
struct CancelOnProgress {
  static inline HWND label = nullptr;
  static inline const ResultList* results = nullptr;
  static inline size_t foundAtCancel = 0;
  static LRESULT CALLBACK hook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* m = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && m->message == WM_SETTEXT && m->hwnd == label && m->lParam &&
        *reinterpret_cast<const char*>(m->lParam) && !cancelFlag().isSet() && !results->empty() &&
        foundAtCancel == 0) {
      foundAtCancel = results->size();
      cancelFlag().set();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
};

}  // namespace

TEST(ResultsWindow, CancelDuringTheWalkKeepsWhatWasFound) {
  Program p;
  test::ScratchFolder dir('D');
  // Enough folders that the walk spans several progress slices.
  const size_t total = 300;
  for (size_t i = 0; i < total; ++i)
    ASSERT_TRUE(test::writeFile(dir / ("f" + std::to_string(i) + "\\x.tmp"), "x"));
  p.w.searchProgress.create();
  CancelOnProgress::label = p.w.searchProgress.folder.hwnd();
  CancelOnProgress::results = &p.w.results.results();
  CancelOnProgress::foundAtCancel = 0;
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, CancelOnProgress::hook, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  p.w.results.junkSearchLauncher();
  UnhookWindowsHookEx(hook);
  EXPECT_FALSE(cancelFlag().isSet()) << "the search clears the flag when it ends";
  ASSERT_GT(CancelOnProgress::foundAtCancel, 0u) << "cancel was pressed after entries were found";
  EXPECT_LT(CancelOnProgress::foundAtCancel, total) << "and before the walk ended";
  EXPECT_EQ(p.w.results.results().size(), CancelOnProgress::foundAtCancel)
      << "what was found before the cancel is kept, nothing after it";
  EXPECT_TRUE(p.w.results.resultMode());
}

TEST(ResultsWindow, TheSearchedFolderStandsCentredUntilItIsTooLongForTheLabel) {
  Program p;
  p.w.searchProgress.create();
  HWND label = p.w.searchProgress.folder.hwnd();
  auto centred = [label] { return (GetWindowLongA(label, GWL_STYLE) & SS_CENTER) != 0; };
  p.w.searchProgress.showFolder("D:\\" + std::string(73, 'a'));  // 76 characters
  EXPECT_TRUE(centred());
  p.w.searchProgress.showFolder("D:\\" + std::string(74, 'a'));
  EXPECT_FALSE(centred());
  p.w.searchProgress.showFolder("C:\\Windows\\");
  EXPECT_TRUE(centred());
}

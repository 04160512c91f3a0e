// The status report window: summary labels, save report (twice appends the date block twice),
// print report without a printer, "back"; the message window's three lines; the backup progress
// window's icon animation.
#include <gtest/gtest.h>

#include "app/app_windows.h"
#include "base/app_state.h"
#include "base/texts.h"
#include "support/scratch.h"
#include "ui/test_program.h"

using namespace scrubwell;

namespace {

struct Program : test::TestProgram {
  Program()
      : TestProgram("[1]\r\nScrubwell\r\n[91]\r\nStatus report\r\n[93]\r\nRemoved files:\r\n"
                    "[94]\r\nFreed disk space:\r\n[95]\r\nUnremovable files:\r\n"
                    "[96]\r\nUnmarked files:\r\n[258]\r\nThe report was saved to:\r\n") {}
};

}  // namespace

TEST(StatusReport, SummaryLabelsAndLines) {
  Program p;
  RemovalCounts c;
  c.removed = 3;
  c.unremovable = 1;
  c.unmarked = 2;
  c.freedBytes = 9999;
  p.w.report.setSummary(c);
  EXPECT_EQ(p.w.report.removed.text(), "Removed files: 3");
  EXPECT_EQ(p.w.report.unremovable.text(), "Unremovable files: 1");
  EXPECT_EQ(p.w.report.unmarked.text(), "Unmarked files: 2");
  EXPECT_EQ(p.w.report.freed.text(), "Freed disk space: 9999 bytes");
  c.freedBytes = 10000;
  p.w.report.setSummary(c);
  EXPECT_EQ(p.w.report.freed.text(), "Freed disk space: 9 kbytes");
}

TEST(StatusReport, SavingTwiceAppendsTheDateBlockTwice) {
  Program p;
  test::ScratchFolder dir('D');
  p.w.report.clear();
  p.w.report.appendLine("first line");
  p.seams.prompts.answerSave(dir / "report.txt");
  p.seams.prompts.answerSave(dir / "report2.txt");
  p.w.report.saveReport();
  std::string once = test::readFile(dir / "report.txt");
  EXPECT_EQ(once.rfind("first line\r\n\r\n\r\n\r\n----------------------\r\n", 0), 0u) << once;
  EXPECT_EQ(p.w.message.lines[0].text(), "The report was saved to:");
  EXPECT_EQ(p.w.message.lines[1].text(), dir / "report.txt");

  p.w.report.saveReport();
  std::string twice = test::readFile(dir / "report2.txt");
  size_t first = twice.find("----------------------"), second = twice.rfind("----------------------");
  EXPECT_NE(first, second) << "the date block stands twice in the report itself";
  EXPECT_EQ(p.w.report.lines().size(), 1u + 2 * 6);

  // Cancelling the dialog changes nothing.
  size_t before = p.w.report.lines().size();
  p.w.report.saveReport();
  EXPECT_EQ(p.w.report.lines().size(), before);
}

TEST(StatusReport, PrintingWithoutAPrinterSaysSoAndLosesNothing) {
  Program p;
  p.w.report.clear();
  p.w.report.appendLine("a line");
  p.w.report.printReport();
  ASSERT_EQ(p.seams.prompts.countOf("message"), 1) << "a clear message";
  EXPECT_EQ(p.w.report.lines(), (std::vector<std::string>{"a line"}));
}

TEST(StatusReport, BackShowsTheEngineWindowAndClosesTheReport) {
  Program p;
  p.w.report.showReport();
  EXPECT_TRUE(p.w.results.reportOpen());
  p.w.report.back();
  EXPECT_FALSE(p.w.report.visible());
  EXPECT_FALSE(p.w.results.reportOpen());
  EXPECT_TRUE(p.w.main.visible()) << "outside result mode the main window stands in";
}

TEST(MessageWindow, ThreeLinesFromOneTextOrThree) {
  Program p;
  p.w.message.showMessage("one\rtwo");
  EXPECT_EQ(p.w.message.lines[0].text(), "one");
  EXPECT_EQ(p.w.message.lines[1].text(), "two");
  EXPECT_EQ(p.w.message.lines[2].text(), "");
  p.w.message.showMessage("a", "b", "c");
  EXPECT_EQ(p.w.message.lines[2].text(), "c");
}

TEST(BackupProgressWindow, IconsTakeTurnsAcrossTheWindow) {
  Program p;
  p.w.backupProgress.showWindow();
  EXPECT_EQ(p.w.backupProgress.movingIcon(), 0);
  int ticks = 0;
  while (p.w.backupProgress.movingIcon() == 0 && ticks < 200) {
    p.w.backupProgress.animate();
    ++ticks;
  }
  EXPECT_EQ(ticks, (360 - 8) / 4) << "4 pixels a tick from 8 to 360";
  EXPECT_EQ(p.w.backupProgress.iconLeft(0), 8);
  EXPECT_EQ(p.w.backupProgress.iconLeft(1), 360);
  p.w.backupProgress.animate();
  EXPECT_EQ(p.w.backupProgress.iconLeft(1), 356);
  p.w.backupProgress.closeWindow();
  EXPECT_FALSE(p.w.backupProgress.visible());
}

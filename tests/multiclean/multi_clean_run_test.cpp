// The multi-clean run with every step faked and the fake clock: the order of the steps, their
// status texts and the pauses between them, the choice of boxes, a cancel during a step, and the
// status window's "cancel" saying so only once.
#include "multiclean/multi_clean_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_seams.h"
#include "ui/test_program.h"

using namespace scrubwell;

namespace {

// Each step text is its own number, so the order reads off the status.
const char* const kTexts =
    "[99]\r\n99\r\n[218]\r\n218\r\n[220]\r\n220\r\n[221]\r\n221\r\n[222]\r\n222\r\n"
    "[234]\r\nfinished\r\n[235]\r\nstops after this step\r\n[263]\r\n263\r\n[268]\r\n268\r\n"
    "[330]\r\n330\r\n[5194]\r\nbin\r\n[5195]\r\nown\r\n";

// Records every status text and step with the fake clock's time, so pauses show as gaps.
struct Recorder : MultiCleanStatus {
  test::FakeClock& clock;
  std::vector<std::string> events;
  explicit Recorder(test::FakeClock& c) : clock(c) {}
  void setStep(const std::string& text) override {
    events.push_back(std::to_string(clock.slept()) + " " + text);
  }
  std::function<void()> record(const std::string& name) {
    return [this, name] { events.push_back(name); };
  }
  MultiCleanSteps steps() {
    MultiCleanSteps s;
    s.recycleBin = record("bin");
    s.recentDocuments = record("recent");
    s.prefetchAndDownloads = record("prefetch");
    s.minidumps = record("minidump");
    s.uninstallEntries = record("uninstall");
    s.browserCache = record("browser");
    s.updateUninstallFolders = record("service packs");
    s.beforeDriveWalk = record("progress aside");
    s.driveWalk = [this](const std::vector<CleanupId>& ids) {
      events.push_back("walk of " + std::to_string(ids.size()));
    };
    s.ownFolders = record("own folders");
    s.registry = record("registry");
    s.finished = record("finished");
    return s;
  }
};

MultiCleanChoice only(std::initializer_list<int> boxes) {
  MultiCleanChoice choice{};
  for (int b : boxes) choice[b - 1] = true;
  return choice;
}

MultiCleanChoice all() {
  MultiCleanChoice choice;
  choice.fill(true);
  return choice;
}

}  // namespace

TEST(MultiCleanRun, EveryBoxRunsEachStepInOrderWithItsTextAndPauseAndNoRealSleep) {
  test::TestProgram p(kTexts);
  Recorder r(p.seams.clock);
  ProcessFlag cancel;
  cancel.set();  // left over from an earlier run: a new run starts clear
  const DWORD started = GetTickCount();
  const std::vector<CleanupId> ran = runMultiClean(all(), r.steps(), r, cancel);
  EXPECT_LT(GetTickCount() - started, 1000u) << "the pauses are the clock seam's";
  const std::vector<std::string> expected = {
      "0 bin",     "bin",  // the bin is emptied before anything this run removes goes there
      "0 220",     "recent",        "2000 268",       "prefetch", "4000 330",
      "minidump",  "6000 221",      "uninstall",      "8000 222", "browser",
      "9500 263",  "service packs", "progress aside", "11000 99", "walk of 5",
      "11000 own", "own folders",   "11000 218",      "registry", "finished"};
  EXPECT_EQ(r.events, expected);
  EXPECT_EQ(p.seams.clock.slept(), 11000u);
  EXPECT_EQ(ran.size(), 14u) << "every clean-up ran, so every done mark is due";
}

TEST(MultiCleanRun, OnlyTheCheckedBoxesRun) {
  test::TestProgram p(kTexts);
  Recorder r(p.seams.clock);
  ProcessFlag cancel;

  // Only "Browsercache": the browsers are cleaned and no drive is walked.
  std::vector<CleanupId> ran = runMultiClean(only({9}), r.steps(), r, cancel);
  EXPECT_EQ(r.events, (std::vector<std::string>{"0 222", "browser", "progress aside", "finished"}));
  EXPECT_EQ(ran, std::vector<CleanupId>{CleanupId::browserCache});

  // Nothing checked: only the end.
  r.events.clear();
  ran = runMultiClean(MultiCleanChoice{}, r.steps(), r, cancel);
  EXPECT_EQ(r.events, (std::vector<std::string>{"progress aside", "finished"}));
  EXPECT_TRUE(ran.empty());
}

TEST(MultiCleanRun, ACancelDuringAStepSkipsEveryLaterStepButNotTheEnd) {
  test::TestProgram p(kTexts);
  Recorder r(p.seams.clock);
  ProcessFlag cancel;
  MultiCleanSteps steps = r.steps();
  steps.minidumps = [&] {
    r.events.push_back("minidump");
    cancel.set();
  };
  const std::vector<CleanupId> ran = runMultiClean(all(), steps, r, cancel);
  EXPECT_EQ(r.events,
            (std::vector<std::string>{"0 bin", "bin", "0 220", "recent", "2000 268", "prefetch",
                                      "4000 330", "minidump", "progress aside", "finished"}));
  // The step under way runs to its end and counts; those never started do not.
  EXPECT_EQ(ran, (std::vector<CleanupId>{CleanupId::windowsTools, CleanupId::recentDocuments,
                                         CleanupId::prefetchAndDownloads, CleanupId::minidumps}));
}

TEST(MultiCleanStatusWindow, CancelSaysOnceThatTheRunStopsAndStopsAWalkToo) {
  test::TestProgram p(kTexts);
  ui::MultiCleanStatusWindow& status = p.w.multiCleanStatus;
  multiCleanCancelFlag().clear();
  cancelFlag().clear();
  status.cancelRun();
  status.cancelRun();
  ASSERT_EQ(p.seams.prompts.countOf("message"), 1);
  EXPECT_EQ(p.seams.prompts.asked()[0].text, "stops after this step");
  EXPECT_TRUE(multiCleanCancelFlag().isSet());
  EXPECT_TRUE(cancelFlag().isSet()) << "a walk in progress stops";
  cancelFlag().clear();

  // The step label blinks by its timer and shows again when the window stops.
  status.start();
  status.setStep("220");
  EXPECT_EQ(status.blink.interval(), 1000u);
  EXPECT_TRUE(status.blink.enabled());
  status.blink.fire();
  EXPECT_FALSE(status.step.visible());
  status.blink.fire();
  EXPECT_TRUE(status.step.visible());
  status.blink.fire();
  status.stop();
  EXPECT_TRUE(status.step.visible());
  EXPECT_FALSE(status.blink.enabled());
  EXPECT_FALSE(status.visible());
}

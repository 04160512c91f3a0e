// The walk's pacing: progress and message pumping on a time slice, not after every entry, and
// a cancel pressed during a pump (here by a timer) stops the walk at once.
#include <gtest/gtest.h>

#include "scan/mask_walk.h"
#include "support/scratch.h"
#include "walk_support.h"

using namespace scrubwell;
using namespace scrubwell::test;

namespace {

ProcessFlag* timerCancel = nullptr;
void CALLBACK pressCancel(HWND, UINT, UINT_PTR, DWORD) {
  if (timerCancel) timerCancel->set();
}

class WalkPacing : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    tree_ = new ScratchFolder('D');
    for (int f = 0; f < 40; ++f)
      for (int i = 0; i < 25; ++i)
        ASSERT_TRUE(writeFile(*tree_ / ("f" + std::to_string(f) + "\\n" + std::to_string(i) +
                                        (i % 5 ? ".txt" : ".tmp")),
                              ""));
  }
  static void TearDownTestSuite() { delete tree_; }
  static ScratchFolder* tree_;
};
ScratchFolder* WalkPacing::tree_ = nullptr;

}  // namespace

TEST_F(WalkPacing, ProgressOnATimeSliceNotAfterEveryEntry) {
  ProcessFlag cancel;
  RecordingProgress progress;
  MaskWalk walk({"*.tmp", "*.bak"}, SearchExceptions{}, {}, cancel, &progress);
  walk.setStrategy(MaskWalk::Strategy::findPerMask);  // slow enough to span several slices
  size_t found = 0;
  DWORD start = GetTickCount();
  EXPECT_TRUE(walk.walk(tree_->path(), [&](const std::string&, int64_t) { ++found; }));
  DWORD elapsed = GetTickCount() - start;
  EXPECT_EQ(found, 200u);
  // At most one pump per 15 ms (plus one), far fewer than the entries.
  EXPECT_LE(progress.folders.size(), elapsed / 15 + 1);
  EXPECT_LT(progress.folders.size(), walk.stats().entries / 10);
  // Entries come every few microseconds, so a walk of over two slices has pumped.
  if (elapsed > 30) EXPECT_GE(progress.folders.size(), 1u);
}

TEST_F(WalkPacing, CancelPressedDuringAPumpStopsTheWalk) {
  ProcessFlag cancel;
  timerCancel = &cancel;
  UINT_PTR timer = SetTimer(nullptr, 0, 1, pressCancel);
  ASSERT_NE(timer, 0u);
  Sleep(20);  // the timer is due before the first pump
  MaskWalk walk({"*.tmp"}, SearchExceptions{}, {}, cancel, nullptr);
  walk.setStrategy(MaskWalk::Strategy::findPerMask);
  walk.setSliceMs(0);
  size_t found = 0;
  bool completed = walk.walk(tree_->path(), [&](const std::string&, int64_t) { ++found; });
  KillTimer(nullptr, timer);
  timerCancel = nullptr;
  EXPECT_FALSE(completed);
  EXPECT_LT(found, 200u);
}

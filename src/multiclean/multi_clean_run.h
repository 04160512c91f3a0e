// The multi-clean run without any window: the chosen clean-ups in their fixed order, each step
// with its status text and the pause after it, and every step skipped once the run's cancel
// flag is set. The steps themselves are handed in, so the program runs its clean-ups and a test
// its fakes through the same order, texts and pauses.
#pragma once
#include <windows.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "scan/cancel_flag.h"
#include "scan/cleanup_table.h"

namespace scrubwell {

// Set by the status window's "cancel"; cleared when a run starts.
ProcessFlag& multiCleanCancelFlag();

// The chooser's boxes: box n is [n - 1].
using MultiCleanChoice = std::array<bool, DoneMarks::kCount>;

// Where the run says which step it is at.
class MultiCleanStatus {
 public:
  virtual ~MultiCleanStatus() = default;
  virtual void setStep(const std::string& text) = 0;
};

struct MultiCleanSteps {
  // One clean-up each, run when its box is checked.
  std::function<void()> recycleBin, recentDocuments, prefetchAndDownloads, minidumps,
      uninstallEntries, browserCache, updateUninstallFolders, ownFolders, registry;
  // The combined drive walk over the checked clean-ups that join it.
  std::function<void(const std::vector<CleanupId>& ids)> driveWalk;
  // Where the drive walk stands in the order, whether it runs or not: the steps before it run
  // behind the deletion progress window, which steps aside here.
  std::function<void()> beforeDriveWalk;
  // At the very end, also after a cancel.
  std::function<void()> finished;
};

// One step of the run: the clean-up whose box chooses it, its status text, the pause after it
// and its function among the steps. The drive walk's entry (no function) stands for every
// clean-up that joins the combined walk.
struct MultiCleanStep {
  CleanupId id;
  int text;  // the status text's number
  DWORD pauseMs;
  std::function<void()> MultiCleanSteps::*run;
  bool driveWalk() const { return run == nullptr; }
};

// The steps in the order they run. The recycle bin comes first: with the backup option off the
// run's own removals go to the bin, and emptying it later would destroy them.
const std::vector<MultiCleanStep>& multiCleanSteps();

// The clean-ups of `choice` that join the combined drive walk, in the clean-up table's order.
std::vector<CleanupId> chosenWalkCleanups(const MultiCleanChoice& choice);

// Clears `cancel`, then runs every step whose box is checked, in order, while `cancel` stays
// clear and the program is not ending: the status hears the step's text, messages are pumped, the
// step runs, and the pause after it (none once cancelled) passes through the clock seam. Returns
// the clean-ups whose steps ran (for their done marks); a step skipped by a cancel is not among
// them.
std::vector<CleanupId> runMultiClean(const MultiCleanChoice& choice, const MultiCleanSteps& steps,
                                     MultiCleanStatus& status, ProcessFlag& cancel);

}  // namespace scrubwell

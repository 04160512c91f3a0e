// The multi-clean run's order of steps and the loop that works through them.
#include "multiclean/multi_clean_run.h"

#include "base/texts.h"
#include "platform/message_pump.h"
#include "scan/combined_walk.h"

namespace scrubwell {
namespace {

using enum CleanupId;

bool chosen(const MultiCleanChoice& choice, CleanupId id) {
  const int box = cleanup(id).chooserBox;
  return box >= 1 && box <= static_cast<int>(choice.size()) && choice[box - 1];
}

}  // namespace

ProcessFlag& multiCleanCancelFlag() {
  static ProcessFlag flag;
  return flag;
}

const std::vector<MultiCleanStep>& multiCleanSteps() {
  // The recycle bin and the own folders are announced by their boxes' captions.
  using S = MultiCleanSteps;
  static const std::vector<MultiCleanStep> steps = {
      {windowsTools, cleanup(windowsTools).chooserText, 0, &S::recycleBin},
      {recentDocuments, 220, 2000, &S::recentDocuments},
      {prefetchAndDownloads, 268, 2000, &S::prefetchAndDownloads},
      {minidumps, 330, 2000, &S::minidumps},
      {uninstallEntries, 221, 2000, &S::uninstallEntries},
      {browserCache, 222, 1500, &S::browserCache},
      {updateUninstallFolders, 263, 1500, &S::updateUninstallFolders},
      {junkSearch, 99, 0, nullptr},  // the combined walk
      {ownFolders, cleanup(ownFolders).chooserText, 0, &S::ownFolders},
      {registry, 218, 0, &S::registry},
  };
  return steps;
}

std::vector<CleanupId> chosenWalkCleanups(const MultiCleanChoice& choice) {
  std::vector<CleanupId> ids;
  for (const Cleanup& c : cleanups())
    if (joinsCombinedWalk(c.id) && chosen(choice, c.id)) ids.push_back(c.id);
  return ids;
}

std::vector<CleanupId> runMultiClean(const MultiCleanChoice& choice, const MultiCleanSteps& steps,
                                     MultiCleanStatus& status, ProcessFlag& cancel) {
  cancel.clear();
  std::vector<CleanupId> ran;
  for (const MultiCleanStep& step : multiCleanSteps()) {
    if (step.driveWalk() && steps.beforeDriveWalk) steps.beforeDriveWalk();
    // Once the program is ending, nothing more is started either.
    if (cancel.isSet() || quitRequested()) continue;
    const std::vector<CleanupId> ids =
        step.driveWalk() ? chosenWalkCleanups(choice) : std::vector<CleanupId>{step.id};
    if (ids.empty() || (!step.driveWalk() && !chosen(choice, step.id))) continue;
    status.setStep(tr(step.text));
    pumpMessages();
    if (step.driveWalk()) {
      if (steps.driveWalk) steps.driveWalk(ids);
    } else if (steps.*step.run) {
      (steps.*step.run)();
    }
    pumpMessages();
    ran.insert(ran.end(), ids.begin(), ids.end());
    if (step.pauseMs && !cancel.isSet()) waitPumping(step.pauseMs);
  }
  if (steps.finished) steps.finished();
  return ran;
}

}  // namespace scrubwell

// The multi-clean run's order of steps and the loop that works through them.
#include "multiclean/multi_clean_run.h"

#include "base/texts.h"
#include "platform/message_pump.h"
#include "scan/combined_walk.h"

namespace scrubwell {
namespace {

using enum CleanupId;

std::function<void()> MultiCleanSteps::*stepFunction(CleanupId id) {
  switch (id) {
    case windowsTools: return &MultiCleanSteps::recycleBin;
    case recentDocuments: return &MultiCleanSteps::recentDocuments;
    case prefetchAndDownloads: return &MultiCleanSteps::prefetchAndDownloads;
    case minidumps: return &MultiCleanSteps::minidumps;
    case uninstallEntries: return &MultiCleanSteps::uninstallEntries;
    case browserCache: return &MultiCleanSteps::browserCache;
    case updateUninstallFolders: return &MultiCleanSteps::updateUninstallFolders;
    case ownFolders: return &MultiCleanSteps::ownFolders;
    case registry: return &MultiCleanSteps::registry;
    default: return nullptr;
  }
}

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
  static const std::vector<MultiCleanStep> steps = {
      {windowsTools, cleanup(windowsTools).chooserText, 0},
      {recentDocuments, 220, 2000},
      {prefetchAndDownloads, 268, 2000},
      {minidumps, 330, 2000},
      {uninstallEntries, 221, 2000},
      {browserCache, 222, 1500},
      {updateUninstallFolders, 263, 1500},
      {junkSearch, 99, 0, true},
      {ownFolders, cleanup(ownFolders).chooserText, 0},
      {registry, 218, 0},
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
    if (step.driveWalk && steps.beforeDriveWalk) steps.beforeDriveWalk();
    // Once the program is ending, nothing more is started either.
    if (cancel.isSet() || quitRequested()) continue;
    const std::vector<CleanupId> ids =
        step.driveWalk ? chosenWalkCleanups(choice) : std::vector<CleanupId>{step.id};
    if (ids.empty() || (!step.driveWalk && !chosen(choice, step.id))) continue;
    status.setStep(tr(step.text));
    pumpMessages();
    if (step.driveWalk) {
      if (steps.driveWalk) steps.driveWalk(ids);
    } else if (auto member = stepFunction(step.id); member && steps.*member) {
      (steps.*member)();
    }
    pumpMessages();
    ran.insert(ran.end(), ids.begin(), ids.end());
    if (step.pauseMs && !cancel.isSet()) waitPumping(step.pauseMs);
  }
  if (steps.finished) steps.finished();
  return ran;
}

}  // namespace scrubwell

// The results window's clean-ups: each starts as its table entry says; a drive scan hides the
// window, walks with the search progress window shown, and shows what it found; the others
// start through their launcher.
#include "app/app_windows.h"
#include "base/app_state.h"
#include "scan/cancel_flag.h"
#include "ui/cleanup_launchers.h"
#include "ui/results_window.h"
#include "ui/sounds.h"

namespace scrubwell::ui {

bool TForm1::canStart(CleanupId id) {
  if (cleanup(id).start == CleanupStart::driveScan) return driveScanOf(id) != nullptr;
  return launcherOf(id) != nullptr;
}

void TForm1::startCleanup(CleanupId id) {
  if (!canStart(id)) return;
  if (cleanup(id).start == CleanupStart::driveScan)
    runDriveScan(id);
  else
    launcherOf(id)();
}

void TForm1::startTemporaryFolderScan() { runDriveScan(CleanupId::temporaryFolder); }

DriveScanInputs TForm1::driveScanInputs() const {
  const AppWindows& w = appWindows();
  DriveScanInputs inputs;
  inputs.driveRoots = checkedDrives();
  inputs.masks = w.options.masks.items();
  inputs.exceptions = w.options.exceptions.items();
  inputs.backupFolder = appState().backupFolder;
  return inputs;
}

void TForm1::runDriveScan(CleanupId id) {
  playClick();
  walkAndShow([this, id](WalkProgress* progress) {
    session_.scan(id, driveScanInputs(), cancelFlag(), progress);
  });
  setDoneMark(cleanup(id).mark);
}

void TForm1::scanTogether(const std::vector<CleanupId>& ids) {
  cancelProcess();  // the walk starts from an empty list
  walkAndShow([this, &ids](WalkProgress* progress) {
    session_.scanTogether(ids, driveScanInputs(), cancelFlag(), progress);
  });
}

void TForm1::walkAndShow(const std::function<void(WalkProgress*)>& walk) {
  AppWindows& w = appWindows();
  hideWindow();
  w.searchProgress.start();
  walk(&w.searchProgress);
  rows.refresh();
  refreshClassPictures();
  w.searchProgress.stop();
  showResults();
  // The rows start with the marks the scan gave; when it marked everything the status line
  // reads as after "mark all".
  if (resultMode_ && results_.countMarkedRows() == results_.rowCount()) markEverything(true);
}

}  // namespace scrubwell::ui

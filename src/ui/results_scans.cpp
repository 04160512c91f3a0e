// The results window's clean-ups: each starts as its table entry says; a drive scan hides the
// window, walks the chosen drives with the search progress window shown, and shows what it found.
#include "app/app_windows.h"
#include "base/app_state.h"
#include "scan/cancel_flag.h"
#include "ui/results_window.h"
#include "ui/sounds.h"

namespace scrubwell::ui {

bool TForm1::canStart(CleanupId id) {
  if (id == CleanupId::recentDocuments) return true;
  return cleanup(id).start == CleanupStart::driveScan && driveScanOf(id) != nullptr;
}

void TForm1::startCleanup(CleanupId id) {
  if (!canStart(id)) return;
  if (id == CleanupId::recentDocuments) return cleanRecentDocuments();
  runDriveScan(id);
}

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
  AppWindows& w = appWindows();
  playClick();
  hideWindow();
  w.searchProgress.start();
  session_.scan(id, driveScanInputs(), cancelFlag(), &w.searchProgress);
  rows.refresh();
  refreshClassPictures();
  w.searchProgress.stop();
  showResults();
  // The rows start with the marks the scan gave; when it marked everything the status line
  // reads as after "mark all".
  if (resultMode_ && results_.countMarkedRows() == results_.rowCount()) markEverything(true);
  setDoneMark(cleanup(id).mark);
}

}  // namespace scrubwell::ui

// The results window's drive scans: each hides the window, walks the chosen drives with the
// search progress window shown, and shows what it found.
#include "app/app_windows.h"
#include "base/app_state.h"
#include "scan/cancel_flag.h"
#include "scan/junk_search.h"
#include "ui/results_window.h"
#include "ui/sounds.h"

namespace scrubwell::ui {

void TForm1::junkSearchLauncher() {
  playClick();
  runJunkSearchWalk();
  showResults();
  if (resultMode_) markEverything(true);
  setDoneMark(DoneMark::junkSearch);
}

JunkSearchInputs TForm1::junkSearchInputs() const {
  const AppWindows& w = appWindows();
  JunkSearchInputs inputs;
  inputs.driveRoots = checkedDrives();
  inputs.masks = w.options.masks.items();
  inputs.exceptions = w.options.exceptions.items();
  inputs.backupFolder = appState().backupFolder;
  return inputs;
}

void TForm1::runJunkSearchWalk() {
  AppWindows& w = appWindows();
  hideWindow();
  w.searchProgress.start();
  runJunkSearch(junkSearchInputs(), results_, cancelFlag(), &w.searchProgress);
  rows.refresh();
  refreshClassPictures();
  w.searchProgress.stop();
}

}  // namespace scrubwell::ui

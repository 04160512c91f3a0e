// "remove" of the results window: hands the marked entries to the removal engine with the
// windows it reports to, then shows the status report and returns to search mode.
#include "app/app_windows.h"
#include "base/app_state.h"
#include "base/file_ops.h"
#include "scan/cancel_flag.h"
#include "ui/results_window.h"
#include "ui/sounds.h"

namespace scrubwell::ui {

RemovalSettings TForm1::removalSettings() const {
  const AppWindows& w = appWindows();
  RemovalSettings settings;
  settings.backupOption = w.backup.backupOption.checked();
  settings.askBeforeRemoving = w.options.askBeforeRemoving.checked();
  settings.backupFolder = appState().backupFolder;
  settings.exceptions = w.options.exceptions.items();
  return settings;
}

void TForm1::removeMarked() {
  AppWindows& w = appWindows();
  hideHint();
  playClick();
  RemovalParts parts{w.report, w.deleting, w.backupProgress, [this] { hideWindow(); }};
  RemovalOutcome outcome = session_.remove(removalSettings(), parts);
  switch (outcome.end) {
    case RemovalEnd::declined:
      return;
    case RemovalEnd::stoppedBeforeDeleting:
      // Nothing was deleted: the results come back as they were.
      w.deleting.stop();
      w.backupProgress.closeWindow();
      showWindow();
      return;
    case RemovalEnd::done:
      break;
  }
  rows.refresh();
  refreshClassPictures();
  w.report.setSummary(outcome.counts);
  w.report.showReport();
  w.deleting.stop();
  leaveResultMode();
  // The report stands in front; leaving result mode showed the main window behind it.
  if (w.report.hwnd()) SetForegroundWindow(w.report.hwnd());
}

}  // namespace scrubwell::ui

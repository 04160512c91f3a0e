// The multi-clean status window.
#include "multiclean/multi_clean_status_window.h"

#include "base/texts.h"
#include "multi_clean_status_window_res.h"
#include "platform/seams.h"
#include "scan/cancel_flag.h"
#include "ui/sounds.h"

namespace scrubwell::ui {

MultiCleanStatusWindow::MultiCleanStatusWindow()
    : Window("multicleanstatus", IDD_MULTICLEANSTATUS), step(IDC_MCS_STEP), cancel(IDC_MCS_CANCEL) {
  bind({&step, &cancel});
  blink.onTimer = [this] { step.setVisible(!step.visible()); };
  cancel.onClick = [this] {
    playClick();
    cancelRun();
  };
}

void MultiCleanStatusWindow::applyTexts() {
  setCaption(tr(5420));
  cancel.setText(tr(5142));
  cancel.setHint(tr(5421));
}

void MultiCleanStatusWindow::start() {
  step.setText("");
  step.setVisible(true);
  show();
  blink.setEnabled(true);
}

void MultiCleanStatusWindow::stop() {
  blink.setEnabled(false);
  step.setVisible(true);
  hide();
}

void MultiCleanStatusWindow::setStep(const std::string& text) {
  step.setText(text);
  if (hwnd()) UpdateWindow(hwnd());
}

void MultiCleanStatusWindow::cancelRun() {
  ProcessFlag& run = multiCleanCancelFlag();
  if (!run.isSet()) prompts().messageBox(hwnd(), tr(235), tr(1), MB_OK | MB_ICONINFORMATION);
  run.set();
  cancelFlag().set();
}

void MultiCleanStatusWindow::onShown() {
  // At the top edge of the screen, centred across it.
  RECT r;
  GetWindowRect(hwnd(), &r);
  const int width = r.right - r.left;
  SetWindowPos(hwnd(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2, 0, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace scrubwell::ui

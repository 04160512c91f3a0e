// The deletion progress window.
#include "ui/deletion_progress_window.h"

#include "base/texts.h"
#include "platform/message_pump.h"
#include "report_windows_res.h"

namespace scrubwell::ui {

DeletionProgressWindow::DeletionProgressWindow()
    : Window("deleting", IDD_DELETING),
      path(IDC_DEL_PATH),
      bar(IDC_DEL_BAR),
      heading_(IDC_DEL_HEADING),
      animation_(IDC_DEL_ANIMATION) {
  bind({&path, &bar, &heading_, &animation_});
}

void DeletionProgressWindow::applyTexts() {
  setCaption(tr(5230));
  heading_.setText(tr(5231));
}

void DeletionProgressWindow::start(int steps) {
  bar.setMaximum(steps);
  bar.setPosition(0);
  path.setText("");
  show();
  animation_.setRunning(true);
  pumpMessages();
}

void DeletionProgressWindow::step(const std::string& current) {
  path.setText(current);
  bar.setPosition(bar.position() + 1);
  if (hwnd()) UpdateWindow(hwnd());
  pumpMessages();
}

void DeletionProgressWindow::stop() {
  animation_.setRunning(false);
  bar.setMaximum(100);
  bar.setPosition(0);
  hide();
}

}  // namespace scrubwell::ui

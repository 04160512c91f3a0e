// The browser progress window.
#include "ui/browser_progress_window.h"

#include "base/texts.h"
#include "browser_windows_res.h"
#include "platform/message_pump.h"
#include "scan/size_text.h"

namespace scrubwell::ui {

BrowserProgressWindow::BrowserProgressWindow()
    : Window("browserprogress", IDD_BROWSERPROGRESS),
      name(IDC_BPG_NAME),
      kilobytes(IDC_BPG_KB),
      now_(IDC_BPG_NOW),
      freed_(IDC_BPG_FREED),
      animation_(IDC_BPG_ANIMATION) {
  bind({&name, &kilobytes, &now_, &freed_, &animation_});
}

void BrowserProgressWindow::applyTexts() {
  setCaption(tr(5386));
  now_.setText(tr(5387));
  freed_.setText(tr(5388));
  kilobytes.setText(kilobyteText(0));
}

void BrowserProgressWindow::start() {
  name.setText("");
  kilobytes.setText(kilobyteText(0));
  show();
  animation_.setRunning(true);
  pumpMessages();
}

void BrowserProgressWindow::showProgress(const std::string& item, int64_t freedBytes) {
  name.setText(item);
  kilobytes.setText(kilobyteText(freedBytes));
  if (hwnd()) UpdateWindow(hwnd());
  pumpMessages();
}

void BrowserProgressWindow::stop() {
  animation_.setRunning(false);
  hide();
}

}  // namespace scrubwell::ui

// The message window.
#include "ui/message_window.h"

#include "app/texts.h"
#include "progress_windows_res.h"
#include "ui/sounds.h"

namespace scrubwell::ui {

MessageWindow::MessageWindow() : Window("message", IDD_MESSAGE), text(IDC_MSG_TEXT), ok_(IDC_MSG_OK) {
  bind({&text, &ok_});
  ok_.onClick = [this] {
    playClick();
    endModal(IDOK);
  };
}

void MessageWindow::applyTexts() { setCaption(tr(1)); }

void MessageWindow::showMessage(const std::string& message) {
  std::string shown;
  for (char c : message) {
    if (c == '\n' && (shown.empty() || shown.back() != '\r')) shown += '\r';
    shown += c;
  }
  text.setText(shown);
  showModal();
}

}  // namespace scrubwell::ui

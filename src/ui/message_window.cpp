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
  // Language texts join their lines with CR alone; a static control wants CR LF.
  std::string shown;
  for (size_t i = 0; i < message.size(); ++i) {
    char c = message[i];
    if (c == '\r' || c == '\n') {
      shown += "\r\n";
      if (c == '\r' && i + 1 < message.size() && message[i + 1] == '\n') ++i;
    } else {
      shown += c;
    }
  }
  text.setText(shown);
  showModal();
}

}  // namespace scrubwell::ui

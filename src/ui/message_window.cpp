// The message window.
#include "ui/message_window.h"

#include <vector>

#include "base/text_lines.h"
#include "base/texts.h"
#include "progress_windows_res.h"
#include "ui/sounds.h"

namespace scrubwell::ui {

MessageWindow::MessageWindow() : Window("message", IDD_MESSAGE), ok_(IDC_MSG_OK) {
  for (int i = 0; i < 3; ++i) {
    lines[i].setId(IDC_MSG_LINE1 + i);
    bind(lines[i]);
  }
  bind(ok_);
  ok_.onClick = [this] {
    playClick();
    endModal(IDOK);
  };
}

void MessageWindow::applyTexts() { setCaption(tr(1)); }

void MessageWindow::showMessage(const std::string& first, const std::string& second,
                                const std::string& third) {
  // A language text joins its lines with CR; each of its lines takes a label of its own.
  std::vector<std::string> all;
  auto add = [&all](const std::string& text) {
    std::vector<std::string> lines = splitLines(text);
    if (lines.empty()) lines.push_back("");
    all.insert(all.end(), lines.begin(), lines.end());
  };
  add(first);
  if (!second.empty() || !third.empty()) add(second);
  if (!third.empty()) add(third);
  for (size_t i = 0; i < 3; ++i) lines[i].setText(i < all.size() ? all[i] : "");
  showModal();
}

}  // namespace scrubwell::ui

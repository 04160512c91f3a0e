// The message window: one text and "OK", shown modally by the clean-ups for short news such as
// "nothing was found".
#pragma once
#include "ui/framework/window.h"

namespace scrubwell::ui {

class MessageWindow : public Window {
 public:
  MessageWindow();
  void applyTexts() override;
  // Puts `text` into the window (line feeds start new lines) and shows it modally.
  void showMessage(const std::string& text);

  Label text;

 private:
  Button ok_;
};

}  // namespace scrubwell::ui

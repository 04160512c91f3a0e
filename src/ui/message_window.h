// The message window: three lines of text and "OK", shown modally for short news such as
// "nothing was found" or "the report was saved".
#pragma once
#include <array>

#include "ui/framework/window.h"

namespace scrubwell::ui {

class MessageWindow : public Window {
 public:
  MessageWindow();
  void applyTexts() override;
  // Sets the three lines and shows the window modally. A line that holds several lines (a
  // language text) fills the following labels too.
  void showMessage(const std::string& first, const std::string& second = {},
                   const std::string& third = {});

  std::array<Label, 3> lines;

 private:
  Button ok_;
};

}  // namespace scrubwell::ui

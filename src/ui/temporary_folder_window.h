// The temp-folder window: says what the temp-folder scan lists and from which folder; "go on"
// runs the scan into the results window, "back" returns. Without a temporary folder to walk it
// says so and offers only "back".
#pragma once
#include "ui/framework/window.h"

namespace scrubwell::ui {

class TemporaryFolderWindow : public Window {
 public:
  TemporaryFolderWindow();
  void applyTexts() override;

  // Looks up the temporary folder again and shows the window.
  void open();

  Label folder, error;
  Button goOn;

 private:
  Label heading_, text_;
  Button back_;
};

}  // namespace scrubwell::ui

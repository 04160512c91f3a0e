// The update-uninstall folders window: says what the clean-up removes; "go on" looks for the
// folders and hands them to the selection window (or says none were found), "back" returns.
#pragma once
#include "ui/framework/window.h"

namespace scrubwell::ui {

class UpdateUninstallWindow : public Window {
 public:
  UpdateUninstallWindow();
  void applyTexts() override;

  Button goOn, back;

 private:
  Label heading_, text_;
};

}  // namespace scrubwell::ui

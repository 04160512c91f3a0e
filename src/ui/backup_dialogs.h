// The backup window's two small dialogs: the confirmation before every backup point is removed,
// and the notice that explains the backup option when it is switched on.
#pragma once
#include <array>

#include "ui/framework/window.h"

namespace scrubwell::ui {

// "go on" removes 1.bck to 1000.bck of the backup folder, says so, and refreshes the backup
// window's lists; "back" leaves everything as it is.
class RemoveAllPointsWindow : public Window {
 public:
  RemoveAllPointsWindow();
  void applyTexts() override;
  void goOn() { goOn_.click(); }
  void back() { back_.click(); }

 private:
  Label band_;
  std::array<Label, 3> lines_;
  Button back_, goOn_;
};

class BackupNoticeWindow : public Window {
 public:
  BackupNoticeWindow();
  void applyTexts() override;

 private:
  Label band_;
  std::array<Label, 7> lines_;
  Button goOn_;
};

}  // namespace scrubwell::ui

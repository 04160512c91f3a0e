// The multi-clean chooser: 14 check boxes choosing the clean-ups of a multi-clean run.
#pragma once
#include <array>

#include "ui/framework/window.h"

namespace scrubwell::ui {

class ChooserWindow : public Window {
 public:
  static constexpr int kBoxes = 14;
  ChooserWindow();
  void applyTexts() override;

  std::array<CheckBox, kBoxes> boxes;  // box n is boxes[n - 1]

 protected:
  void onClose() override;

 private:
  Label heading_;
  Button back_, goOn_;
};

}  // namespace scrubwell::ui

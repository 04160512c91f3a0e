// The multi-clean chooser: one check box per clean-up, choosing those of a multi-clean run, and
// "go on", which runs them.
#pragma once
#include <array>

#include "multiclean/multi_clean_run.h"
#include "scan/done_marks.h"
#include "ui/framework/window.h"

namespace scrubwell::ui {

class ChooserWindow : public Window {
 public:
  static constexpr int kBoxes = DoneMarks::kCount;  // one box per clean-up
  ChooserWindow();
  void applyTexts() override;
  // "go on": runs the checked clean-ups as one multi-clean run.
  void goOn();
  // The boxes as they stand.
  MultiCleanChoice choice() const;

  std::array<CheckBox, kBoxes> boxes;  // box n is boxes[n - 1]

 protected:
  void onClose() override;

 private:
  Label heading_;
  Button back_, goOn_;
};

}  // namespace scrubwell::ui

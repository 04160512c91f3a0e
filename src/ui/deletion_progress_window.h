// The deletion progress window: while a run deletes, it shows a running animation, a progress
// bar over the items and the path being removed.
#pragma once
#include "scan/removal_ui.h"
#include "ui/framework/window.h"

namespace scrubwell::ui {

class DeletionProgressWindow : public Window, public DeletionProgress {
 public:
  DeletionProgressWindow();
  void applyTexts() override;

  void start(int steps) override;
  void step(const std::string& path) override;
  void stop() override;

  Label path;
  ProgressBar bar;

 private:
  Label heading_;
  ProgressBar animation_;
};

}  // namespace scrubwell::ui

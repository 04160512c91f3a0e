// The search progress window shown during a drive walk: the folder being searched, a running
// animation with the two search icons, and "cancel", which sets the process-wide cancel flag.
#pragma once
#include "scan/walk_progress.h"
#include "ui/framework/window.h"

namespace scrubwell::ui {

class SearchProgressWindow : public Window, public WalkProgress {
 public:
  SearchProgressWindow();
  void applyTexts() override;

  void start();  // show and start the animation
  void stop();   // hide and stop the animation
  void showFolder(const std::string& folder) override;

  Label folder;
  Button cancel;

 private:
  Label caption_;
  Control animation_;
  AnimatedIcon icon1_, icon2_;  // the chosen search-icon set
};

}  // namespace scrubwell::ui

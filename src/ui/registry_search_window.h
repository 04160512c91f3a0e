// The registry search window: shown while a registry check runs. Its start timer runs the check
// of the current mode 2 s after the window shows, then hands the findings to the results window
// of that mode, or to the result window when nothing was found.
#pragma once
#include "ui/framework/timer.h"
#include "ui/framework/window.h"

namespace scrubwell::ui {

class RegistrySearchWindow : public Window {
 public:
  RegistrySearchWindow();
  void applyTexts() override;

  // Sets the mode (full check or uninstall entries), steps the results window aside and shows
  // this window; the start timer then runs the check.
  void startCheck(bool full);

  Timer startTimer{2000};

 protected:
  void onCreated() override;

 private:
  void runCheck();
  Label text_;
  AnimatedIcon icon1_, icon2_;  // the chosen search-icon set
};

}  // namespace scrubwell::ui

// The multi-clean status window: stands at the top edge of the screen while a run works, names
// the current step in a blinking label and offers "cancel", which stops the run after the step
// in progress (and a drive walk at once).
#pragma once
#include "multiclean/multi_clean_run.h"
#include "ui/framework/timer.h"
#include "ui/framework/window.h"

namespace scrubwell::ui {

class MultiCleanStatusWindow : public Window, public MultiCleanStatus {
 public:
  MultiCleanStatusWindow();
  void applyTexts() override;

  // Shows the window at the top edge with an empty step label and starts the blinking.
  void start();
  // Stops the blinking and hides the window.
  void stop();
  void setStep(const std::string& text) override;
  // "cancel": says once per run that the run stops, then sets the run's and the walks' cancel
  // flags.
  void cancelRun();

  Label step;
  Button cancel;
  Timer blink{1000};  // toggles the step label's visibility

 protected:
  void onShown() override;
  void onClose() override {}  // only "cancel" ends a run early
};

}  // namespace scrubwell::ui

// The language window: at first start the user picks the language of the program's texts; on
// later starts its timer only re-applies the saved language. Start-up waits for its step.
#pragma once
#include "ui/framework/timer.h"
#include "ui/framework/window.h"

namespace scrubwell::ui {

class LanguageWindow : public Window {
 public:
  LanguageWindow();
  void applyTexts() override;

  // Lists an empty entry and then every language name in number order; preselects "Deutsch"
  // when the user interface is German.
  void fillLanguages();
  // The start-up step, run once on the first tick of the 1 ms timer.
  void runStartupStep();
  bool stepDone() const { return stepDone_; }
  // The confirm button: marker file, apply the language, save its number, restart.
  void confirm();

  ListBox languages;
  Button confirmButton;
  Timer stepTimer{1, false};

 private:
  void updateConfirm();
  Label prompt_, busy_;
  ProgressBar busyBar_;
  bool stepDone_ = false;
};

}  // namespace scrubwell::ui

// The splash window shown while the program starts; its picture stays hidden.
#pragma once
#include "ui/framework/window.h"

namespace scrubwell::ui {

class SplashWindow : public Window {
 public:
  SplashWindow();
  void applyTexts() override;

 private:
  Label title_;
  Picture picture_;
};

}  // namespace scrubwell::ui

// The information window: "the folder was emptied successfully", with an optional line of freed
// disk space, after a clean-up that empties folders directly.
#pragma once
#include "ui/framework/window.h"

namespace scrubwell::ui {

class InformationWindow : public Window {
 public:
  InformationWindow();
  void applyTexts() override;

  // Sets and shows the freed-space line.
  void showFreedSpace(const std::string& text);
  // Shows the window (with the finish sound).
  void showInformation();
  // Shows the window with two lines of its own in place of "the folder was emptied"; "back"
  // restores the usual lines.
  void showInformation(const std::string& line1, const std::string& line2);
  void back();

  Label freedSpace;

 private:
  Label line1_, line2_;
  Button back_;
};

}  // namespace scrubwell::ui

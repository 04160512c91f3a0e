// The information window: "the folder was emptied successfully" (or that some files stayed),
// with an optional line of freed disk space, after a clean-up that empties folders directly.
#pragma once
#include <cstdint>

#include "ui/framework/window.h"

namespace scrubwell::ui {

class InformationWindow : public Window {
 public:
  InformationWindow();
  void applyTexts() override;

  // Sets and shows the freed-space line.
  void showFreedSpace(const std::string& text);
  // The freed-space line for `freedBytes` (text 173 and the kilobytes), shown only above 0.
  void setFreedBytes(int64_t freedBytes);
  // Shows the window (with the finish sound).
  void showInformation();
  // Shows the window with two lines of its own in place of "the folder was emptied"; "back"
  // restores the usual lines.
  void showInformation(const std::string& line1, const std::string& line2);
  // After a clean-up that emptied folders: the freed-space line when `freedBytes` is above 0,
  // and whether every file went; then shows the window.
  void showEmptied(int64_t freedBytes, bool complete);
  void back();
  bool complete() const { return complete_; }
  const std::string& firstLine() const { return line1_.text(); }
  const std::string& secondLine() const { return line2_.text(); }

  Label freedSpace;

 private:
  Label line1_, line2_;
  Button back_;
  bool complete_ = true;

  void setComplete(bool complete);
};

}  // namespace scrubwell::ui

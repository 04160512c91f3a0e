// The survey window of uninstall mode: shows the survey page in the system's web browser
// control, or, where that control cannot be created, the page's address as a link.
#pragma once
#include "ui/framework/window.h"

namespace scrubwell::ui {

class SurveyWindow : public Window {
 public:
  SurveyWindow();
  // Navigates to `address`; true when the embedded browser could be created.
  bool navigate(const std::string& address);
  bool embedded() const { return browser_ != nullptr; }
  // Runs the window until the user closes it.
  void runUntilClosed();

 protected:
  void onCreated() override;
  void onClose() override;
  INT_PTR onMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;

 private:
  void layout();
  Label text_;
  Button link_, close_;
  std::string address_;
  HWND browser_ = nullptr;
  bool closed_ = false;
};

}  // namespace scrubwell::ui

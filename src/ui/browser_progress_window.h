// The browser progress window: while the browser clean-up runs, a running animation, what is
// being cleaned (a browser's name or the address being removed) and the space freed so far.
#pragma once
#include <cstdint>
#include <string>

#include "ui/framework/window.h"

namespace scrubwell::ui {

class BrowserProgressWindow : public Window {
 public:
  BrowserProgressWindow();
  void applyTexts() override;

  void start();
  // Shows the item and the freed kilobytes, and pumps messages.
  void showProgress(const std::string& item, int64_t freedBytes);
  void stop();

  Label name, kilobytes;

 private:
  Label now_, freed_;
  ProgressBar animation_;
};

}  // namespace scrubwell::ui

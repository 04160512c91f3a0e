// The browser window: explains the browser clean-up and offers its two boxes (cookies, visited
// links), both off at every start. "go on" (or a click on "continue") runs the clean-up with
// the browser progress window shown and ends in the information window with the freed space;
// "back" returns. Without an Internet Explorer cache folder it says so and offers only "back".
#pragma once
#include <optional>

#include "browser/browser_options.h"
#include "ui/framework/window.h"

namespace scrubwell::ui {

class BrowserWindow : public Window {
 public:
  BrowserWindow();
  void applyTexts() override;

  // Looks for the cache folder the first time, then shows the window.
  void open();
  BrowserOptions options() const { return {cookies.checked(), history.checked()}; }
  // "go on": runs the clean-up and shows what it freed.
  void clean();

  CheckBox cookies, history;
  Label noCache;
  Button goOn;

 private:
  Label heading_, text_, continue_;
  Button back_;
  std::optional<bool> cacheFound_;
};

}  // namespace scrubwell::ui

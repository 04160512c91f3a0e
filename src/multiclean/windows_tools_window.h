// The Windows-tools window: empties the recycle bin, opens the installed-software panel or the
// system information program; "back" returns.
#pragma once
#include "ui/framework/window.h"

namespace scrubwell::ui {

class WindowsToolsWindow : public Window {
 public:
  WindowsToolsWindow();
  void applyTexts() override;

  Button emptyRecycleBin, installedSoftware, systemInformation, back;

 private:
  Label heading_;
};

}  // namespace scrubwell::ui

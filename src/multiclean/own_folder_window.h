// The own-folder window: edits the list of the user's own scratch folders (paths without a
// trailing backslash, no two equal ignoring case).
#pragma once
#include "ui/framework/window.h"

namespace scrubwell::ui {

class OwnFolderWindow : public Window {
 public:
  OwnFolderWindow();
  void applyTexts() override;

  ListBox folders;

 private:
  Button add_, delete_, deleteAll_, find_, back_;
};

}  // namespace scrubwell::ui

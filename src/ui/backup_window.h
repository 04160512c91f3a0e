// The backup window: lists the backup points and restores chosen files; owns the backup option
// ("Keep deleted files 14 days.") and the box for the automatic removal of old backups.
#pragma once
#include "ui/framework/window.h"

namespace scrubwell::ui {

class BackupWindow : public Window {
 public:
  BackupWindow();
  void applyTexts() override;

  CheckBox backupOption;
  CheckBox autoRemove;
  ListBox points;
  CheckListBox files;

 private:
  Label pointsCaption_;
  Button back_;
};

}  // namespace scrubwell::ui

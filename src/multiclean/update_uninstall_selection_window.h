// The update-uninstall selection window: one ticked row per folder found, with its size; "go on"
// removes the ticked folders with backup and shows the status report, "back" returns.
#pragma once
#include <string>
#include <vector>

#include "ui/framework/window.h"

namespace scrubwell::ui {

class UpdateUninstallSelectionWindow : public Window {
 public:
  UpdateUninstallSelectionWindow();
  void applyTexts() override;

  // Keeps `folders` and shows one ticked row for each, in order.
  void setSelectionData(const std::vector<std::string>& folders);
  const std::vector<std::string>& folders() const { return folders_; }

  CheckListBox rows;
  Button goOn, back;

 private:
  // Removes the folders of the ticked rows; with none ticked says so.
  void removeTicked();

  Label heading_;
  std::vector<std::string> folders_;
};

}  // namespace scrubwell::ui

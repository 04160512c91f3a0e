// The own-folder window: edits the list of the user's own scratch folders (own_folder_list.h):
// "add" through the folder browser, "delete" (the selected entry, else the first), "delete all",
// and the automatic search for temp folders on the drives of the drive slots.
#pragma once
#include <string>
#include <vector>

#include "ui/framework/window.h"

namespace scrubwell::ui {

class OwnFolderWindow : public Window {
 public:
  OwnFolderWindow();
  void applyTexts() override;

  ListBox folders;
  Button add, deleteSelected, deleteAll, find;

 private:
  // Appends each path the list takes (own_folder_list.h), in order.
  void addFolders(const std::vector<std::string>& paths);
  void findTemporaryFoldersOnDrives();

  Button back_;
};

}  // namespace scrubwell::ui

// The own-folder window's list and its editing buttons.
#include "multiclean/own_folder_window.h"

#include "base/texts.h"
#include "own_folder_window_res.h"
#include "ui/sounds.h"

namespace scrubwell::ui {

OwnFolderWindow::OwnFolderWindow()
    : Window("ownfolders", IDD_OWNFOLDERS),
      folders(IDC_OWN_LIST),
      add_(IDC_OWN_ADD),
      delete_(IDC_OWN_DELETE),
      deleteAll_(IDC_OWN_DELETEALL),
      find_(IDC_OWN_FIND),
      back_(IDC_OWN_BACK) {
  bind({&folders, &add_, &delete_, &deleteAll_, &find_, &back_});
  delete_.onClick = [this] {
    playClick();
    folders.removeAt(folders.selectedIndex());
  };
  deleteAll_.onClick = [this] {
    playClick();
    folders.clear();
  };
  back_.onClick = [this] {
    playClick();
    hide();
  };
  // Adding by the folder browser and the search for temp folders come with the folder clean-ups.
  add_.setEnabled(false);
  find_.setEnabled(false);
}

void OwnFolderWindow::applyTexts() {
  setCaption(tr(5200));
  add_.setText(tr(5201));
  delete_.setText(tr(5202));
  deleteAll_.setText(tr(5203));
  find_.setText(tr(5204));
  back_.setText(tr(44));
}

}  // namespace scrubwell::ui

// The own-folder window's list and its editing buttons.
#include "multiclean/own_folder_window.h"

#include <algorithm>

#include "app/app_windows.h"
#include "base/file_ops.h"
#include "base/texts.h"
#include "own_folder_window_res.h"
#include "scan/cancel_flag.h"
#include "scan/folder_gate.h"
#include "scan/own_folder_list.h"
#include "scan/temp_folder_search.h"
#include "ui/sounds.h"

namespace scrubwell::ui {

OwnFolderWindow::OwnFolderWindow()
    : Window("ownfolders", IDD_OWNFOLDERS),
      folders(IDC_OWN_LIST),
      add(IDC_OWN_ADD),
      deleteSelected(IDC_OWN_DELETE),
      deleteAll(IDC_OWN_DELETEALL),
      find(IDC_OWN_FIND),
      back_(IDC_OWN_BACK) {
  bind({&folders, &add, &deleteSelected, &deleteAll, &find, &back_});
  add.onClick = [this] {
    playClick();
    std::string chosen = "C:\\";
    if (browseForFolder(hwnd(), tr(5243), chosen)) addFolders({chosen});
  };
  deleteSelected.onClick = [this] {
    playClick();
    // With nothing selected the first entry goes.
    if (folders.count() > 0) folders.removeAt(std::max(folders.selectedIndex(), 0));
  };
  deleteAll.onClick = [this] {
    playClick();
    folders.clear();
  };
  find.onClick = [this] {
    playClick();
    findTemporaryFoldersOnDrives();
  };
  back_.onClick = [this] {
    playClick();
    hide();
  };
}

void OwnFolderWindow::applyTexts() {
  setCaption(tr(5200));
  add.setText(tr(5201));
  deleteSelected.setText(tr(5202));
  deleteAll.setText(tr(5203));
  find.setText(tr(5204));
  back_.setText(tr(44));
}

void OwnFolderWindow::addFolders(const std::vector<std::string>& paths) {
  std::vector<std::string> list = folders.items();
  const std::vector<std::string> guarded = protectedFolders();
  bool added = false;
  for (const std::string& path : paths) added = addOwnFolder(list, path, guarded) || added;
  if (added) folders.setItems(std::move(list));
}

void OwnFolderWindow::findTemporaryFoldersOnDrives() {
  AppWindows& w = appWindows();
  TForm1& results = w.results;
  results.hideWindow();
  hide();
  // Every drive shown in a slot is searched, checked or not; the drive list is not.
  std::vector<std::string> roots;
  for (int i = 0; i < TForm1::kDriveSlots; ++i) {
    const std::string root = results.driveLabels[i].text();
    if (root.size() == 3 && results.driveChecks[i].visible()) roots.push_back(root);
  }
  cancelFlag().clear();
  w.searchProgress.start();
  const std::vector<std::string> found = findTemporaryFolders(
      roots, TemporaryFolderNames(), SearchExceptions(w.options.exceptions.items()), cancelFlag(),
      &w.searchProgress);
  w.searchProgress.stop();
  cancelFlag().clear();
  addFolders(found);
  results.showWindow();
  show();
}

}  // namespace scrubwell::ui

// The update-uninstall selection window and the removal of the ticked folders.
#include "multiclean/update_uninstall_selection_window.h"

#include "app/app_windows.h"
#include "base/texts.h"
#include "multiclean/update_uninstall_folders.h"
#include "multiclean/update_uninstall_row.h"
#include "ui/cleanup_launchers.h"
#include "ui/sounds.h"
#include "update_uninstall_selection_window_res.h"

namespace scrubwell::ui {

UpdateUninstallSelectionWindow::UpdateUninstallSelectionWindow()
    : Window("updateuninstallselection", IDD_UPDATEUNINSTALLSELECT),
      rows(IDC_UUS_LIST),
      goOn(IDC_UUS_GOON),
      back(IDC_UUS_BACK),
      heading_(IDC_UUS_HEADING) {
  bind({&rows, &goOn, &back, &heading_});
  back.onClick = [this] {
    playClick();
    hide();
    appWindows().results.showWindow();
  };
  goOn.onClick = [this] {
    playClick();
    hide();
    removeTicked();
  };
}

void UpdateUninstallSelectionWindow::applyTexts() {
  setCaption(tr(5115));
  heading_.setText(tr(184));
  goOn.setText(tr(5196));
  back.setText(tr(44));
}

void UpdateUninstallSelectionWindow::setSelectionData(const std::vector<std::string>& folders) {
  folders_ = folders;
  std::vector<std::string> texts;
  for (const std::string& folder : folders)
    texts.push_back(updateUninstallRowText(folder, updateUninstallFolderSize(folder)));
  rows.setItems(std::move(texts));
  for (int i = 0; i < rows.count(); ++i) rows.setChecked(i, true);
}

void UpdateUninstallSelectionWindow::removeTicked() {
  AppWindows& w = appWindows();
  std::vector<std::string> ticked;
  for (int i = 0; i < rows.count() && i < static_cast<int>(folders_.size()); ++i)
    if (rows.checked(i)) ticked.push_back(folders_[static_cast<size_t>(i)]);
  if (ticked.empty()) {
    w.message.showMessage(tr(92));
    w.results.showWindow();
    return;
  }
  RemovalParts parts{w.report, w.deleting, w.backupProgress, [&w] { w.results.hideWindow(); }};
  finishFolderTreeRemoval(removeUpdateUninstallFolders(ticked, w.results.removalSettings(), parts));
}

}  // namespace scrubwell::ui

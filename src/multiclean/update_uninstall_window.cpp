// The update-uninstall folders window.
#include "multiclean/update_uninstall_window.h"

#include "app/app_windows.h"
#include "base/texts.h"
#include "multiclean/update_uninstall_folders.h"
#include "ui/sounds.h"
#include "update_uninstall_window_res.h"

namespace scrubwell::ui {

UpdateUninstallWindow::UpdateUninstallWindow()
    : Window("updateuninstall", IDD_UPDATEUNINSTALL),
      goOn(IDC_UUN_GOON),
      back(IDC_UUN_BACK),
      heading_(IDC_UUN_HEADING),
      text_(IDC_UUN_TEXT) {
  bind({&goOn, &back, &heading_, &text_});
  back.onClick = [this] {
    playClick();
    hide();
    appWindows().results.showWindow();
  };
  goOn.onClick = [this] {
    playClick();
    AppWindows& w = appWindows();
    const std::vector<std::string> folders = findUpdateUninstallFolders();
    hide();
    if (folders.empty()) {
      w.message.showMessage(tr(241));
      w.results.showWindow();
      return;
    }
    w.updateUninstallSelection.setSelectionData(folders);
    w.updateUninstallSelection.show();
  };
}

void UpdateUninstallWindow::applyTexts() {
  setCaption(tr(5115));
  heading_.setText(tr(5192));
  text_.setText(tr(261));
  goOn.setText(tr(5196));
  back.setText(tr(44));
}

}  // namespace scrubwell::ui

// The temp-folder window.
#include "ui/temporary_folder_window.h"

#include "app/app_windows.h"
#include "base/file_ops.h"
#include "base/texts.h"
#include "scan/temporary_folders.h"
#include "temporary_folder_window_res.h"
#include "ui/sounds.h"

namespace scrubwell::ui {

TemporaryFolderWindow::TemporaryFolderWindow()
    : Window("temporaryfolder", IDD_TEMPFOLDER),
      folder(IDC_TMP_FOLDER),
      error(IDC_TMP_ERROR),
      goOn(IDC_TMP_GOON),
      heading_(IDC_TMP_HEADING),
      text_(IDC_TMP_TEXT),
      back_(IDC_TMP_BACK) {
  bind({&folder, &error, &goOn, &heading_, &text_, &back_});
  error.setVisible(false);
  back_.onClick = [this] {
    playClick();
    hide();
    appWindows().results.showWindow();
  };
  goOn.onClick = [this] {
    playClick();
    hide();
    appWindows().results.startTemporaryFolderScan();
  };
}

void TemporaryFolderWindow::applyTexts() {
  setCaption(tr(5240));
  heading_.setText(tr(5240));
  text_.setText(tr(5241));
  error.setText(tr(5242));
  goOn.setText(tr(5196));
  back_.setText(tr(44));
}

void TemporaryFolderWindow::open() {
  const std::string temp = temporaryFolder();
  // TEMP may name a folder that is never walked (a drive root, the Windows folder); then only
  // the Windows temp folders are, and the window says where it starts from all the same.
  const bool found = !temp.empty() && !temporaryScanFolders().empty();
  folder.setText(found ? "(" + temp + ")" : "");
  error.setVisible(!found);
  goOn.setVisible(found);
  show();
}

}  // namespace scrubwell::ui

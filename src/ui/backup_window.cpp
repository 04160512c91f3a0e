// The backup window's controls and the link between its backup option and the options window's.
#include "ui/backup_window.h"

#include "app/app_windows.h"
#include "app/texts.h"
#include "backup_window_res.h"
#include "ui/sounds.h"

namespace scrubwell::ui {

BackupWindow::BackupWindow()
    : Window("backup", IDD_BACKUP),
      backupOption(IDC_BAK_OPTION),
      autoRemove(IDC_BAK_AUTOREMOVE),
      points(IDC_BAK_POINTS),
      files(IDC_BAK_FILES),
      pointsCaption_(IDC_BAK_POINTS_CAPTION),
      back_(IDC_BAK_BACK) {
  backupOption.setChecked(true);
  bind({&backupOption, &autoRemove, &points, &files, &pointsCaption_, &back_});
  backupOption.onChange = [this] {
    appWindows().options.backupOption.setChecked(backupOption.checked());
  };
  back_.onClick = [this] {
    playClick();
    endModal(IDOK);
  };
}

void BackupWindow::applyTexts() {
  setCaption(tr(247));
  pointsCaption_.setText(tr(5170));
  backupOption.setText(tr(5159));
  autoRemove.setText(tr(5171));
  back_.setText(tr(44));
}

}  // namespace scrubwell::ui

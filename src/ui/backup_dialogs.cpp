// The confirmation before removing all backup points, and the backup notice.
#include "ui/backup_dialogs.h"

#include "app/app_windows.h"
#include "backup/backup_points.h"
#include "backup_window_res.h"
#include "base/app_state.h"
#include "base/texts.h"
#include "ui/sounds.h"

namespace scrubwell::ui {

RemoveAllPointsWindow::RemoveAllPointsWindow()
    : Window("remove all points", IDD_BAK_CONFIRM),
      band_(IDC_BCF_BAND),
      back_(IDC_BCF_BACK),
      goOn_(IDC_BCF_GO_ON) {
  for (size_t i = 0; i < lines_.size(); ++i) {
    lines_[i].setId(IDC_BCF_LINE1 + static_cast<int>(i));
    bind(lines_[i]);
  }
  bind({&band_, &back_, &goOn_});
  band_.setToolBand(true);
  goOn_.onClick = [this] {
    playClick();
    deleteAllPoints(appState().backupFolder);
    AppWindows& w = appWindows();
    w.message.showMessage(tr(249));
    w.backup.fillPointList();
    endModal(IDOK);
  };
  back_.onClick = [this] { endModal(IDCANCEL); };
}

void RemoveAllPointsWindow::applyTexts() {
  setCaption(tr(141));
  band_.setText(tr(45));
  lines_[0].setText(tr(143));
  lines_[1].setText(tr(144));
  lines_[2].setText(tr(145));
  back_.setText(tr(44));
  goOn_.setText(tr(107));
}

BackupNoticeWindow::BackupNoticeWindow()
    : Window("backup notice", IDD_BAK_NOTICE), band_(IDC_BNT_BAND), goOn_(IDC_BNT_GO_ON) {
  for (size_t i = 0; i < lines_.size(); ++i) {
    lines_[i].setId(IDC_BNT_LINE1 + static_cast<int>(i));
    bind(lines_[i]);
  }
  bind({&band_, &goOn_});
  band_.setToolBand(true);
  goOn_.onClick = [this] { endModal(IDOK); };
}

void BackupNoticeWindow::applyTexts() {
  setCaption(tr(100));
  band_.setText(tr(45));
  for (size_t i = 0; i < lines_.size(); ++i) lines_[i].setText(tr(134 + static_cast<int>(i)));
  goOn_.setText(tr(107));
}

}  // namespace scrubwell::ui

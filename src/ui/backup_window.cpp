// The backup window: point list, file list, restore, removal and the backup switches.
#include "ui/backup_window.h"

#include "app/app_windows.h"
#include "app/startup.h"
#include "backup/auto_removal.h"
#include "backup/point_restore.h"
#include "backup/point_text.h"
#include "backup_window_res.h"
#include "base/app_state.h"
#include "base/settings_file.h"
#include "base/texts.h"
#include "ui/sounds.h"

namespace scrubwell::ui {

BackupWindow::BackupWindow()
    : Window("backup", IDD_BACKUP),
      backupOption(IDC_BAK_OPTION),
      autoRemove(IDC_BAK_AUTOREMOVE),
      points(IDC_BAK_POINTS),
      files(IDC_BAK_FILES),
      restore(IDC_BAK_RESTORE),
      removePoint(IDC_BAK_REMOVE_POINT),
      removeAll(IDC_BAK_REMOVE_ALL),
      markAll(IDC_BAK_MARK_ALL),
      unmarkAll(IDC_BAK_UNMARK_ALL),
      band_(IDC_BAK_BAND),
      pointsCaption_(IDC_BAK_POINTS_CAPTION),
      autoRemoveLabel_(IDC_BAK_AUTOREMOVE_LABEL),
      back_(IDC_BAK_BACK) {
  backupOption.setChecked(true);
  for (size_t i = 0; i < explanation_.size(); ++i) {
    explanation_[i].setId(IDC_BAK_EXPLAIN1 + static_cast<int>(i));
    bind(explanation_[i]);
  }
  bind({&backupOption, &autoRemove, &points, &files, &restore, &removePoint, &removeAll, &markAll,
        &unmarkAll, &band_, &pointsCaption_, &autoRemoveLabel_, &back_});
  band_.setToolBand(true);

  backupOption.onChange = [this] {
    backupOptionToggled(*this, backupOption, appWindows().options.backupOption);
  };
  autoRemove.onChange = [this] {
    playClick();
    setAutoRemoval(autoRemove.checked());
  };
  autoRemoveLabel_.onClick = [this] { autoRemove.click(); };
  points.onSelect = [this] { fillFileList(); };
  files.onRowHover = [this](int line) { fileHovered(line); };
  markAll.onClick = [this] {
    for (int i = 0; i < files.count(); ++i) files.setChecked(i, true);
  };
  unmarkAll.onClick = [this] {
    for (int i = 0; i < files.count(); ++i) files.setChecked(i, false);
  };
  restore.onClick = [this] { restoreMarked(); };
  removePoint.onClick = [this] { removeSelectedPoint(); };
  removeAll.onClick = [] {
    playClick();
    appWindows().removeAllPoints.showModal();
  };
  back_.onClick = [this] {
    playClick();
    endModal(IDOK);
  };
}

void BackupWindow::applyTexts() {
  setCaption(tr(1) + " " + tr(251));
  band_.setText(tr(45));
  backupOption.setText(tr(78));
  explanation_[0].setText(tr(79) + " " + tr(80));
  explanation_[1].setText(tr(81) + " " + tr(82));
  explanation_[2].setText(tr(83) + " " + tr(84));
  pointsCaption_.setText(tr(253));
  removePoint.setText(tr(254));
  removeAll.setText(tr(255));
  restore.setText(tr(256));
  autoRemoveLabel_.setText(tr(257));
  markAll.setText(tr(23));
  unmarkAll.setText(tr(24));
  back_.setText(tr(44));
}

void BackupWindow::open() {
  fillPointList();
  showModal();
  appWindows().main.show();
}

void BackupWindow::fillPointList() {
  points.clear();
  files.clear();
  pointPaths_.clear();
  firstPoint_ = PointContents{};
  for (const std::string& path : existingPoints(appState().backupFolder)) {
    PointContents contents = readPointContents(path);
    points.add(pointDisplayLine(contents.title, contents.fileCount, contents.totalBytes, tr(248)));
    pointPaths_.push_back(path);
    if (pointPaths_.size() == 1) firstPoint_ = std::move(contents);
  }
  if (points.count() > 0) points.setSelectedIndex(0);
  fillFileList();
}

std::string BackupWindow::selectedPoint() const {
  int i = points.selectedIndex();
  return i >= 0 && i < static_cast<int>(pointPaths_.size()) ? pointPaths_[i] : std::string();
}

void BackupWindow::fillFileList() {
  std::string point = selectedPoint();
  removePoint.setEnabled(!point.empty());
  removeAll.setEnabled(!point.empty());
  std::vector<std::string> lines;
  if (!point.empty()) {
    PointContents other;
    if (points.selectedIndex() != 0) other = readPointContents(point);
    const PointContents& contents = points.selectedIndex() == 0 ? firstPoint_ : other;
    for (const std::string& id : contents.fileIdLines) lines.push_back(fileListLine(id));
  }
  files.setItems(std::move(lines));
  for (int i = 0; i < files.count(); ++i) files.setChecked(i, true);
  restore.setEnabled(files.count() > 0);
  hint_.hide();
}

void BackupWindow::restoreMarked() {
  playClick();
  // A point deleted from outside while the window was open restores nothing; rather than say
  // "restored", the lists show what is there now.
  if (existingPoints(appState().backupFolder) != pointPaths_) {
    fillPointList();
    return;
  }
  std::vector<std::string> chosen;
  for (int i = 0; i < files.count(); ++i)
    if (files.checked(i)) chosen.push_back(pathOfFileListLine(files.item(i)));
  AppWindows& w = appWindows();
  w.backupProgress.showWindow();
  hide();
  restoreFromPoint(selectedPoint(), chosen, w.backupProgress);
  w.backupProgress.closeWindow();
  show();
  w.message.showMessage(tr(188));
}

void BackupWindow::removeSelectedPoint() {
  playClick();
  std::string point = selectedPoint();
  if (point.empty()) return;
  deletePoint(point);
  appWindows().message.showMessage(tr(249));
  fillPointList();
}

void BackupWindow::fileHovered(int line) {
  if (line < 0 || line >= files.count() || appState().startupBusy) return;
  hint_.show(hwnd(), files.item(line), tr(31));
}

INT_PTR BackupWindow::onMessage(UINT msg, WPARAM wp, LPARAM, bool&) {
  if (msg == WM_SHOWWINDOW && !wp) hint_.hide();
  return 0;
}

void backupOptionToggled(const Window& where, CheckBox& box, CheckBox& twin) {
  playClick();
  twin.setChecked(box.checked());
  if (!where.visible()) return;
  // Without a settings file, a file holding only this switch would load as empty lists at the
  // next start; the whole settings are written instead.
  if (settingsFile().exists())
    writeBackupOption(box.checked());
  else
    saveSettingsNow();
  if (box.checked()) appWindows().backupNotice.showModal();
}

}  // namespace scrubwell::ui

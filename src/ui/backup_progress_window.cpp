// The backup progress window.
#include "ui/backup_progress_window.h"

#include "base/texts.h"
#include "platform/message_pump.h"
#include "report_windows_res.h"
#include "resource_ids.h"

namespace scrubwell::ui {

BackupProgressWindow::BackupProgressWindow()
    : Window("backupprogress", IDD_BACKUPPROGRESS),
      file(IDC_BPR_FILE),
      bar(IDC_BPR_BAR),
      wait_(IDC_BPR_WAIT),
      icon1_(IDC_BPR_ICON1, 0),
      icon2_(IDC_BPR_ICON2, 1) {
  icon1_.setImage(IDI_DONE_MARK);
  icon2_.setImage(IDI_APP);
  bind({&file, &bar, &wait_, &icon1_, &icon2_});
  animation_.onTimer = [this] { animate(); };
}

void BackupProgressWindow::applyTexts() {
  setCaption(tr(1) + " " + tr(251));
  wait_.setText(tr(252));
}

void BackupProgressWindow::showWindow() {
  left1_ = 8;
  left2_ = 360;
  moving_ = 0;
  show();
  placeIcons();
  SetCursor(LoadCursor(nullptr, IDC_WAIT));
  animation_.setEnabled(true);
  pumpMessages();
}

void BackupProgressWindow::closeWindow() {
  animation_.setEnabled(false);
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
  hide();
}

void BackupProgressWindow::setPercent(int percent) { bar.setPosition(percent); }

void BackupProgressWindow::setFileText(const std::string& text) { file.setText(text); }

void BackupProgressWindow::animate() {
  if (moving_ == 0) {
    left1_ += 4;
    if (left1_ >= 360) {
      left1_ = 8;
      moving_ = 1;
    }
  } else {
    left2_ -= 4;
    if (left2_ <= 8) {
      left2_ = 360;
      moving_ = 0;
    }
  }
  placeIcons();
}

void BackupProgressWindow::placeIcons() {
  icon1_.setVisible(moving_ == 0);
  icon2_.setVisible(moving_ == 1);
  for (auto [pic, left] : {std::pair{&icon1_, left1_}, std::pair{&icon2_, left2_}}) {
    if (!pic->hwnd()) continue;
    RECT r;
    GetWindowRect(pic->hwnd(), &r);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(pic->hwnd(), nullptr, left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

}  // namespace scrubwell::ui

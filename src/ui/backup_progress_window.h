// The backup progress window, shared by writing and restoring backup points: a wait notice, the
// current file, a progress bar and two icons taking turns to move across the window.
#pragma once
#include "backup/backup_progress.h"
#include "ui/framework/timer.h"
#include "ui/framework/window.h"

namespace scrubwell::ui {

class BackupProgressWindow : public Window, public BackupProgress {
 public:
  BackupProgressWindow();
  void applyTexts() override;

  void showWindow() override;
  void closeWindow() override;
  void setPercent(int percent) override;
  void setFileText(const std::string& file) override;

  // One tick of the icon animation (200 ms): the first icon moves right until its left edge
  // reaches 360, then the second moves left until it is at 8 or less, and so on.
  void animate();
  int iconLeft(int icon) const { return icon == 0 ? left1_ : left2_; }
  int movingIcon() const { return moving_; }

  Label file;
  ProgressBar bar;

 private:
  void placeIcons();
  Label wait_;
  AnimatedIcon icon1_, icon2_;
  Timer animation_{200, false};
  int left1_ = 8, left2_ = 360, moving_ = 0;
};

}  // namespace scrubwell::ui

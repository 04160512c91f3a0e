// The update window: an introduction, the progress of the check, and its result, either one line
// (up to date, error, reinstall needed) or the categories of a prepared update, whose "go on"
// hands over to UPDATER.EXE. Opened modally by "Check for Updates now" and by the automatic check.
#pragma once
#include <memory>
#include <string>

#include "ui/framework/timer.h"
#include "ui/framework/window.h"
#include "update/update_animation.h"
#include "update/kv_update.h"

namespace scrubwell::ui {

class UpdateWindow : public Window {
 public:
  UpdateWindow();
  ~UpdateWindow() override;
  void applyTexts() override;

  // Shows the window modally with the introduction; returns when it closes.
  void open();
  bool checking() const { return checking_; }
  bool handOverPending() const { return engine_ != nullptr; }
  // What the close box does: during a check it cancels the check; with an update prepared it
  // hands the update over; otherwise it closes the window.
  void close();

  Label intro, checkingText, status, result, details;
  Button introGoOn, back, resultGoOn, reinstallGoOn, detailsGoOn;
  ListBox categories;
  PaintedPicture animation;
  Timer animationTimer{kUpdateAnimationStepMs};

 protected:
  void onClose() override { close(); }

 private:
  enum class Panel { intro, progress, result, details };
  void showPanel(Panel panel);
  void setStatus(const std::string& text);
  void runCheck();
  void startAnimation();
  void animationStep();
  void showResult(const KvUpdate& engine);
  void handOver();
  void reinstall();

  std::unique_ptr<KvUpdate> engine_;  // kept while a hand-over is pending
  bool checking_ = false;
  bool cancelRequested_ = false;
  std::string reinstallAddress_;
  UpdateAnimation rhythm_;
};

}  // namespace scrubwell::ui

// The splash window.
#include "ui/splash_window.h"

#include "base/texts.h"
#include "core_version.h"
#include "splash_window_res.h"

namespace scrubwell::ui {

SplashWindow::SplashWindow()
    : Window("splash", IDD_SPLASH), title_(IDC_SPL_TITLE), picture_(IDC_SPL_PICTURE) {
  picture_.setVisible(false);
  bind({&title_, &picture_});
}

void SplashWindow::applyTexts() {
  if (!tr(1).empty()) title_.setText(tr(1) + " " + kVersionText);
}

}  // namespace scrubwell::ui

// The registry result window.
#include "ui/registry_result_window.h"

#include "app/app_windows.h"
#include "base/app_state.h"
#include "base/texts.h"
#include "registry_windows_res.h"
#include "ui/sounds.h"

namespace scrubwell::ui {

RegistryResultWindow::RegistryResultWindow()
    : Window("registryresult", IDD_REGISTRYRESULT),
      line1(IDC_RGR_LINE1),
      line2(IDC_RGR_LINE2),
      panel(IDC_RGR_PANEL),
      back(IDC_RGR_BACK) {
  bind({&line1, &line2, &panel, &back});
  back.onClick = [this] {
    playClick();
    AppWindows& w = appWindows();
    if (appState().registryCheckFull)
      w.registryCheck.clearFindings();
    else
      w.uninstallResults.clearFindings();
    line2.setText(tr(122));
    hide();
    panel.setVisible(false);
    w.results.showWindow();
    appState().registryCleanBusy = 0;
  };
}

void RegistryResultWindow::applyTexts() {
  setCaption(tr(5320));
  line1.setText(tr(193));
  line2.setText(tr(122));
  panel.setText(tr(5321));
  back.setText(tr(44));
}

void RegistryResultWindow::setProblems(std::vector<std::string> unreadable) {
  unreadable_ = std::move(unreadable);
}

void RegistryResultWindow::showNothingFound() {
  std::string text = tr(5321);
  if (!unreadable_.empty()) {
    // A check that could not read a source has not shown the registry to be clean.
    text = tr(5309);
    for (const auto& source : unreadable_) text += "\r\n" + source;
  }
  line1.setVisible(false);
  panel.setText(text);
  panel.setVisible(true);
  show();
  playFinish();
}

void RegistryResultWindow::showAfterRemoval() {
  line1.setVisible(true);
  line1.setText(tr(193));
  panel.setVisible(false);
  show();
  playFinish();
}

}  // namespace scrubwell::ui

// The registry search window and the hand-over of the checks' findings.
#include "ui/registry_search_window.h"

#include <commctrl.h>

#include "app/app_windows.h"
#include "base/app_state.h"
#include "base/texts.h"
#include "platform/message_pump.h"
#include "registry/registry_scan.h"
#include "registry_windows_res.h"

namespace scrubwell::ui {

RegistrySearchWindow::RegistrySearchWindow()
    : Window("registrysearch", IDD_REGISTRYSEARCH),
      text_(IDC_RGS_TEXT),
      icon1_(IDC_RGS_ICON1, 0),
      icon2_(IDC_RGS_ICON2, 1) {
  bind({&text_, &icon1_, &icon2_});
  startTimer.onTimer = [this] {
    startTimer.setEnabled(false);  // fires once; the check never re-enters itself
    runCheck();
  };
}

void RegistrySearchWindow::applyTexts() {
  setCaption(tr(5311));
  text_.setText(tr(5312));
}

void RegistrySearchWindow::onCreated() {
  // The bar moves by itself while the check pumps messages.
  SendDlgItemMessageA(hwnd(), IDC_RGS_PROGRESS, PBM_SETMARQUEE, TRUE, 60);
}

void RegistrySearchWindow::startCheck(bool full) {
  AppWindows& w = appWindows();
  appState().registryCheckFull = full;
  if (full) w.registryCheck.clearFindings();
  w.results.hideWindow();
  show();
  startTimer.setEnabled(true);
}

void RegistrySearchWindow::runCheck() {
  AppWindows& w = appWindows();
  ScanProblems problems;
  PumpSlice pump;
  auto pace = [&pump] { pump(); };
  pump.now();
  bool found = false;
  if (appState().registryCheckFull) {
    RegistryFindings findings;
    fullRegistryCheck(findings, problems, pace);
    found = !findings.empty();
    if (found) w.registryCheck.setFindings(std::move(findings));
  } else {
    UninstallFindings uninstall;
    uninstallCheck(uninstall, problems, pace);
    found = !uninstall.lines.empty();
    if (found) w.uninstallResults.setFindings(std::move(uninstall));
  }
  hide();
  w.registryResult.setProblems(problems.unreadable);
  if (!found) {
    w.registryResult.showNothingFound();
  } else if (appState().registryCheckFull) {
    w.registryCheck.show();
  } else {
    w.uninstallResults.show();
  }
}

}  // namespace scrubwell::ui

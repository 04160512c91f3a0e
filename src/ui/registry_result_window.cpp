// The registry result window.
#include "ui/registry_result_window.h"

#include "app/app_windows.h"
#include "backup/my_backup.h"
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

bool RegistryResultWindow::removeFrom(Window& from, const std::vector<RegistryRemovalItem>& items,
                                      int unmarked) {
  AppWindows& w = appWindows();
  RemovalParts parts{w.report, w.deleting, w.backupProgress, [&from] { from.hide(); }};
  const RegistryRemovalOutcome outcome =
      removeRegistryItems(items, unmarked, w.results.removalSettings(), kRegistryExportFile, parts);
  w.deleting.stop();
  w.backupProgress.closeWindow();
  if (outcome.end != RegistryRemovalEnd::done) {
    // Nothing was deleted; the findings stay for another try.
    w.message.showMessage(outcome.end == RegistryRemovalEnd::exportFailed ? tr(5307) : tr(5308),
                          kRegistryExportFile);
    from.show();
    return false;
  }
  line1.setVisible(true);
  line1.setText(tr(193));
  panel.setVisible(false);
  show();
  playFinish();
  // Entries that stay are told about in the status report, which holds a line for each.
  if (outcome.counts.unremovable) w.report.showReport();
  return true;
}

}  // namespace scrubwell::ui

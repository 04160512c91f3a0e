// The uninstall results window.
#include "ui/uninstall_results_window.h"

#include "app/app_windows.h"
#include "base/texts.h"
#include "registry/registry_removal.h"
#include "registry_windows_res.h"
#include "ui/finding_list_buttons.h"
#include "ui/sounds.h"

namespace scrubwell::ui {

UninstallResultsWindow::UninstallResultsWindow()
    : Window("uninstallresults", IDD_UNINSTALLRESULTS),
      names(IDC_UNR_LIST),
      remove(IDC_UNR_REMOVE),
      markAll(IDC_UNR_MARKALL),
      unmarkAll(IDC_UNR_UNMARKALL),
      cancel(IDC_UNR_CANCEL),
      heading_(IDC_UNR_HEADING),
      text1_(IDC_UNR_TEXT1),
      text2_(IDC_UNR_TEXT2) {
  bind({&names, &remove, &markAll, &unmarkAll, &cancel, &heading_, &text1_, &text2_});
  names.onCheck = [this](int i) {
    if (static_cast<size_t>(i) < found_.lines.size())
      found_.lines[static_cast<size_t>(i)].selected = names.checked(i);
  };
  wireFindingListButtons({remove, markAll, unmarkAll, cancel},
                         {[this] { removeMarked(); }, [this](bool checked) { setAll(checked); },
                          [this] {
                            clearFindings();
                            hide();
                          }});
}

void UninstallResultsWindow::applyTexts() {
  setCaption(tr(5316));
  heading_.setText(tr(5317));
  text1_.setText(tr(5318));
  text2_.setText(tr(5319));
  applyFindingListButtonTexts({remove, markAll, unmarkAll, cancel});
}

void UninstallResultsWindow::setFindings(UninstallFindings found) {
  found_ = std::move(found);
  std::vector<std::string> texts;
  for (const auto& line : found_.lines) texts.push_back(line.displayName);
  names.setItems(std::move(texts));
  setAll(true);
}

void UninstallResultsWindow::clearFindings() {
  found_.clear();
  names.clear();
}

void UninstallResultsWindow::setAll(bool marked) {
  found_.setAllSelected(marked);
  for (int i = 0; i < names.count(); ++i) names.setChecked(i, marked);
}

void UninstallResultsWindow::removeMarked() {
  int unmarked = 0;
  for (const auto& line : found_.lines) unmarked += line.selected ? 0 : 1;
  if (appWindows().registryResult.removeFrom(*this, removalItems(found_), unmarked))
    clearFindings();
}

}  // namespace scrubwell::ui

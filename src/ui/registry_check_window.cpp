// The registry check results window.
#include "ui/registry_check_window.h"

#include "app/app_windows.h"
#include "base/texts.h"
#include "registry/registry_removal.h"
#include "registry_windows_res.h"
#include "ui/finding_list_buttons.h"

namespace scrubwell::ui {

RegistryCheckWindow::RegistryCheckWindow()
    : Window("registrycheck", IDD_REGISTRYCHECK),
      lines(IDC_RGC_LIST),
      description(IDC_RGC_DESCRIPTION),
      remove(IDC_RGC_REMOVE),
      markAll(IDC_RGC_MARKALL),
      unmarkAll(IDC_RGC_UNMARKALL),
      cancel(IDC_RGC_CANCEL),
      heading_(IDC_RGC_HEADING),
      descriptionLabel_(IDC_RGC_DESCRIPTION_LABEL) {
  bind({&lines, &description, &remove, &markAll, &unmarkAll, &cancel, &heading_,
        &descriptionLabel_});
  lines.onCheck = [this](int i) { findings_.setChecked(static_cast<size_t>(i), lines.checked(i)); };
  lines.onSelect = [this] {
    description.clear();
    const int i = lines.selectedIndex();
    if (i >= 0 && static_cast<size_t>(i) < findings_.size())
      description.setTextLines(findings_[static_cast<size_t>(i)].description);
  };
  wireFindingListButtons({remove, markAll, unmarkAll, cancel},
                         {[this] { removeChecked(); }, [this](bool checked) { setAll(checked); },
                          [this] {
                            hide();
                            clearFindings();
                          }});
}

void RegistryCheckWindow::applyTexts() {
  setCaption(tr(5313));
  heading_.setText(tr(5314));
  descriptionLabel_.setText(tr(5315));
  applyFindingListButtonTexts({remove, markAll, unmarkAll, cancel});
}

void RegistryCheckWindow::setFindings(RegistryFindings findings) {
  findings_ = std::move(findings);
  std::vector<std::string> texts;
  for (const auto& f : findings_.lines()) texts.push_back(f.shortText);
  lines.setItems(std::move(texts));
  setAll(true);
  description.clear();
}

void RegistryCheckWindow::clearFindings() {
  findings_.clear();
  lines.clear();
  description.clear();
}

void RegistryCheckWindow::setAll(bool checked) {
  findings_.setAllChecked(checked);
  for (int i = 0; i < lines.count(); ++i) lines.setChecked(i, checked);
}

void RegistryCheckWindow::removeChecked() {
  const int unmarked = static_cast<int>(findings_.size() - findings_.checkedCount());
  if (appWindows().registryResult.removeFrom(*this, removalItems(findings_), unmarked))
    clearFindings();
}

}  // namespace scrubwell::ui

// The results of the full registry check: one checkable line per finding with its description
// below; "remove" exports the checked findings into a registry point and deletes them.
#pragma once
#include "registry/registry_record.h"
#include "ui/framework/window.h"

namespace scrubwell::ui {

class RegistryCheckWindow : public Window {
 public:
  RegistryCheckWindow();
  void applyTexts() override;

  // The findings of a check, every line checked.
  void setFindings(RegistryFindings findings);
  void clearFindings();
  const RegistryFindings& findings() const { return findings_; }

  CheckListBox lines;
  Memo description;
  Button remove, markAll, unmarkAll, cancel;

 private:
  void setAll(bool checked);
  void removeChecked();

  Label heading_, descriptionLabel_;
  RegistryFindings findings_;
};

}  // namespace scrubwell::ui

// The results of the uninstall-entry check: one line per invalid entry, all marked when shown;
// "remove" exports the marked entries into a registry point and deletes them.
#pragma once
#include "registry/registry_record.h"
#include "ui/framework/window.h"

namespace scrubwell::ui {

class UninstallResultsWindow : public Window {
 public:
  UninstallResultsWindow();
  void applyTexts() override;

  void setFindings(UninstallFindings found);  // every line marked
  void clearFindings();
  const UninstallFindings& findings() const { return found_; }

  CheckListBox names;
  Button remove, markAll, unmarkAll, cancel;

 private:
  void setAll(bool marked);
  void removeMarked();

  Label heading_, text1_, text2_;
  UninstallFindings found_;
};

}  // namespace scrubwell::ui

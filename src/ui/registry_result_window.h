// The registry result window: shown after a removal ("successfully cleaned") or when a check
// found nothing ("no more invalid entries", or the parts of the registry it could not read).
// "back" returns to the main window and clears the registry clean busy flag.
#pragma once
#include <string>
#include <vector>

#include "registry/registry_removal.h"
#include "ui/framework/window.h"

namespace scrubwell::ui {

class RegistryResultWindow : public Window {
 public:
  RegistryResultWindow();
  void applyTexts() override;

  // The sources the last check could not read; said on the panel instead of "nothing found".
  void setProblems(std::vector<std::string> unreadable);
  void showNothingFound();

  // Removes `items` (with `unmarked` findings left alone) from the results window `from`, with
  // the program's progress windows. When the removal ran to its end this window shows, with the
  // status report too when entries stayed; otherwise nothing was deleted, the reason is shown
  // and `from` comes back. True when the removal ran to its end.
  bool removeFrom(Window& from, const std::vector<RegistryRemovalItem>& items, int unmarked);

  Label line1, line2, panel;
  Button back;

 private:
  std::vector<std::string> unreadable_;
};

}  // namespace scrubwell::ui

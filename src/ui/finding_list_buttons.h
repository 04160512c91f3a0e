// The four buttons under a list of registry findings, shared by the registry check and the
// uninstall results windows: "remove", "mark all", "unmark all", and "cancel", which drops the
// findings, goes back to the results window and ends the registry clean-up.
#pragma once
#include <functional>

#include "ui/framework/controls.h"

namespace scrubwell::ui {

struct FindingListButtons {
  Button &remove, &markAll, &unmarkAll, &cancel;
};

struct FindingListActions {
  std::function<void()> remove;
  std::function<void(bool)> setAll;    // true: every finding checked
  std::function<void()> dropFindings;  // empties the list and hides the window
};

void wireFindingListButtons(const FindingListButtons& buttons, FindingListActions actions);
void applyFindingListButtonTexts(const FindingListButtons& buttons);

}  // namespace scrubwell::ui

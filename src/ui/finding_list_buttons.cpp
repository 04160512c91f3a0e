// The buttons under a list of registry findings.
#include "ui/finding_list_buttons.h"

#include "app/app_windows.h"
#include "base/app_state.h"
#include "base/texts.h"
#include "ui/sounds.h"

namespace scrubwell::ui {

void wireFindingListButtons(const FindingListButtons& buttons, FindingListActions actions) {
  buttons.markAll.onClick = [setAll = actions.setAll] {
    playClick();
    setAll(true);
  };
  buttons.unmarkAll.onClick = [setAll = actions.setAll] {
    playClick();
    setAll(false);
  };
  buttons.cancel.onClick = [drop = actions.dropFindings] {
    playClick();
    drop();
    appWindows().results.showWindow();
    appState().registryCleanBusy = 0;
  };
  buttons.remove.onClick = [remove = actions.remove] {
    playClick();
    remove();
  };
}

void applyFindingListButtonTexts(const FindingListButtons& buttons) {
  buttons.remove.setText(tr(5143));
  buttons.markAll.setText(tr(23));
  buttons.unmarkAll.setText(tr(24));
  buttons.cancel.setText(tr(5147));
}

}  // namespace scrubwell::ui

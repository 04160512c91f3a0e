// The multi-clean chooser's boxes (all checked by default) and its buttons; the run "go on"
// starts is in chooser_run_window.cpp.
#include "multiclean/chooser_window.h"

#include "app/app_windows.h"
#include "base/texts.h"
#include "chooser_window_res.h"
#include "scan/cleanup_table.h"
#include "ui/sounds.h"

namespace scrubwell::ui {

ChooserWindow::ChooserWindow()
    : Window("chooser", IDD_CHOOSER),
      heading_(IDC_CHO_HEADING),
      back_(IDC_CHO_BACK),
      goOn_(IDC_CHO_GOON) {
  for (int i = 0; i < kBoxes; ++i) {
    boxes[i].setId(IDC_CHO_BOX1 + i);
    boxes[i].setChecked(true);
    bind(boxes[i]);
  }
  bind({&heading_, &back_, &goOn_});
  back_.onClick = [this] {
    playClick();
    onClose();
  };
  goOn_.onClick = [this] { goOn(); };
}

MultiCleanChoice ChooserWindow::choice() const {
  MultiCleanChoice chosen{};
  for (size_t i = 0; i < chosen.size(); ++i) chosen[i] = boxes[i].checked();
  return chosen;
}

void ChooserWindow::onClose() {
  hide();
  appWindows().main.show();
}

void ChooserWindow::applyTexts() {
  setCaption(tr(5180));
  heading_.setText(tr(5181));
  for (const Cleanup& c : cleanups()) boxes.at(c.chooserBox - 1).setText(tr(c.chooserText));
  back_.setText(tr(44));
  goOn_.setText(tr(5196));
}

}  // namespace scrubwell::ui

// The mask entry window's buttons and its one result.
#include "options/mask_entry_window.h"

#include "base/texts.h"
#include "options_window_res.h"
#include "ui/sounds.h"

namespace scrubwell::ui {

MaskEntryWindow::MaskEntryWindow()
    : Window("mask entry", IDD_MASK_ENTRY),
      field(IDC_MASK_FIELD),
      accept(IDC_MASK_ACCEPT),
      cancel(IDC_MASK_CANCEL),
      caption_(IDC_MASK_CAPTION) {
  bind({&field, &accept, &cancel, &caption_});
  accept.onClick = [this] {
    playClick();
    result_ = field.text();
    answered_ = true;
    endModal(IDOK);
  };
  cancel.onClick = [this] {
    playClick();
    result_.clear();
    answered_ = true;
    endModal(IDCANCEL);
  };
}

void MaskEntryWindow::applyTexts() {
  setCaption(tr(85));
  caption_.setText(tr(86));
  accept.setText(tr(87));
  cancel.setText(tr(88));
}

// Closed without either button (the close box, Escape): the field is cleared and the initial
// text stands.
std::string MaskEntryWindow::ask(const std::string& initial) {
  field.setText(initial);
  answered_ = false;
  showModal();
  if (answered_) return result_;
  field.setText("");
  return initial;
}

}  // namespace scrubwell::ui

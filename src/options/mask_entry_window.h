// The mask entry window: one text field for a file mask or search exception, shown modally.
#pragma once
#include <string>

#include "ui/framework/window.h"

namespace scrubwell::ui {

class MaskEntryWindow : public Window {
 public:
  MaskEntryWindow();
  void applyTexts() override;

  // Shows the window with the field set to `initial`. "accept" returns the field's text,
  // "cancel" an empty text; closing the window any other way returns `initial` unchanged.
  std::string ask(const std::string& initial);

  EditField field;
  Button accept, cancel;

 private:
  Label caption_;
  std::string result_;
  bool answered_ = false;  // "accept" or "cancel" ended the last run
};

}  // namespace scrubwell::ui

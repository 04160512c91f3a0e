// The options window: the junk search's file masks, the search exceptions, the option boxes,
// the look (background and search icon) and the language list.
#pragma once
#include "ui/framework/window.h"

namespace scrubwell::ui {

class OptionsWindow : public Window {
 public:
  OptionsWindow();
  void applyTexts() override;

  ListBox masks, exceptions;
  CheckBox askBeforeRemoving;    // "Box1"
  CheckBox saveAutomatically;    // "Box3"
  CheckBox deactivateDangerous;  // "Box4"
  CheckBox immediateEffect;      // "Box5"
  CheckBox normalSounds;         // "Box6"
  CheckBox enhancedSounds;       // "Box7"
  CheckBox backupOption;         // twin of the backup window's box
  ComboBox backgrounds, searchIcons, languages;

 private:
  Label masksCaption_, exceptionsCaption_, backgroundCaption_, iconCaption_, languageCaption_;
  Button save_, restore_, back_;
};

}  // namespace scrubwell::ui

// The options window: the junk search's file masks and the search exceptions with their edit
// buttons, the option boxes, the look (background and search icon), the language list and the
// backup option with the backup buttons.
#pragma once
#include <array>

#include "options/pattern_list_edit.h"
#include "ui/framework/window.h"

namespace scrubwell::ui {

class OptionsWindow : public Window {
 public:
  OptionsWindow();
  void applyTexts() override;

  ListBox masks, exceptions;
  Button maskChange, maskAdd, maskDelete;
  Button exceptionChange, exceptionAdd, exceptionDelete;
  CheckBox askBeforeRemoving;    // "Box1", hidden: only the settings file sets it
  CheckBox saveAutomatically;    // "Box3"
  CheckBox deactivateDangerous;  // "Box4"
  CheckBox immediateEffect;      // "Box5"
  CheckBox normalSounds;         // "Box6"
  CheckBox enhancedSounds;       // "Box7"
  CheckBox backupOption;         // twin of the backup window's box
  ComboBox backgrounds, searchIcons, languages;
  Button deleteBackups, restoreBackups;  // shown only while the backup folder holds files
  Button save, restore, back;

  // The height in pixels of the frame around the backup option: 172 with the backup buttons
  // shown, 136 without.
  int backupFrameHeight() const { return backupFrameHeight_; }

 protected:
  void onCreated() override;
  void onShown() override;

 private:
  void edit(ListBox& list, PatternEdit edit);
  void backgroundChosen();
  void languageChosen();

  Label band_, masksCaption_, exceptionsCaption_, optionsFrame_, backupFrame_;
  Label backgroundCaption_, iconCaption_, languageCaption_;
  std::array<Label, 6> explanation_;
  int backupFrameHeight_ = 136;
  int background_ = -1;  // the background whose picture is shown
};

}  // namespace scrubwell::ui

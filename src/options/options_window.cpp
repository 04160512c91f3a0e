// The options window's controls, their defaults and its buttons.
#include "options/options_window.h"

#include "app/app_windows.h"
#include "app/startup.h"
#include "base/texts.h"
#include "options_window_res.h"
#include "scan/junk_masks.h"
#include "scan/search_exceptions.h"
#include "ui/sounds.h"

namespace scrubwell::ui {

OptionsWindow::OptionsWindow()
    : Window("options", IDD_OPTIONS),
      masks(IDC_OPT_MASKS),
      exceptions(IDC_OPT_EXCEPTIONS),
      askBeforeRemoving(IDC_OPT_BOX1),
      saveAutomatically(IDC_OPT_BOX3),
      deactivateDangerous(IDC_OPT_BOX4),
      immediateEffect(IDC_OPT_BOX5),
      normalSounds(IDC_OPT_BOX6),
      enhancedSounds(IDC_OPT_BOX7),
      backupOption(IDC_OPT_BACKUP),
      backgrounds(IDC_OPT_BACKGROUND),
      searchIcons(IDC_OPT_ICON),
      languages(IDC_OPT_LANGUAGE),
      masksCaption_(IDC_OPT_MASKS_CAPTION),
      exceptionsCaption_(IDC_OPT_EXCEPTIONS_CAPTION),
      backgroundCaption_(IDC_OPT_BACKGROUND_CAPTION),
      iconCaption_(IDC_OPT_ICON_CAPTION),
      languageCaption_(IDC_OPT_LANGUAGE_CAPTION),
      save_(IDC_OPT_SAVE),
      restore_(IDC_OPT_RESTORE),
      back_(IDC_OPT_BACK) {
  masks.setItems(defaultJunkMasks());
  exceptions.setItems(defaultSearchExceptions());
  deactivateDangerous.setChecked(true);
  immediateEffect.setChecked(true);
  normalSounds.setChecked(true);
  enhancedSounds.setChecked(true);
  backupOption.setChecked(true);
  backgrounds.setItems({"Endless Blue", "Formula 1", "Evergreen", "Magical"});
  backgrounds.setSelectedIndex(0);
  searchIcons.setItems({"1", "2", "3", "4", "5", "6", "random"});
  searchIcons.setSelectedIndex(0);
  bind({&masks, &exceptions, &askBeforeRemoving, &saveAutomatically, &deactivateDangerous,
        &immediateEffect, &normalSounds, &enhancedSounds, &backupOption, &backgrounds,
        &searchIcons, &languages, &masksCaption_, &exceptionsCaption_, &backgroundCaption_,
        &iconCaption_, &languageCaption_, &save_, &restore_, &back_});

  backupOption.onChange = [this] {
    backupOptionToggled(*this, backupOption, appWindows().backup.backupOption);
  };
  save_.onClick = [] {
    playClick();
    saveSettingsNow();
  };
  restore_.onClick = [] {
    playClick();
    loadSettingsNow();
  };
  back_.onClick = [this] {
    playClick();
    hide();
  };
}

void OptionsWindow::applyTexts() {
  setCaption(tr(5150));
  masksCaption_.setText(tr(5151));
  exceptionsCaption_.setText(tr(5152));
  askBeforeRemoving.setText(tr(5153));
  saveAutomatically.setText(tr(5154));
  deactivateDangerous.setText(tr(5155));
  immediateEffect.setText(tr(5156));
  normalSounds.setText(tr(5157));
  enhancedSounds.setText(tr(5158));
  backupOption.setText(tr(78));
  backgroundCaption_.setText(tr(5160));
  iconCaption_.setText(tr(5161));
  languageCaption_.setText(tr(5162));
  save_.setText(tr(57));
  restore_.setText(tr(58));
  back_.setText(tr(44));
}

}  // namespace scrubwell::ui

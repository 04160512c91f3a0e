// The settings file as the program's windows hold it.
#include "app/settings_binding.h"

#include "app/app_windows.h"
#include "app/startup.h"
#include "base/settings_file.h"
#include "ui/look_choice.h"

namespace scrubwell {

SettingsControls settingsControls() {
  AppWindows& w = appWindows();
  SettingsControls c;
  c.backgrounds = &w.options.backgrounds;
  c.searchIcons = &w.options.searchIcons;
  for (int i = 0; i < ui::TForm1::kDriveSlots; ++i) c.driveSlots[i] = {&w.results.driveChecks[i], &w.results.driveLabels[i]};
  c.driveList = &w.results.driveList;
  c.resultsWindow = &w.results;
  c.backupOption = &w.backup.backupOption;
  c.backupOptionTwin = &w.options.backupOption;
  c.askBeforeRemoving = &w.options.askBeforeRemoving;
  c.saveAutomatically = &w.options.saveAutomatically;
  c.deactivateDangerousMasks = &w.options.deactivateDangerous;
  c.immediateEffect = &w.options.immediateEffect;
  c.normalSounds = &w.options.normalSounds;
  c.enhancedSounds = &w.options.enhancedSounds;
  c.masks = &w.options.masks;
  c.exceptions = &w.options.exceptions;
  c.ownFolders = &w.ownFolders.folders;
  for (int i = 0; i < ui::ChooserWindow::kBoxes; ++i) c.chooser[i] = &w.chooser.boxes[i];
  c.autoUpdate = &w.main.autoUpdate;
  c.lastUpdate = &w.main.lastUpdate;
  c.lastScan = &w.main.lastScan;
  c.applyLook = [](int background, int searchIcon) {
    ui::showBackground(background);
    ui::showSearchIcons(searchIcon);
  };
  c.mirrorDrives = [] { appWindows().main.mirrorDrives(); };
  return c;
}

void applyLookFromSettingsFile() {
  auto& options = appWindows().options;
  Look look = readLook(options.backgrounds.count(), options.searchIcons.count());
  options.backgrounds.setSelectedIndex(look.background);
  options.searchIcons.setSelectedIndex(look.searchIcon);
  ui::showBackground(look.background);
  ui::showSearchIcons(look.searchIcon);
}

void saveSettingsNow() { saveSettings(settingsControls()); }

void loadSettingsNow() {
  SettingsControls c = settingsControls();
  loadSettings(c);
}

}  // namespace scrubwell

// The controls of the windows that hold settings, with plain defaults, wired into the settings
// engine's SettingsControls; the look and drive-mirroring callbacks only record their calls.
#pragma once
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "app/settings.h"

namespace scrubwell::test {

inline const std::vector<std::string> kMasks = {"*.tmp", "*.bak", "Chkdsk.chk"};
inline const std::vector<std::string> kExceptions = {"Data.sav", "Win.old"};

struct Controls {
  ui::ListBox backgrounds, icons, masks, exceptions, ownFolders;
  std::array<ui::CheckBox, 10> slotChecks;
  std::array<ui::Label, 10> slotLabels;
  ui::CheckListBox driveList;
  ui::Window results{"settings test results", 0};
  ui::CheckBox backup, backupTwin, box1, box3, box4, box5, box6, box7, autoUpdate;
  std::array<ui::CheckBox, 14> chooser;
  ui::Label lastUpdate, lastScan;
  std::vector<std::pair<int, int>> looks;
  int mirrors = 0;

  Controls() {
    backgrounds.setItems({"Endless Blue", "Formula 1", "Evergreen", "Magical"});
    icons.setItems({"1", "2", "3", "4", "5", "6", "random"});
    masks.setItems(kMasks);
    exceptions.setItems(kExceptions);
    for (int i = 0; i < 3; ++i) slotLabels[i].setText(std::string(1, "CDE"[i]) + ":\\");
    slotChecks[0].setChecked(true);
    driveList.setItems({"F:\\", "G:\\"});
    driveList.setVisible(false);
    results.setSize(700, 400);
  }

  SettingsControls wire() {
    SettingsControls c;
    c.backgrounds = &backgrounds;
    c.searchIcons = &icons;
    for (size_t i = 0; i < 10; ++i) c.driveSlots[i] = {&slotChecks[i], &slotLabels[i]};
    c.driveList = &driveList;
    c.resultsWindow = &results;
    c.backupOption = &backup;
    c.backupOptionTwin = &backupTwin;
    c.askBeforeRemoving = &box1;
    c.saveAutomatically = &box3;
    c.deactivateDangerousMasks = &box4;
    c.immediateEffect = &box5;
    c.normalSounds = &box6;
    c.enhancedSounds = &box7;
    c.masks = &masks;
    c.exceptions = &exceptions;
    c.ownFolders = &ownFolders;
    for (size_t i = 0; i < 14; ++i) c.chooser[i] = &chooser[i];
    c.autoUpdate = &autoUpdate;
    c.lastUpdate = &lastUpdate;
    c.lastScan = &lastScan;
    c.applyLook = [this](int b, int i) { looks.emplace_back(b, i); };
    c.mirrorDrives = [this] { ++mirrors; };
    return c;
  }
};

}  // namespace scrubwell::test

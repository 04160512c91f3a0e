// Saving and loading the settings file. The settings live in the windows' own controls; this
// names the controls that are read and written, so saving and loading need no window.
#pragma once
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "scan/done_marks.h"
#include "scan/drive_offer.h"
#include "ui/framework/controls.h"
#include "ui/framework/window.h"

namespace scrubwell {

// Stored counts are obeyed up to this many entries, so a garbage count cannot make loading hang.
inline constexpr int kMaxStoredListEntries = 10000;

struct DriveSlot {
  ui::CheckBox* check = nullptr;
  ui::Control* label = nullptr;  // a drive root such as "C:\", empty for an unused slot
};

// Every control the settings file is loaded into and saved from. All pointers must be set.
struct SettingsControls {
  // Options window: look lists (background, search icon).
  ui::ListBox* backgrounds = nullptr;
  ui::ListBox* searchIcons = nullptr;
  // Results window: the ten drive slots, the drive list (saved only while visible), the size.
  std::array<DriveSlot, DriveOffer::kSlots> driveSlots{};
  ui::CheckListBox* driveList = nullptr;
  ui::Window* resultsWindow = nullptr;
  // The backup option: the backup window's box and its twin in the options window.
  ui::CheckBox* backupOption = nullptr;
  ui::CheckBox* backupOptionTwin = nullptr;
  // Options window boxes, stored as "Box1", "Box3" ... "Box7".
  ui::CheckBox* askBeforeRemoving = nullptr;         // Box1
  ui::CheckBox* saveAutomatically = nullptr;         // Box3
  ui::CheckBox* deactivateDangerousMasks = nullptr;  // Box4
  ui::CheckBox* immediateEffect = nullptr;           // Box5
  ui::CheckBox* normalSounds = nullptr;              // Box6
  ui::CheckBox* enhancedSounds = nullptr;            // Box7
  // Options window lists and the own-folder list.
  ui::ListBox* masks = nullptr;
  ui::ListBox* exceptions = nullptr;
  ui::ListBox* ownFolders = nullptr;
  // Multi-clean chooser boxes "Chk1" to "Chk14".
  std::array<ui::CheckBox*, DoneMarks::kCount> chooser{};  // one per clean-up
  // Main window: automatic update box and the two date labels.
  ui::CheckBox* autoUpdate = nullptr;
  ui::Control* lastUpdate = nullptr;
  ui::Control* lastScan = nullptr;

  // Paints the chosen background and search icon (called after both lists are selected).
  std::function<void(int background, int searchIcon)> applyLook;
  // Copies the drive selection of the results window into the main window.
  std::function<void()> mirrorDrives;
};

// Writes every section in its fixed order. Does nothing while a restart is pending.
void saveSettings(const SettingsControls& c);
// Reads the file into the controls; a missing file keeps the windows' own defaults for the look,
// drives, size, options and lists, and uses the built-in defaults for the chooser, the dates and
// the automatic update box. Then adds the downloaded exceptions of "update.ini", removes
// dangerous entries and mirrors the drives.
void loadSettings(SettingsControls& c);

// The exceptions of the last load that came from "update.ini"; they are never saved.
const std::vector<std::string>& downloadedExceptions();

}  // namespace scrubwell

// Saving and loading the settings file into the windows' controls.
#include "app/settings.h"

#include <algorithm>

#include "base/app_state.h"
#include "base/dangerous_entry.h"
#include "base/data_folder.h"
#include "base/settings_file.h"
#include "base/settings_values.h"
#include "base/texts.h"
#include "options/pattern_list_edit.h"
#include "platform/text_upper.h"
#include "scan/folder_gate.h"
#include "scan/own_folder_list.h"

namespace scrubwell {
namespace {

constexpr const char* kDrives = "Markierte Laufwerke";
constexpr const char* kOptions = "Markiert";
constexpr const char* kCount = "Anzahl";

std::vector<std::string>& downloaded() {
  static std::vector<std::string> list;
  return list;
}

struct OptionKey {
  ui::CheckBox* SettingsControls::*box;
  const char* key;
  bool fallback;
};
constexpr OptionKey kOptionKeys[] = {
    {&SettingsControls::askBeforeRemoving, "Box1", false},
    {&SettingsControls::saveAutomatically, "Box3", false},
    {&SettingsControls::deactivateDangerousMasks, "Box4", true},
    {&SettingsControls::immediateEffect, "Box5", true},
    {&SettingsControls::normalSounds, "Box6", true},
    {&SettingsControls::enhancedSounds, "Box7", true},
};

void writeList(IniFile& ini, const char* section, const std::string& prefix,
               const std::vector<std::string>& entries) {
  int n = 0;
  for (const auto& e : entries) ini.writeString(section, prefix + std::to_string(++n), e);
  ini.writeInt(section, kCount, n);
}

// The stored entries prefix + 1 .. prefix + count that are neither empty nor a single blank.
std::vector<std::string> readList(const IniFile& ini, const char* section,
                                  const std::string& prefix) {
  const auto keys = ini.readSection(section);
  const auto countKey = keys.find("ANZAHL");
  const int count = std::min(countKey == keys.end() ? 0 : parseIniInteger(countKey->second, 0),
                             kMaxStoredListEntries);
  const std::string upperPrefix = toUpper(prefix);
  std::vector<std::string> entries;
  for (int n = 1; n <= count; ++n) {
    auto it = keys.find(upperPrefix + std::to_string(n));
    if (it != keys.end() && !isBlankEntry(it->second)) entries.push_back(it->second);
  }
  return entries;
}

bool isDownloaded(const std::string& entry) {
  return std::any_of(downloaded().begin(), downloaded().end(),
                     [&](const std::string& d) { return equalsIgnoringCase(d, entry); });
}

void loadLook(const IniFile& ini, SettingsControls& c) {
  int back = clampLookIndex(ini.readInt("skin", "back", 0), c.backgrounds->count());
  int icon = clampLookIndex(ini.readInt("skin", "icon", 0), c.searchIcons->count());
  c.backgrounds->setSelectedIndex(back);
  c.searchIcons->setSelectedIndex(icon);
  if (c.applyLook) c.applyLook(back, icon);
}

void loadDrives(const IniFile& ini, SettingsControls& c) {
  for (auto& slot : c.driveSlots) slot.check->setChecked(false);
  for (const auto& letter : readList(ini, kDrives, "Lw")) {
    const std::string root = letter + ":\\";
    for (auto& slot : c.driveSlots)
      if (slot.label->text() == root) slot.check->setChecked(true);
    for (int i = 0; i < c.driveList->count(); ++i)
      if (c.driveList->item(i) == root) c.driveList->setChecked(i, true);
  }
}

void loadDates(const IniFile& ini, bool fileExists, SettingsControls& c) {
  const std::string never = tr(304);
  auto shownDate = [&](const char* section, const char* key) {
    std::string text = fileExists ? ini.readString(section, key, never) : never;
    return text == "never" || text == "-" || text.empty() ? never : text;
  };
  c.lastScan->setText(shownDate("Scan", "lastScan"));
  c.lastUpdate->setText(shownDate("Updatescan", "lastUpdate"));
  if (daysSinceLastUpdateCheck(c.lastUpdate->text()) == 100) {
    if (c.lastScan->text() == c.lastUpdate->text()) c.lastScan->setText(never);
    c.lastUpdate->setText(never);
  }
}

}  // namespace

const std::vector<std::string>& downloadedExceptions() { return downloaded(); }

void saveSettings(const SettingsControls& c) {
  if (appState().restartPending) return;
  IniFile ini = settingsFile();

  ini.writeInt("skin", "back", c.backgrounds->selectedIndex());
  ini.writeInt("skin", "icon", c.searchIcons->selectedIndex());

  int drives = 0;
  auto writeDrive = [&](const std::string& root) {
    if (!root.empty()) ini.writeString(kDrives, "Lw" + std::to_string(++drives), root.substr(0, 1));
  };
  for (const auto& slot : c.driveSlots)
    if (slot.check->checked()) writeDrive(slot.label->text());
  if (c.driveList->visible())
    for (int i = 0; i < c.driveList->count(); ++i)
      if (c.driveList->checked(i)) writeDrive(c.driveList->item(i));
  ini.writeInt(kDrives, kCount, drives);

  ini.writeInt("Position", "Height", c.resultsWindow->height());
  ini.writeInt("Position", "Width", c.resultsWindow->width());
  ini.writeBool("Sicherheit", "Sicherheitsoption", c.backupOption->checked());
  for (const auto& o : kOptionKeys) ini.writeBool(kOptions, o.key, (c.*o.box)->checked());

  writeList(ini, "Dateimasken", "Maske", c.masks->items());
  std::vector<std::string> own;
  for (const auto& e : c.exceptions->items())
    if (!isDownloaded(e)) own.push_back(e);
  writeList(ini, "Suchausnahmen", "Maske", own);
  writeList(ini, "TempFolders", "TempFolder", c.ownFolders->items());

  for (size_t n = 0; n < c.chooser.size(); ++n)
    ini.writeBool("MultiOption", "Chk" + std::to_string(n + 1), c.chooser[n]->checked());
  ini.writeBool("Updatescan", "autoscan", c.autoUpdate->checked());
  ini.writeString("Updatescan", "lastUpdate", c.lastUpdate->text());
  ini.writeString("Scan", "lastScan", c.lastScan->text());
  ini.flush();
}

void loadSettings(SettingsControls& c) {
  const IniFile ini = settingsFile();
  const bool exists = ini.exists();
  if (exists) {
    loadLook(ini, c);
    loadDrives(ini, c);
    c.resultsWindow->setSize(ini.readInt("Position", "Width", 760),
                             ini.readInt("Position", "Height", 494));
    bool backup = ini.readBool("Sicherheit", "Sicherheitsoption", true);
    c.backupOption->setChecked(backup);
    c.backupOptionTwin->setChecked(backup);
    for (const auto& o : kOptionKeys)
      (c.*o.box)->setChecked(ini.readBool(kOptions, o.key, o.fallback));
    if (ini.readInt("Dateimasken", kCount, 0) >= 1)
      c.masks->setItems(readList(ini, "Dateimasken", "Maske"));
    c.exceptions->setItems(readList(ini, "Suchausnahmen", "Maske"));
    c.ownFolders->setItems(
        cleanedOwnFolders(readList(ini, "TempFolders", "TempFolder"), protectedFolders()));
  }
  for (size_t n = 0; n < c.chooser.size(); ++n)
    c.chooser[n]->setChecked(!exists ||
                             ini.readBool("MultiOption", "Chk" + std::to_string(n + 1), true));
  loadDates(ini, exists, c);
  c.autoUpdate->setChecked(!exists || ini.readBool("Updatescan", "autoscan", true));

  // The exceptions of "update.ini" join the list once. Without a settings file the list still
  // holds those of the previous load, so they are taken out before the new ones are added.
  std::vector<std::string> exceptions = c.exceptions->items();
  if (!exists) std::erase_if(exceptions, isDownloaded);
  downloaded().clear();
  const IniFile update(locateFile(kProductName, "update.ini"));
  if (update.exists()) {
    for (auto& entry : readList(update, "Suchausnahmen", "Maske")) {
      if (isDownloaded(entry)) continue;
      downloaded().push_back(entry);
      if (std::none_of(exceptions.begin(), exceptions.end(),
                       [&](const std::string& e) { return equalsIgnoringCase(e, entry); }))
        exceptions.push_back(std::move(entry));
    }
  }

  std::vector<std::string> masks = c.masks->items();
  removeDangerousPatterns(masks, exceptions);
  if (!exceptions.empty() && isBlankEntry(exceptions.back())) exceptions.pop_back();
  if (masks != c.masks->items()) c.masks->setItems(std::move(masks));
  if (exceptions != c.exceptions->items()) c.exceptions->setItems(std::move(exceptions));

  if (c.mirrorDrives) c.mirrorDrives();
}

}  // namespace scrubwell

// The settings file "Scrubwell.ini" (data folder first, then beside the program) and the values
// read from it outside the full load: the language number, the look and the update-check age.
#pragma once
#include <string>

#include "base/ini_file.h"

namespace scrubwell {

// The settings file as found by the file lookup rule.
IniFile settingsFile();

// "selected" of section "Language"; 0 when the file or the key is missing.
int readLanguageNumber();
// Writes "selected" of section "Language"; does nothing when the settings file does not exist.
void writeLanguageNumber(int number);

// "Sicherheitsoption" of section "Sicherheit": the backup option, written the moment it changes.
void writeBackupOption(bool on);

struct Look {
  int background = 0;  // "skin" / "back"
  int searchIcon = 0;  // "skin" / "icon"
};
// The stored look, each index kept inside its list (at or above the count becomes count - 1);
// both 0 when the file does not exist.
Look readLook(int backgroundCount, int searchIconCount);

// Days from the date shown as the last update check to now, in the user's short date format;
// 100 when the text is "-", "never", text 304 or not a date.
int daysSinceLastUpdateCheck(const std::string& shownLastUpdate);
// Today's date in the user's short date format, as the last-scan and last-update texts show it.
std::string todayAsShortDate();

}  // namespace scrubwell

// The engine of the language choice: the steps the language window runs at first start and when
// the user confirms a language. The window itself shows the list and the busy panel.
#pragma once
#include <string>
#include <vector>

namespace scrubwell {

struct SettingsControls;

// Deletes "<text 1> - BackupChecker.lnk" from the user's Startup folder when it is there.
void deleteBackupCheckerShortcut();

// True when a language was chosen before: the marker file "Scrubwell.cho" exists and the backup
// folder holds no "Scrubwell.dat".
bool languageChosenBefore(const std::string& backupFolder);

// Deletes every file of the backup folder (attribute mask 47, so hidden and system files too)
// except the backup points, each on its own; failures are ignored. Folders stay.
void wipeBackupFolderFiles(const std::string& backupFolder);

// The language window's entries: an empty first entry, then every language name in number order.
std::vector<std::string> languageEntries();

// GetUserDefaultUILanguage, looked up in kernel32 at run time; 0 (with the last error set to
// ERROR_INVALID_HANDLE) where the system lacks it.
unsigned userInterfaceLanguage();
// True when the primary language (the low 10 bits) of a language id is German (7).
bool isGermanLanguage(unsigned languageId);

// The entry to select first: "Deutsch" for a German user interface, else the empty entry 0.
int preselectedLanguageEntry(const std::vector<std::string>& entries, unsigned uiLanguage);

// The user confirmed entry `entry` (1 or more) of `entries`: creates the marker file, applies the
// language and stores its number (entry - 1). When there is no settings file yet, it is first
// written from `controls` (if given), so the choice survives the restart that follows.
void confirmLanguage(const std::vector<std::string>& entries, int entry,
                     const SettingsControls* controls);

// The user chose language `index` of `names` (the language names in number order) in the options
// window: the settings are written first (the whole file when there is none, the session's
// changes when `saveChanges`), then the data folder's help and documentation copies are replaced
// by the language's and its number is stored. The caller restarts the program.
void switchToLanguage(const std::vector<std::string>& names, int index,
                      const SettingsControls& controls, bool saveChanges);

}  // namespace scrubwell

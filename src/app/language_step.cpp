// The engine of the language choice at first start and on confirmation.
#include "app/language_step.h"

#include <windows.h>
#include <shlobj.h>

#include "app/settings.h"
#include "backup/backup_point_name.h"
#include "base/app_state.h"
#include "base/data_folder.h"
#include "base/file_ops.h"
#include "base/settings_file.h"
#include "base/texts.h"
#include "platform/find.h"
#include "platform/path_text.h"

namespace scrubwell {
namespace {

std::string markerFile() { return locateFile(kProductName, "Scrubwell.cho"); }

std::string startupFolder() {
  char buf[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_STARTUP, nullptr, SHGFP_TYPE_CURRENT, buf))) return {};
  return withTrailingBackslash(buf);
}

}  // namespace

void deleteBackupCheckerShortcut() {
  const std::string folder = startupFolder();
  if (folder.empty()) return;
  const std::string link = folder + tr(1) + " - BackupChecker.lnk";
  if (fileExists(link)) DeleteFileA(link.c_str());
}

bool languageChosenBefore(const std::string& backupFolder) {
  return fileExists(markerFile()) && !fileExists(backupFolder + "Scrubwell.dat");
}

void wipeBackupFolderFiles(const std::string& backupFolder) {
  std::vector<std::string> files;
  FindFiles find(backupFolder + "*.*", 47);
  // Backup points stay: a restore can still bring their files back, and retention removes them
  // when they are old enough.
  while (find.next())
    if (!find.isDirectory() && !isBackupPointFileName(find.name()))
      files.push_back(backupFolder + find.name());
  for (const auto& f : files) DeleteFileA(f.c_str());
}

std::vector<std::string> languageEntries() {
  std::vector<std::string> entries{std::string()};
  const KvTrans2& t = translation();
  for (int n = 0, count = t.languageCount(); n < count; ++n) entries.push_back(t.languageName(n));
  return entries;
}

unsigned userInterfaceLanguage() {
  using Fn = LANGID(WINAPI*)();
  HMODULE kernel = GetModuleHandleA("kernel32");
  auto fn =
      kernel ? reinterpret_cast<Fn>(GetProcAddress(kernel, "GetUserDefaultUILanguage")) : nullptr;
  if (!fn) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return fn();
}

bool isGermanLanguage(unsigned languageId) { return (languageId & 0x3FF) == 7; }

int preselectedLanguageEntry(const std::vector<std::string>& entries, unsigned uiLanguage) {
  if (!isGermanLanguage(uiLanguage)) return 0;
  for (size_t i = 1; i < entries.size(); ++i)
    if (entries[i] == "Deutsch") return static_cast<int>(i);
  return 0;
}

namespace {

// A language choice ends in a restart, which saves nothing: the settings file is written before
// the language number goes into it, whole when there is none yet (or the number would be lost),
// and with the session's changes when they are saved automatically.
void storeLanguageNumber(int number, const SettingsControls* controls, bool saveChanges) {
  if (controls && (saveChanges || !settingsFile().exists())) saveSettings(*controls);
  writeLanguageNumber(number);
}

}  // namespace

void confirmLanguage(const std::vector<std::string>& entries, int entry,
                     const SettingsControls* controls) {
  if (entry < 1 || entry >= static_cast<int>(entries.size())) return;
  createMarkerFile(markerFile());
  translation().applyLanguage(entries[static_cast<size_t>(entry)]);
  storeLanguageNumber(entry - 1, controls, false);
}

void switchToLanguage(const std::vector<std::string>& names, int index,
                      const SettingsControls& controls, bool saveChanges) {
  if (index < 0 || index >= static_cast<int>(names.size())) return;
  translation().applyLanguage(names[static_cast<size_t>(index)]);
  storeLanguageNumber(index, &controls, saveChanges);
}

}  // namespace scrubwell

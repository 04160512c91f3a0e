// The settings file's location and its single values.
#include "base/settings_file.h"

#include <windows.h>

#include "base/app_state.h"
#include "base/data_folder.h"
#include "base/settings_values.h"
#include "base/texts.h"
#include "platform/seams.h"

namespace scrubwell {
namespace {

std::string userShortDatePattern() {
  char buf[100] = {};
  int n = GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, buf, sizeof buf);
  return n > 0 ? std::string(buf) : std::string("M/d/yyyy");
}

}  // namespace

IniFile settingsFile() { return IniFile(locateFile(kProductName, "Scrubwell.ini")); }

int readLanguageNumber() {
  IniFile ini = settingsFile();
  return ini.exists() ? ini.readInt("Language", "selected", 0) : 0;
}

void writeLanguageNumber(int number) {
  IniFile ini = settingsFile();
  if (!ini.exists()) return;
  ini.writeInt("Language", "selected", number);
  ini.flush();
}

void writeBackupOption(bool on) {
  IniFile ini = settingsFile();
  ini.writeBool("Sicherheit", "Sicherheitsoption", on);
  ini.flush();
}

Look readLook(int backgroundCount, int searchIconCount) {
  IniFile ini = settingsFile();
  Look look;
  if (!ini.exists()) return look;
  look.background = clampLookIndex(ini.readInt("skin", "back", 0), backgroundCount);
  look.searchIcon = clampLookIndex(ini.readInt("skin", "icon", 0), searchIconCount);
  return look;
}

int daysSinceLastUpdateCheck(const std::string& shownLastUpdate) {
  SYSTEMTIME now = theClock().localTime();
  CivilDate today{now.wYear, now.wMonth, now.wDay};
  int seconds = now.wHour * 3600 + now.wMinute * 60 + now.wSecond;
  return daysSinceShownDate(shownLastUpdate, tr(304), userShortDatePattern(), today, seconds);
}

std::string todayAsShortDate() {
  SYSTEMTIME now = theClock().localTime();
  char buf[100] = {};
  int n = GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, buf, sizeof buf);
  return n > 0 ? std::string(buf) : std::string();
}

}  // namespace scrubwell

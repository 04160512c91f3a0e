// The installer and uninstaller built from installer/Scrubwell.nsi, run as a user or an
// administrator would: a silent installation, the installed program started, an update over it,
// a silent uninstallation; and the German pages, with the interactive uninstallation that runs the
// program's own uninstall mode.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <functional>
#include <vector>

#include "e2e/program_driver.h"
#include "main_window_res.h"
#include "platform/handles.h"
#include "support/scratch.h"
#include "support/shortcuts.h"

using namespace scrubwell::test;

namespace {

const char* const kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Scrubwell";
const char* const kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char* const kRunValue = "Scrubwell - Cleanup of old Backupfiles";
const std::string kInstalled = "C:\\Program Files\\Scrubwell\\";

std::string setupProgram() {
  return buildFolder() + "installer\\Scrubwell-" SCRUBWELL_VERSION "-setup.exe";
}

// Everything the program expects beside itself, and the uninstaller.
std::vector<std::string> expectedFiles() {
  std::vector<std::string> names = {
      "Scrubwell.exe", "Checker.exe",   "UPDATER.EXE",   "KvFindMinidump.dll",
      "Scrubwell.t00", "Scrubwell.t01", "Scrubwell.c00", "Scrubwell.c01",
      "Scrubwell.d00", "Scrubwell.d01", "klick.wav",     "schhht.wav",
      "start.wav",     "finished.wav",  "update.ini",    "uninstall.exe"};
  for (char n = '0'; n <= '3'; ++n) names.push_back(std::string("Scrubwell.bg") + n + ".jpg");
  for (char n = '0'; n <= '5'; ++n)
    for (char k : {'1', '2'}) names.push_back(std::string("Scrubwell.sk") + n + "_" + k + ".ani");
  return names;
}

std::string shellFolder(int csidl) {
  char path[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, csidl, nullptr, 0, path);
  return path;
}
std::string startMenuShortcut() { return shellFolder(CSIDL_COMMON_PROGRAMS) + "\\Scrubwell.lnk"; }
std::string desktopShortcut() {
  return shellFolder(CSIDL_COMMON_DESKTOPDIRECTORY) + "\\Scrubwell.lnk";
}

// The program a shortcut starts; empty when it is no shortcut.
std::string shortcutTarget(const std::string& lnk) {
  scrubwell::ComScope com;
  const std::wstring target = readShortcutTarget(wide(lnk));
  return std::string(target.begin(), target.end());
}

bool keyExists(HKEY root, const char* key) {
  HKEY k = nullptr;
  if (RegOpenKeyExA(root, key, 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
  scrubwell::RegKey closer(k);
  return true;
}

// A string or DWORD value as text; "(none)" when it or its key is missing.
std::string value(HKEY root, const char* key, const char* name) {
  HKEY k = nullptr;
  if (RegOpenKeyExA(root, key, 0, KEY_READ, &k) != ERROR_SUCCESS) return "(none)";
  scrubwell::RegKey closer(k);
  char data[1024] = {};
  DWORD type = 0, size = sizeof data - 1;
  if (RegQueryValueExA(k, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) !=
      ERROR_SUCCESS)
    return "(none)";
  if (type == REG_DWORD) return std::to_string(*reinterpret_cast<DWORD*>(data));
  return data;
}

// True when the program file carries no symbol table and no debug link: what the linker leaves in
// is stripped for the installation.
bool isStripped(const std::string& exe) {
  const std::string image = readFile(exe);
  if (image.size() < 0x40) return false;
  const auto peOffset = *reinterpret_cast<const DWORD*>(image.data() + 0x3c);
  if (peOffset + sizeof(IMAGE_NT_HEADERS) > image.size()) return false;
  const auto* file = reinterpret_cast<const IMAGE_FILE_HEADER*>(image.data() + peOffset + 4);
  return file->PointerToSymbolTable == 0 && file->NumberOfSymbols == 0 &&
         image.find(".gnu_debuglink") == std::string::npos;
}

bool waitFor(const std::function<bool()>& condition, DWORD timeoutMs = 30000) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(100);
  }
  return true;
}

// The uninstaller's switch to run in place, so that its window is the started process's and that
// process ends with the uninstallation (it must come last).
std::string inPlace() { return "_?=" + kInstalled.substr(0, kInstalled.size() - 1); }

int runSetup(const std::string& arguments) {
  RunningProgram setup(setupProgram(), arguments);
  return setup.waitForExit(60000);
}

// A visible window of another process with Yes and No: the program's uninstall question.
HWND programQuestion(DWORD notFrom) {
  HWND found = nullptr;
  waitFor([&] {
    HWND w = findWindowWithControl(IDNO);
    DWORD pid = 0;
    if (w) GetWindowThreadProcessId(w, &pid);
    found = pid != notFrom ? w : nullptr;
    return found != nullptr;
  });
  return found;
}

void expectNothingOfScrubwellLeft() {
  EXPECT_FALSE(folderExists(kInstalled)) << "the program folder";
  EXPECT_FALSE(fileExists(startMenuShortcut()));
  EXPECT_FALSE(fileExists(desktopShortcut()));
  EXPECT_FALSE(keyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
  EXPECT_EQ(value(HKEY_CURRENT_USER, kRunKey, kRunValue), "(none)") << "the backup checker's entry";
}

}  // namespace

TEST(Installer, SilentInstallStartUpdateAndSilentUninstall) {
  ASSERT_TRUE(fileExists(setupProgram())) << setupProgram();
  ASSERT_EQ(runSetup("/S"), 0);

  for (const std::string& name : expectedFiles())
    EXPECT_TRUE(fileExists(kInstalled + name)) << name;
  for (const char* program : {"Scrubwell.exe", "Checker.exe", "UPDATER.EXE", "KvFindMinidump.dll"})
    EXPECT_TRUE(isStripped(kInstalled + program)) << program;
  EXPECT_EQ(shortcutTarget(startMenuShortcut()), kInstalled + "Scrubwell.exe");
  EXPECT_EQ(shortcutTarget(desktopShortcut()), kInstalled + "Scrubwell.exe");
  const HKEY lm = HKEY_LOCAL_MACHINE;
  EXPECT_EQ(value(lm, kUninstallKey, "DisplayName"), "Scrubwell");
  EXPECT_EQ(value(lm, kUninstallKey, "DisplayVersion"), SCRUBWELL_VERSION);
  EXPECT_EQ(value(lm, kUninstallKey, "Publisher"), "Korvantis");
  EXPECT_EQ(value(lm, kUninstallKey, "DisplayIcon"), kInstalled + "Scrubwell.exe,0");
  EXPECT_EQ(value(lm, kUninstallKey, "UninstallString"), "\"" + kInstalled + "uninstall.exe\"");
  EXPECT_EQ(value(lm, kUninstallKey, "QuietUninstallString"),
            "\"" + kInstalled + "uninstall.exe\" /S");
  const std::string size = value(lm, kUninstallKey, "EstimatedSize");
  EXPECT_GT(atoi(size.c_str()), 1000) << "kilobytes: " << size;

  // The installed program starts to its main window and finds the update description beside it.
  ASSERT_TRUE(languageChosenWithSettings("[Language]\r\nselected=0\r\n"));
  {
    RunningProgram program(kInstalled + "Scrubwell.exe");
    EXPECT_NE(program.waitForWindow(IDC_MAIN_SIDE1), nullptr) << "the main window";
    // While it runs, neither an update nor the uninstaller touches its files (silently: exit 2).
    ASSERT_TRUE(writeFile(kInstalled + "Scrubwell.t00", "changed"));
    EXPECT_EQ(runSetup("/S"), 2);
    RunningProgram uninstall(kInstalled + "uninstall.exe", "/S " + inPlace());
    EXPECT_EQ(uninstall.waitForExit(), 2);
    EXPECT_EQ(readFile(kInstalled + "Scrubwell.t00"), "changed");
    EXPECT_TRUE(keyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
  }
  EXPECT_NE(readFile(programDataFolder() + "update.ini").find("updateurl=https://"),
            std::string::npos);

  // An update over the installed copy keeps the user's settings and backup points.
  ASSERT_TRUE(writeFile(programDataFolder() + "BACKUP\\1.bck", "archive"));
  const std::string settings = readFile(programDataFolder() + "Scrubwell.ini");
  ASSERT_EQ(runSetup("/S"), 0);
  EXPECT_EQ(readFile(kInstalled + "Scrubwell.t00"),
            readFile(buildFolder() + "src\\app\\Scrubwell.t00"))
      << "the update replaces the program's files";
  EXPECT_EQ(readFile(programDataFolder() + "Scrubwell.ini"), settings);
  EXPECT_EQ(readFile(programDataFolder() + "BACKUP\\1.bck"), "archive");

  // The user switched on the automatic removal of old backups.
  HKEY run = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &run,
                            nullptr),
            ERROR_SUCCESS);
  const std::string checker = "\"" + kInstalled + "Checker.exe\" /check";
  RegSetValueExA(run, kRunValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(checker.c_str()),
                 static_cast<DWORD>(checker.size() + 1));
  RegCloseKey(run);

  // The uninstaller copies itself away and removes the folder from there: wait for the folder.
  RunningProgram uninstall(kInstalled + "uninstall.exe", "/S");
  EXPECT_TRUE(waitFor([] { return !folderExists(kInstalled); })) << "uninstalled in time";
  expectNothingOfScrubwellLeft();
  // A silent uninstallation asks nothing, so the user's data folder stays as it was.
  EXPECT_EQ(readFile(programDataFolder() + "BACKUP\\1.bck"), "archive");
  removeTree(programDataFolder());
}

TEST(Installer, GermanPagesAndTheUninstallerRunningTheProgramsUninstallMode) {
  ASSERT_TRUE(fileExists(setupProgram())) << setupProgram();
  {
    RunningProgram setup(setupProgram(), "/LANG=1031");
    HWND page = setup.waitForWindow(IDCANCEL);
    ASSERT_NE(page, nullptr) << "the installer's first page";
    EXPECT_NE(controlText(page, IDOK).find("Weiter"), std::string::npos) << controlText(page, IDOK);
    saveScreenshot(page, "installer-first-page-german");
    clickButton(page, IDCANCEL);
    HWND sure = setup.waitForWindow(IDYES, 10000);
    ASSERT_NE(sure, nullptr) << "the installer asks before it stops";
    clickButton(sure, IDYES);
    EXPECT_EQ(setup.waitForExit(), 1) << "cancelled by the user";
  }
  EXPECT_FALSE(folderExists(kInstalled)) << "nothing installed after cancelling";

  ASSERT_EQ(runSetup("/S /LANG=1031 /NODESKTOP"), 0);
  EXPECT_EQ(value(HKEY_LOCAL_MACHINE, kUninstallKey, "Installer Language"), "1031");
  EXPECT_TRUE(fileExists(startMenuShortcut()));
  EXPECT_FALSE(fileExists(desktopShortcut())) << "left out by /NODESKTOP";
  ASSERT_TRUE(writeFile(programDataFolder() + "BACKUP\\1.bck", "archive"));

  RunningProgram uninstall(kInstalled + "uninstall.exe", inPlace());
  HWND page = uninstall.waitForWindow(IDCANCEL);
  ASSERT_NE(page, nullptr) << "the uninstaller's first page";
  EXPECT_NE(controlText(page, IDOK).find("Deinstallieren"), std::string::npos)
      << controlText(page, IDOK);
  saveScreenshot(page, "uninstaller-first-page-german");
  clickButton(page, IDOK);
  // The program's own uninstall mode asks; either answer removes the user's data folder.
  HWND question = programQuestion(uninstall.processId());
  ASSERT_NE(question, nullptr) << "the program's uninstall question";
  clickButton(question, IDNO);
  EXPECT_TRUE(waitFor([] { return !folderExists(programDataFolder()); })) << "the data folder";
  // The uninstaller ends on its page of what it did.
  EXPECT_TRUE(waitFor([&] { return IsWindowEnabled(GetDlgItem(page, IDOK)); }));
  clickButton(page, IDOK);
  EXPECT_EQ(uninstall.waitForExit(), 0);
  // Run in place, the uninstaller cannot remove itself; all else is gone.
  EXPECT_TRUE(fileExists(kInstalled + "uninstall.exe"));
  EXPECT_FALSE(fileExists(kInstalled + "Scrubwell.exe"));
  DeleteFileA((kInstalled + "uninstall.exe").c_str());
  RemoveDirectoryA(kInstalled.c_str());
  expectNothingOfScrubwellLeft();
}

// The registry cleaner in the real program under Wine: main window, registry search, the check
// results, remove, the result window, then the backup window restores the removed entries
// through Wine's own regedit. Screenshots of each window are kept.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "backup_window_res.h"
#include "e2e/program_driver.h"
#include "main_window_res.h"
#include "progress_windows_res.h"
#include "registry_windows_res.h"
#include "report_windows_res.h"
#include "support/registry_dump.h"
#include "support/registry_override.h"
#include "support/scratch.h"

using namespace scrubwell::test;

namespace {

const std::string kAppKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\zze2e-gone.exe";

std::wstring w(const char* s) { return std::wstring(s, s + strlen(s)); }

}  // namespace

TEST(RegistryCleaner, ScanRemoveAndRestoreFromTheBackupWindow) {
  const std::string exe = installProgram() + "Scrubwell.exe";
  ASSERT_TRUE(languageChosenWithSettings("[Markierte Laufwerke]\r\nLw1=D\r\nAnzahl=1\r\n"));
  const std::string str = "C:\\zz\\gone\\e2e.exe";
  ASSERT_TRUE(setRegRaw(
      HKEY_LOCAL_MACHINE, kAppKey, L"", REG_SZ,
      std::string(reinterpret_cast<const char*>(w(str.c_str()).c_str()), (str.size() + 1) * 2)));
  ASSERT_TRUE(setRegRaw(HKEY_LOCAL_MACHINE, kAppKey, L"Bin", REG_BINARY, std::string(40, '\x5a')));
  ASSERT_TRUE(setRegRaw(HKEY_LOCAL_MACHINE, kAppKey, L"Multi", REG_MULTI_SZ,
                        std::string("a\0\0\0b\0\0\0\0\0", 10)));
  const std::string before = dumpRegistryTree(HKEY_LOCAL_MACHINE, kAppKey);

  RunningProgram p(exe);
  HWND main = p.waitForWindow(IDC_MAIN_SIDE1);
  ASSERT_NE(main, nullptr);
  clickButton(main, IDC_MAIN_SIDE1 + 2);
  clickButton(main, IDC_MAIN_TIDY1 + 1);
  HWND search = p.waitForWindow(IDC_RGS_TEXT, 5000, 50);
  ASSERT_NE(search, nullptr) << "the registry search window shows";
  saveScreenshot(search, "registry-search");

  HWND check = p.waitForWindow(IDC_RGC_REMOVE, 60000);
  ASSERT_NE(check, nullptr) << "the check results window shows the findings";
  HWND list = GetDlgItem(check, IDC_RGC_LIST);
  EXPECT_GE(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 1);
  saveScreenshot(check, "registry-check-results");
  clickButton(check, IDC_RGC_REMOVE);

  HWND result = p.waitForWindow(IDC_RGR_BACK, 60000);
  ASSERT_NE(result, nullptr) << "the result window follows the removal";
  saveScreenshot(result, "registry-result");
  EXPECT_EQ(dumpRegistryTree(HKEY_LOCAL_MACHINE, kAppKey), "(missing)");
  EXPECT_FALSE(fileExists("C:\\Registrybackup_1.reg")) << "kept only in the point";
  clickButton(result, IDC_RGR_BACK);

  main = p.waitForWindow(IDC_MAIN_SIDE1);
  ASSERT_NE(main, nullptr);
  clickButton(main, IDC_MAIN_SIDE1 + 4);
  clickButton(main, IDC_MAIN_BACKUP);
  HWND backup = p.waitForWindow(IDC_BAK_RESTORE);
  ASSERT_NE(backup, nullptr);
  settle();
  saveScreenshot(backup, "registry-backup-window");
  clickButton(backup, IDC_BAK_RESTORE);
  HWND message = p.waitForWindow(IDC_MSG_OK, 60000);
  ASSERT_NE(message, nullptr);
  EXPECT_EQ(dumpRegistryTree(HKEY_LOCAL_MACHINE, kAppKey), before)
      << "the restore imported the point's export through regedit";
  EXPECT_FALSE(fileExists("C:\\Registrybackup_1.reg"));
  clickButton(message, IDC_MSG_OK);
  clickButton(backup, IDC_BAK_BACK);
}

TEST(RegistryCleaner, CommandLinePreviewListsAndAutoRemovesIntoAPoint) {
  const std::string exe = installProgram() + "Scrubwell.exe";
  ASSERT_TRUE(languageChosenWithSettings("[Markierte Laufwerke]\r\nLw1=D\r\nAnzahl=1\r\n"));
  const std::string dlls = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
  ASSERT_TRUE(setRegDword(HKEY_LOCAL_MACHINE, dlls, "C:\\zz\\cli\\gone.dll", 2));
  ScratchFolder outputs('D', "registry-cli");

  Finished preview = runToEnd(exe, "/preview /scans:registry", outputs.path());
  ASSERT_EQ(preview.exitCode, 0) << preview.err;
  const std::string line =
      "shareddll\tHKEY_LOCAL_MACHINE\\" + dlls + "\tC:\\zz\\cli\\gone.dll\tC:\\zz\\cli\\gone.dll";
  const auto lines = linesOf(preview.out);
  EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << preview.out;
  EXPECT_TRUE(regValueExists(HKEY_LOCAL_MACHINE, dlls, "C:\\zz\\cli\\gone.dll"));

  Finished plain = runToEnd(exe, "/preview", outputs.path());
  EXPECT_EQ(plain.out.find("shareddll"), std::string::npos) << "never one of the default scans";

  const auto pointsBefore = backupPoints(programDataFolder());
  Finished removed = runToEnd(exe, "/auto /scans:registry", outputs.path());
  ASSERT_EQ(removed.exitCode, 0) << removed.err;
  EXPECT_FALSE(regValueExists(HKEY_LOCAL_MACHINE, dlls, "C:\\zz\\cli\\gone.dll"));
  EXPECT_EQ(backupPoints(programDataFolder()).size(), pointsBefore.size() + 1)
      << "the export went into a registry point";
  EXPECT_FALSE(fileExists("C:\\Registrybackup_1.reg"));
}

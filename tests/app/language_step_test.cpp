// The steps of the language choice: the old autostart shortcut, the marker test, wiping the
// backup folder, the preselection and the confirmation.
#include "app/language_step.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include "app/settings.h"
#include "base/file_ops.h"
#include "base/settings_file.h"
#include "base/texts.h"
#include "settings_controls.h"
#include "support/app_sandbox.h"

using namespace scrubwell;
using test::AppSandbox;

namespace {

std::string startupFolder() {
  char buf[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, CSIDL_STARTUP | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, buf);
  return std::string(buf) + "\\";
}

void installShippedLanguages(const AppSandbox& box) {
  for (const char* f : {"Scrubwell.t00", "Scrubwell.t01"})
    ASSERT_TRUE(copyFile(std::string(SCRUBWELL_LANG_DIR) + "\\" + f, box.data() + f)) << f;
}

}  // namespace

TEST(LanguageStep, DeletesTheBackupCheckerShortcut) {
  translation().loadFromText("[1]\r\nScrubwell\r\n[END]\r\n");
  const std::string link = startupFolder() + "Scrubwell - BackupChecker.lnk";
  const std::string other = startupFolder() + "Other - BackupChecker.lnk";
  ASSERT_TRUE(test::writeFile(link, "L"));
  ASSERT_TRUE(test::writeFile(other, "L"));
  deleteBackupCheckerShortcut();
  EXPECT_FALSE(fileExists(link));
  EXPECT_TRUE(fileExists(other));
  deleteBackupCheckerShortcut();  // nothing there: nothing happens
  DeleteFileA(other.c_str());
  translation().clear();
}

TEST(LanguageStep, ChosenBeforeNeedsTheMarkerAndNoDatFile) {
  AppSandbox box;
  const std::string backup = box.data() + "BACKUP\\";
  test::makeFolders(backup);
  EXPECT_FALSE(languageChosenBefore(backup));
  createMarkerFile(box.data() + "Scrubwell.cho");
  EXPECT_TRUE(languageChosenBefore(backup));
  ASSERT_TRUE(test::writeFile(backup + "Scrubwell.dat", "x"));
  EXPECT_FALSE(languageChosenBefore(backup));
}

TEST(LanguageStep, WipesTheBackupFolderButKeepsBackupPointsAndFolders) {
  AppSandbox box;
  const std::string backup = box.data() + "BACKUP\\";
  ASSERT_TRUE(test::writeFile(backup + "1.bck", "x"));
  ASSERT_TRUE(test::writeFile(backup + "12.002", "x"));
  ASSERT_TRUE(test::writeFile(backup + "1001.bck", "x"));
  ASSERT_TRUE(test::writeFile(backup + "7.bak", "x"));
  ASSERT_TRUE(test::writeFile(backup + "Scrubwell.dat", "x"));
  ASSERT_TRUE(test::writeFile(backup + "hidden.bin", "x"));
  ASSERT_TRUE(test::writeFile(backup + "sub\\inner.txt", "x"));
  SetFileAttributesA((backup + "hidden.bin").c_str(),
                     FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  wipeBackupFolderFiles(backup);
  EXPECT_TRUE(fileExists(backup + "1.bck")) << "a backup point can still be restored";
  EXPECT_TRUE(fileExists(backup + "12.002"));
  EXPECT_FALSE(fileExists(backup + "1001.bck"));
  EXPECT_FALSE(fileExists(backup + "7.bak"));
  EXPECT_FALSE(fileExists(backup + "Scrubwell.dat"));
  EXPECT_FALSE(fileExists(backup + "hidden.bin"));
  EXPECT_TRUE(fileExists(backup + "sub\\inner.txt"));
}

TEST(LanguageStep, GermanUserInterfacePreselectsDeutsch) {
  AppSandbox box;
  installShippedLanguages(box);
  const auto entries = languageEntries();
  EXPECT_EQ(entries, (std::vector<std::string>{"", "ENGLISH", "Deutsch"}));
  EXPECT_EQ(preselectedLanguageEntry(entries, 0x0407), 2);  // German (Germany)
  EXPECT_EQ(preselectedLanguageEntry(entries, 0x0807), 2);  // German (Switzerland)
  EXPECT_EQ(preselectedLanguageEntry(entries, 0x0409), 0);
  EXPECT_EQ(preselectedLanguageEntry({"", "ENGLISH"}, 0x0407), 0);
  EXPECT_TRUE(isGermanLanguage(0x0C07));
  EXPECT_FALSE(isGermanLanguage(0x0413));
  userInterfaceLanguage();  // present under every system we run on; must simply answer
}

TEST(LanguageStep, ConfirmMarksAppliesAndStoresTheNumber) {
  AppSandbox box;
  installShippedLanguages(box);
  ASSERT_TRUE(test::writeFile(box.data() + "Scrubwell.ini", "[skin]\r\nback=1\r\n"));
  const auto entries = languageEntries();
  confirmLanguage(entries, 2, nullptr);
  EXPECT_TRUE(fileExists(box.data() + "Scrubwell.cho"));
  EXPECT_EQ(readLanguageNumber(), 1);
  EXPECT_EQ(tr(304), "noch nie");
  EXPECT_EQ(test::readFile(box.data() + "Scrubwell.def"),
            test::readFile(box.data() + "Scrubwell.t01"));
  translation().clear();
}

TEST(LanguageStep, ConfirmWithoutSettingsFileWritesOneSoTheChoiceSurvives) {
  AppSandbox box;
  installShippedLanguages(box);
  test::Controls controls;
  SettingsControls c = controls.wire();
  confirmLanguage(languageEntries(), 2, &c);
  EXPECT_EQ(readLanguageNumber(), 1);
  EXPECT_NE(test::readFile(box.data() + "Scrubwell.ini").find("Lw1=C"), std::string::npos);
  translation().clear();
}

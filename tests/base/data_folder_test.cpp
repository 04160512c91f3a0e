// The data folder, the file lookup rule, preparing the folder and copying installed files in.
#include "base/data_folder.h"

#include <gtest/gtest.h>

#include "base/file_ops.h"
#include "support/app_sandbox.h"

using namespace scrubwell;
using test::AppSandbox;

TEST(DataFolder, LivesBelowLocalAppDataOfTheUser) {
  AppSandbox box;
  ASSERT_TRUE(box.ok());
  EXPECT_EQ(makerFolder(), box.local() + "Korvantis\\");
  EXPECT_EQ(dataFolder("Scrubwell"), box.data());
  EXPECT_EQ(dataFolder(""), box.local() + "Korvantis\\");
  EXPECT_EQ(backupFolderPath(), box.data() + "BACKUP\\");
}

TEST(DataFolder, WithoutLocalAppDataLivesBesideTheProgram) {
  test::RegistryOverride user(HKEY_CURRENT_USER);
  ASSERT_TRUE(user.ok());
  const std::string program = programFolder();
  ASSERT_FALSE(program.empty());
  EXPECT_EQ(program.back(), '\\');
  EXPECT_EQ(makerFolder(), program);
  EXPECT_EQ(dataFolder("Scrubwell"), program + "Scrubwell\\");
  EXPECT_EQ(backupFolderPath(), program + "Scrubwell\\BACKUP\\");
  // An empty value counts as missing.
  test::setRegString(HKEY_CURRENT_USER,
                     "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                     "Local AppData", "");
  EXPECT_EQ(makerFolder(), program);
}

TEST(DataFolder, LookupPrefersTheDataFolderThenTheProgramFolder) {
  AppSandbox box;
  const std::string name = "lookup-" + std::to_string(GetCurrentProcessId()) + ".txt";
  const std::string beside = programFolder() + name;
  EXPECT_EQ(locateFile("Scrubwell", name), box.data() + name);  // neither: the data folder
  ASSERT_TRUE(test::writeFile(beside, "program"));
  EXPECT_EQ(locateFile("Scrubwell", name), beside);
  ASSERT_TRUE(test::writeFile(box.data() + name, "data"));
  EXPECT_EQ(locateFile("Scrubwell", name), box.data() + name);
  DeleteFileA(beside.c_str());
}

TEST(DataFolder, MigrationCopiesMissingFilesAndNeverOverwrites) {
  AppSandbox box;
  const std::string tag = std::to_string(GetCurrentProcessId());
  const std::vector<std::string> names = {"a-" + tag + ".ini", "b-" + tag + ".def",
                                          "absent-" + tag + ".chm"};
  const std::string program = programFolder();
  ASSERT_TRUE(test::writeFile(program + names[0], "newer a"));
  ASSERT_TRUE(test::writeFile(program + names[1], "newer b"));
  ASSERT_TRUE(test::writeFile(box.data() + names[1], "user's b"));

  EXPECT_TRUE(migrateFiles("Scrubwell", false, names));
  EXPECT_EQ(test::readFile(box.data() + names[0]), "newer a");
  EXPECT_EQ(test::readFile(box.data() + names[1]), "user's b");
  EXPECT_FALSE(fileExists(box.data() + names[2]));
  for (int i = 0; i < 2; ++i) DeleteFileA((program + names[i]).c_str());

  EXPECT_EQ(
      migrationList(),
      (std::vector<std::string>{"update.ini", "Scrubwell.chm", "Scrubwell.doc", "Scrubwell.ini",
                                "Scrubwell.def", "Scrubwell.abs", "Scrubwell.cho", "UPDATER.EXE"}));
}

TEST(DataFolder, PrepareCreatesBothLevelsAndWipeEmptiesFirst) {
  AppSandbox box;
  test::removeTree(box.local() + "Korvantis\\");
  ASSERT_FALSE(folderExists(box.data()));
  EXPECT_TRUE(prepareDataFolder("Scrubwell", false));
  EXPECT_TRUE(folderExists(box.data()));

  ASSERT_TRUE(test::writeFile(box.data() + "BACKUP\\1.bck", "x"));
  EXPECT_TRUE(prepareDataFolder("Scrubwell", false));
  EXPECT_TRUE(fileExists(box.data() + "BACKUP\\1.bck"));
  EXPECT_TRUE(prepareDataFolder("Scrubwell", true));
  EXPECT_TRUE(folderExists(box.data()));
  EXPECT_FALSE(folderExists(box.data() + "BACKUP\\"));
}

TEST(DataFolder, RemoveDeletesTheWholeTree) {
  AppSandbox box;
  ASSERT_TRUE(test::writeFile(box.data() + "BACKUP\\1.bck", "x"));
  ASSERT_TRUE(test::writeFile(box.data() + "Scrubwell.ini", "[skin]\r\n"));
  EXPECT_TRUE(removeDataFolder("Scrubwell"));
  EXPECT_FALSE(folderExists(box.data()));
  EXPECT_TRUE(folderExists(box.local() + "Korvantis\\"));
  EXPECT_FALSE(removeDataFolder("Scrubwell"));  // nothing left to remove
}

// Where and whether a restore writes: the five restore modes against targets with earlier, equal
// and later dates, RestoreFullPath with and without a destination, the OnRestoreFile veto, and
// replacing protected targets.
#include <gtest/gtest.h>

#include "backup_fixture.h"

using namespace scrubwell;
using namespace scrubwell::test;

TEST_F(BackupFileTest, RestoreModesCompareTargetDatesStrictly) {
  ASSERT_TRUE(writeFile(src / "f.txt", "archived"));
  setDate(src / "f.txt", 2020, 6, 15, 12, 0, 0);
  ASSERT_TRUE(archive.Backup({src / "f.txt"}, out / "f.bck"));

  enum Target { missing, earlier, equal, later };
  struct Row {
    TRestoreMode mode;
    bool restores[4];
  };
  const Row table[] = {{rmAll, {true, true, true, true}},
                       {rmNoOverwrite, {true, false, false, false}},
                       {rmNewer, {true, true, false, false}},
                       {rmExisting, {false, true, true, true}},
                       {rmExistingNewer, {false, true, false, false}}};
  for (const Row& row : table) {
    for (int target : {missing, earlier, equal, later}) {
      ScratchFolder dest('D', "dest");
      if (target != missing) {
        ASSERT_TRUE(writeFile(dest / "f.txt", "present"));
        WORD day = target == earlier ? 14 : target == equal ? 15 : 16;
        setDate(dest / "f.txt", 2020, 6, day, 12, 0, 0);
      }
      archive.RestoreMode = row.mode;
      ASSERT_TRUE(archive.Restore(out / "f.bck", dest.path()));
      bool restored = readFile(dest / "f.txt") == "archived";
      EXPECT_EQ(restored, row.restores[target])
          << "mode " << int(row.mode) << ", target " << target;
      EXPECT_EQ(archive.FilesDone, restored ? 1 : 0);
    }
  }
}

TEST_F(BackupFileTest, RestoreFullPathKeepsTheFoldersBelowTheDestination) {
  ASSERT_TRUE(writeFile(src / "data\\a.txt", "a"));
  setDate(src / "data\\a.txt", 2018, 5, 6);
  ASSERT_TRUE(archive.Backup({src / "data\\a.txt"}, out / "a.bck"));
  const std::string below = stored("data\\a.txt").substr(3);  // "src-...\data\a.txt"

  archive.RestoreFullPath = true;
  ASSERT_TRUE(archive.Restore(out / "a.bck", out / "full"));  // no trailing backslash
  EXPECT_EQ(readFile(out / "full\\" + below), "a");
  EXPECT_EQ(dateOf(out / "full\\" + below), dateOf(src / "data\\a.txt"));

  archive.RestoreFullPath = false;
  ASSERT_TRUE(archive.Restore(out / "a.bck", out / "flat\\"));
  EXPECT_EQ(readFile(out / "flat\\a.txt"), "a");

  // Without a destination the file goes back where it came from, under its stored name.
  ASSERT_TRUE(DeleteFileA((src / "data\\a.txt").c_str()));
  RemoveDirectoryA((src / "data").c_str());
  archive.RestoreFullPath = true;
  ASSERT_TRUE(archive.Restore(out / "a.bck", ""));
  EXPECT_EQ(readFile(src / "data\\a.txt"), "a");
  EXPECT_EQ(dateOf(src / "data\\a.txt"), dateOf(out / "flat\\a.txt"));
}

TEST_F(BackupFileTest, OnRestoreFileDecidesAndRenames) {
  ASSERT_TRUE(writeFile(src / "one.txt", "1"));
  ASSERT_TRUE(writeFile(src / "two.txt", "2"));
  ASSERT_TRUE(archive.Backup({src / "one.txt", src / "two.txt"}, out / "x.bck"));
  std::vector<int32_t> dates;
  archive.OnRestoreFile = [&](TBackupFile&, std::string& name, int32_t date, bool& doRestore) {
    dates.push_back(date);
    if (name.find("one.txt") != std::string::npos) name = out / "renamed\\uno.txt";
    doRestore = name.find("two.txt") == std::string::npos;
  };
  ASSERT_TRUE(archive.Restore(out / "x.bck", out / "dest"));
  EXPECT_EQ(dates, (std::vector<int32_t>{dateOf(src / "one.txt"), dateOf(src / "two.txt")}));
  EXPECT_EQ(readFile(out / "renamed\\uno.txt"), "1");
  EXPECT_FALSE(fileExists(out / "dest\\two.txt"));
  EXPECT_EQ(archive.FilesDone, 1);
}

TEST_F(BackupFileTest, ReplacesReadOnlyAndHiddenTargetsAndKeepsTheirAttributes) {
  ASSERT_TRUE(writeFile(src / "ro.txt", "new ro"));
  ASSERT_TRUE(writeFile(src / "hid.txt", "new hidden"));
  ASSERT_TRUE(archive.Backup({src / "*.txt"}, out / "x.bck"));
  ASSERT_TRUE(writeFile(out / "ro.txt", "old"));
  ASSERT_TRUE(writeFile(out / "hid.txt", "old"));
  SetFileAttributesA((out / "ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  SetFileAttributesA((out / "hid.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);

  ASSERT_TRUE(archive.Restore(out / "x.bck", out.path())) << archive.LastError;
  EXPECT_EQ(readFile(out / "ro.txt"), "new ro");
  EXPECT_EQ(readFile(out / "hid.txt"), "new hidden");
  EXPECT_TRUE(GetFileAttributesA((out / "ro.txt").c_str()) & FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(GetFileAttributesA((out / "hid.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

// Retention of backup points on a test drive: which points count, how old is too old (by local
// days, with "today" from a fake clock), and points that resist deletion.
#include <gtest/gtest.h>

#include <string>

#include "backup/retention.h"
#include "platform/handles.h"
#include "support/fake_seams.h"
#include "support/scratch.h"

using namespace scrubwell;

namespace {

// A point file written at a local time.
void writePoint(const std::string& path, const SYSTEMTIME& local) {
  ASSERT_TRUE(test::writeFile(path, "archive")) << path;
  ASSERT_TRUE(test::setLastWrite(path, local)) << path;
}

const SYSTEMTIME kLongAgo = test::localTime(2025, 6, 1);

}  // namespace

TEST(Retention, APointIsKeptFor14DaysAfterTheDayItWasWritten) {
  test::ScopedSeams seams;
  test::ScratchFolder dir('D');
  writePoint(dir / "1.bck", test::localTime(2026, 3, 1, 0, 0, 0));     // the first second of 1 March
  writePoint(dir / "2.bck", test::localTime(2026, 3, 1, 23, 59, 59));  // late in the evening
  writePoint(dir / "3.bck", test::localTime(2026, 3, 2, 0, 0, 1));     // just after midnight
  writePoint(dir / "4.bck", test::localTime(2026, 2, 28, 23, 59, 59));
  writePoint(dir / "5.bck", test::localTime(2026, 3, 20));             // later than "today"

  // The time of day of "today" plays no part: only its date counts.
  seams.clock.setLocal(2026, 3, 15, 0, 0);
  deleteOldBackupPoints(dir.path());
  seams.clock.setLocal(2026, 3, 15, 23, 59);
  deleteOldBackupPoints(dir.path());
  EXPECT_TRUE(test::fileExists(dir / "1.bck")) << "exactly 14 days is not too old";
  EXPECT_TRUE(test::fileExists(dir / "2.bck"));
  EXPECT_TRUE(test::fileExists(dir / "3.bck"));
  EXPECT_FALSE(test::fileExists(dir / "4.bck")) << "28 February is one day earlier";
  EXPECT_TRUE(test::fileExists(dir / "5.bck"));

  seams.clock.setLocal(2026, 3, 16, 0, 0);
  deleteOldBackupPoints(dir.path());
  EXPECT_FALSE(test::fileExists(dir / "1.bck"));
  EXPECT_FALSE(test::fileExists(dir / "2.bck")) << "any time of 1 March is gone on 16 March";
  EXPECT_TRUE(test::fileExists(dir / "3.bck")) << "2 March stays until 17 March";
  EXPECT_TRUE(test::fileExists(dir / "5.bck"));

  seams.clock.setLocal(2026, 3, 17, 0, 0);
  deleteOldBackupPoints(dir.path());
  EXPECT_FALSE(test::fileExists(dir / "3.bck"));
  EXPECT_TRUE(test::fileExists(dir / "5.bck"));
  EXPECT_TRUE(seams.clock.systemTimeRequests().empty());
}

TEST(Retention, OnlyFilesNamedOneToThousandDotBckArePoints) {
  test::ScopedSeams seams;
  seams.clock.setLocal(2026, 3, 16);
  test::ScratchFolder dir('D');
  for (const char* name : {"1000.bck", "3.BCK"}) writePoint(dir / name, kLongAgo);
  for (const char* name : {"1001.bck", "0.bck", "05.bck", "x.bck", "5.bak", "6.bck.txt", "8.bc",
                           "sub\\1.bck"})
    writePoint(dir / name, kLongAgo);
  ASSERT_TRUE(test::makeFolders(dir / "7.bck"));
  ASSERT_TRUE(test::setLastWrite(dir / "7.bck", kLongAgo));
  ASSERT_TRUE(test::makeFolders(dir / "9.bck"));  // a folder holding a file
  writePoint(dir / "9.bck\\inside.txt", kLongAgo);
  ASSERT_TRUE(test::setLastWrite(dir / "9.bck", kLongAgo));

  deleteOldBackupPoints(dir.path());

  EXPECT_FALSE(test::fileExists(dir / "1000.bck"));
  EXPECT_FALSE(test::fileExists(dir / "3.BCK")) << "the case of the name does not matter";
  for (const char* name : {"1001.bck", "0.bck", "05.bck", "x.bck", "5.bak", "6.bck.txt", "8.bc",
                           "sub\\1.bck", "9.bck\\inside.txt"})
    EXPECT_TRUE(test::fileExists(dir / name)) << name;
  EXPECT_TRUE(test::folderExists(dir / "7.bck"));
  EXPECT_TRUE(test::folderExists(dir / "9.bck"));
}

TEST(Retention, ReadOnlyLockedAndMissingPointsDoNotStopTheOthers) {
  test::ScopedSeams seams;
  seams.clock.setLocal(2026, 3, 16);
  test::ScratchFolder dir('D');
  for (const char* name : {"1.bck", "2.bck", "4.bck", "5.bck", "1000.bck"})
    writePoint(dir / name, kLongAgo);  // 3.bck is missing
  ASSERT_TRUE(SetFileAttributesA((dir / "1.bck").c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(SetFileAttributesA((dir / "4.bck").c_str(), FILE_ATTRIBUTE_READONLY));
  {
    // 2.bck and the read-only 4.bck are open in another program that shares nothing.
    FileHandle locked2(CreateFileA((dir / "2.bck").c_str(), GENERIC_READ, 0, nullptr,
                                   OPEN_EXISTING, 0, nullptr));
    FileHandle locked4(CreateFileA((dir / "4.bck").c_str(), GENERIC_READ, 0, nullptr,
                                   OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(locked2 && locked4);

    deleteOldBackupPoints(dir.path());

    EXPECT_FALSE(test::fileExists(dir / "1.bck")) << "a read-only point is deleted as well";
    EXPECT_TRUE(test::fileExists(dir / "2.bck"));
    EXPECT_TRUE(test::fileExists(dir / "4.bck"));
    EXPECT_FALSE(test::fileExists(dir / "5.bck"));
    EXPECT_FALSE(test::fileExists(dir / "1000.bck"));
    EXPECT_FALSE(test::fileExists(dir / "3.bck"));
  }
  EXPECT_NE(GetFileAttributesA((dir / "4.bck").c_str()) & FILE_ATTRIBUTE_READONLY, 0u)
      << "a point that could not be deleted keeps its read-only attribute";

  // Once the other program has let go, the next run deletes them.
  deleteOldBackupPoints(dir.path());
  EXPECT_FALSE(test::fileExists(dir / "2.bck"));
  EXPECT_FALSE(test::fileExists(dir / "4.bck"));
}

TEST(Retention, AMissingOrEmptyFolderNameChangesNothing) {
  test::ScopedSeams seams;
  seams.clock.setLocal(2026, 3, 16);
  test::ScratchFolder dir('D');
  deleteOldBackupPoints(dir / "BACKUP\\");
  EXPECT_FALSE(test::folderExists(dir / "BACKUP\\")) << "the folder is not created";
  // An empty name would otherwise mean "1.bck" in the current folder.
  writePoint(dir / "1.bck", kLongAgo);
  char old[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, old);
  ASSERT_TRUE(SetCurrentDirectoryA(dir.path().c_str()));
  deleteOldBackupPoints("");
  SetCurrentDirectoryA(old);
  EXPECT_TRUE(test::fileExists(dir / "1.bck"));
}

TEST(Retention, WhatAKilledRunLeftOfAPointGoesUnlessAPointIsStillBeingWritten) {
  test::ScopedSeams seams;
  test::ScratchFolder dir('D');
  ASSERT_TRUE(test::writeFile(dir / "3.bck.part", "cut"));
  ASSERT_TRUE(test::writeFile(dir / "4.bck.part", "being written"));
  ASSERT_TRUE(test::writeFile(dir / "notes.part", "no point"));
  FileHandle writer(CreateFileA((dir / "4.bck.part").c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(writer);
  seams.clock.setLocal(2026, 3, 16, 0, 0);
  deleteOldBackupPoints(dir.path());
  EXPECT_FALSE(test::fileExists(dir / "3.bck.part"));
  EXPECT_TRUE(test::fileExists(dir / "4.bck.part"));
  EXPECT_TRUE(test::fileExists(dir / "notes.part"));
}

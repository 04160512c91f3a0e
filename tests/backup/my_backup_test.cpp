// Backup points on a test drive: point names, the size limit, titles and the registry point,
// restoring a chosen subset, and the protocol of backing up before deleting with its failures.
#include <gtest/gtest.h>

#include "backup/backup_protocol.h"
#include "backup/my_backup.h"
#include "backup/my_backup_test_support.h"
#include "backup/source_files.h"
#include "base/file_ops.h"
#include "base/texts.h"
#include "support/fake_seams.h"
#include "support/scratch.h"

using namespace scrubwell;
using test::RecordingBackupProgress;

TEST(BackupPoints, NextPointNameContinuesAfterTheHighestAndWraps) {
  test::ScratchFolder dir('D');
  EXPECT_EQ(NextPointName(dir.path()), dir / "1.bck");
  // Names that only look like points do not count: a folder, a leading zero, a continuation
  // file, a number out of range.
  test::makeFolders(dir / "900.bck");
  for (const char* name : {"0950.bck", "800.002", "1001.bck", "5.bck.txt"})
    test::writeFile(dir / name, "x");
  EXPECT_EQ(NextPointName(dir.path()), dir / "1.bck");
  test::writeFile(dir / "7.bck", "x");
  test::writeFile(dir / "3.BCK", "x");
  EXPECT_EQ(NextPointName(dir.path()), dir / "8.bck") << "4.bck is free but 7 is the highest";
  test::writeFile(dir / "1000.bck", "x");
  EXPECT_EQ(NextPointName(dir.path()), dir / "1.bck");
}

TEST(BackupPoints, FilesAboveTheSizeLimitAndMissingFilesAreLeftOut) {
  test::ScratchFolder dir('D');
  ASSERT_TRUE(test::makeSparseFile(dir / "exact.bin", MyBackup::kMaxFileSize));
  ASSERT_TRUE(test::makeSparseFile(dir / "over.bin", MyBackup::kMaxFileSize + 1));
  EXPECT_EQ(fileSize(dir / "over.bin"), MyBackup::kMaxFileSize + 1);
  int64_t allocated = test::allocatedBytes(dir / "over.bin");
  EXPECT_GE(allocated, 0);
  EXPECT_LT(allocated, 1 << 20) << "the big test files must stay sparse on the host";
  ASSERT_TRUE(test::writePatternFile(dir / "real.bin", 70000, 4));
  EXPECT_GE(test::allocatedBytes(dir / "real.bin"), 65536) << "the allocation is really measured";

  MyBackup b;
  b.AddFile(dir / "exact.bin");
  b.AddFile(dir / "over.bin");
  b.AddFile(dir / "missing.bin");
  b.AddFile(dir.path());  // a folder is no file
  EXPECT_EQ(b.storeList(), (std::vector<std::string>{dir / "exact.bin"}));

  MyBackup none;
  none.AddFile(dir / "over.bin");
  EXPECT_FALSE(none.CreatePoint(dir / "1.bck")) << "nothing added writes no point";
  EXPECT_FALSE(test::fileExists(dir / "1.bck"));
}

TEST(BackupPoints, TitlesFollowTheClockAndTheRegistryPointHoldsTheExport) {
  test::ScopedSeams seams;
  seams.clock.setLocal(2031, 4, 5, 14, 7);
  translation().loadFromText("[0]\r\nENGLISH\r\n[250]\r\nregistry clean-up\r\n[END]\r\n");
  const std::string title = pointTitle();
  // The date and time are in the user's format; the time is a word of its own ("12:07:00" is
  // another hour) and follows the date.
  EXPECT_NE(title.find("2031"), std::string::npos) << title;
  EXPECT_NE(title.find(" 2:07:00"), std::string::npos) << title;
  EXPECT_LT(title.find("2031"), title.find(" 2:07:00")) << title;

  test::ScratchFolder dir('D');
  const std::string exportFile = "C:\\Registrybackup_1.reg";
  ASSERT_TRUE(test::writeFile(exportFile, "REGEDIT4\r\n"));
  {
    MyBackup b;
    ASSERT_TRUE(b.CreateRegistryPoint(dir / "1.bck"));
  }
  DeleteFileA(exportFile.c_str());
  translation().clear();

  test::PointContent point = test::readPoint(dir / "1.bck");
  ASSERT_TRUE(point.readable);
  EXPECT_EQ(point.title, title + " (registry clean-up)");
  EXPECT_EQ(point.fileCount, 1);
  EXPECT_NE(point.listed.find("c:\\registrybackup_1.reg"), std::string::npos) << point.listed;

  MyBackup without;
  EXPECT_FALSE(without.CreateRegistryPoint(dir / "2.bck")) << "no export, no point";
  EXPECT_FALSE(test::fileExists(dir / "2.bck"));
}

TEST(BackupPoints, RestoreBringsBackOnlyTheChosenFilesByteForByte) {
  test::ScopedSeams seams;
  test::ScratchFolder dir('D');
  ASSERT_TRUE(test::writePatternFile(dir / "a.dat", 70000, 1));
  ASSERT_TRUE(test::writePatternFile(dir / "sub\\b.dat", 1234, 2));
  const std::string a = test::readFile(dir / "a.dat");
  const std::string point = dir / "points\\1.bck";
  test::makeFolders(dir / "points");
  {
    MyBackup b;
    b.AddFolderTree(dir.path());
    EXPECT_EQ(b.storeList().size(), 2u);
    RecordingBackupProgress progress;
    b.SetProgressControls(&progress, true);
    EXPECT_EQ(progress.lastPercent, 0);
    ASSERT_TRUE(b.CreatePoint(point));
    EXPECT_LT(progress.lastPercent, 100) << "100 is never shown";
    EXPECT_FALSE(progress.files.empty());
  }
  EXPECT_EQ(test::readPoint(point).fileCount, 2);

  DeleteFileA((dir / "a.dat").c_str());
  DeleteFileA((dir / "sub\\b.dat").c_str());
  {
    MyBackup nothing;
    nothing.AddRestoreFile("D:\\not\\in\\the\\point.txt");
    EXPECT_TRUE(nothing.RestorePoint(point)) << "a list matching nothing writes nothing";
  }
  EXPECT_FALSE(test::fileExists(dir / "a.dat"));
  {
    MyBackup r;
    r.AddRestoreFile("  " + dir / "A.DAT" + " ");  // trimmed and compared in upper case
    EXPECT_TRUE(r.RestorePoint(point));
  }
  EXPECT_EQ(test::readFile(dir / "a.dat"), a);
  EXPECT_FALSE(test::fileExists(dir / "sub\\b.dat")) << "not chosen, not restored";
  MyBackup broken;
  ASSERT_TRUE(test::writeFile(dir / "points\\2.bck", "EC"));
  broken.AddRestoreFile(dir / "a.dat");
  EXPECT_FALSE(broken.RestorePoint(dir / "points\\2.bck"));
  EXPECT_FALSE(broken.RestorePoint(dir / "points\\3.bck")) << "missing point";
}

TEST(BackupProtocol, WritesThePointAndAllowsTheDeletion) {
  test::ScopedSeams seams;
  test::ScratchFolder dir('D');
  ASSERT_TRUE(test::writeFile(dir / "x.tmp", "x"));
  RecordingBackupProgress progress;
  const std::string backup = dir / "BACKUP\\";  // missing: the protocol creates it
  EXPECT_EQ(backUpBeforeDeleting({{dir / "x.tmp"}, {}}, true, backup, progress),
            BackupOutcome::written);
  EXPECT_TRUE(test::fileExists(backup + "1.bck"));
  EXPECT_EQ(progress.shown, 1);
  EXPECT_EQ(progress.closed, 1);

  ASSERT_TRUE(test::writeFile(dir / "tree\\deep\\y.log", "y"));
  EXPECT_EQ(backUpBeforeDeleting({{}, {dir / "tree\\"}}, true, backup, progress),
            BackupOutcome::written);
  EXPECT_NE(test::readPoint(backup + "2.bck").listed.find("y.log"), std::string::npos);

  EXPECT_EQ(backUpBeforeDeleting({{dir / "missing.tmp"}, {}}, true, backup, progress),
            BackupOutcome::nothingToStore);
  EXPECT_FALSE(test::fileExists(backup + "3.bck"));
  EXPECT_EQ(backUpBeforeDeleting({{dir / "x.tmp"}, {}}, false, backup, progress),
            BackupOutcome::optionOff);
  EXPECT_FALSE(test::fileExists(backup + "3.bck"));
  EXPECT_EQ(progress.shown, 3) << "the window is not shown without the backup option";
  EXPECT_EQ(seams.prompts.countOf("message"), 0);
  for (auto o : {BackupOutcome::optionOff, BackupOutcome::written, BackupOutcome::nothingToStore,
                 BackupOutcome::folderMissing})
    EXPECT_TRUE(mayDelete(o));
}

TEST(BackupProtocol, ABackupFolderThatCannotBeCreatedStopsTheDeletion) {
  test::ScopedSeams seams;
  test::ScratchFolder dir('D');
  ASSERT_TRUE(test::writeFile(dir / "x.tmp", "x"));
  ASSERT_TRUE(test::writeFile(dir / "blocked", "a file where the folder should be"));
  RecordingBackupProgress progress;
  BackupOutcome o = backUpBeforeDeleting({{dir / "x.tmp"}, {}}, true, dir / "blocked\\", progress);
  EXPECT_EQ(o, BackupOutcome::folderNotCreated);
  EXPECT_FALSE(mayDelete(o));
  ASSERT_EQ(seams.prompts.countOf("message"), 1) << "the system's error is shown";
  EXPECT_FALSE(seams.prompts.asked()[0].text.empty());
  EXPECT_EQ(progress.closed, 1);
  EXPECT_EQ(seams.prompts.countOf("message"), 1);
}

TEST(BackupProtocol, APointThatCannotBeWrittenStopsTheDeletionAndLeavesNoRemains) {
  test::ScopedSeams seams;
  test::ScratchFolder dir('D');
  const std::string backup = dir / "BACKUP\\";
  ASSERT_TRUE(test::writeFile(dir / "a.tmp", "a"));
  ASSERT_TRUE(test::writePatternFile(dir / "b.tmp", 40000, 3));
  RecordingBackupProgress progress;

  // The next point's name is taken by a folder, so the archive cannot be created.
  test::makeFolders(backup + "1.bck");
  BackupOutcome o = backUpBeforeDeleting({{dir / "a.tmp"}, {}}, true, backup, progress);
  EXPECT_EQ(o, BackupOutcome::pointFailed);
  EXPECT_EQ(seams.prompts.countOf("message"), 1) << "the archive reports its error";
  test::removeTree(backup + "1.bck");

  // A file that another program opens exclusively after it was added is left out of the point;
  // when that was the only file, there is no point at all.
  HANDLE lock = INVALID_HANDLE_VALUE;
  progress.onShow = [&] {
    if (lock == INVALID_HANDLE_VALUE)
      lock =
          CreateFileA((dir / "b.tmp").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  };
  o = backUpBeforeDeleting({{dir / "a.tmp", dir / "b.tmp"}, {}}, true, backup, progress);
  EXPECT_EQ(o, BackupOutcome::written);
  test::PointContent point = test::readPoint(backup + "1.bck");
  EXPECT_EQ(point.fileCount, 1);
  EXPECT_EQ(point.listed.substr(0, point.listed.find('\t')), lowerFullPath(dir / "a.tmp"));
  o = backUpBeforeDeleting({{dir / "b.tmp"}, {}}, true, backup, progress);
  CloseHandle(lock);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  EXPECT_EQ(o, BackupOutcome::nothingToStore);
  EXPECT_FALSE(test::fileExists(backup + "2.bck"));
  EXPECT_EQ(seams.prompts.countOf("message"), 1);
  EXPECT_FALSE(test::fileExists(backup + "2.bck.part")) << "no remains";
}

TEST(BackupProtocol, AFailedPointNeverRemovesAnOldPointAfterTheWrap) {
  test::ScopedSeams seams;
  test::ScratchFolder dir('D');
  const std::string backup = dir / "BACKUP\\";
  ASSERT_TRUE(test::writeFile(backup + "1000.bck", "newest"));
  ASSERT_TRUE(test::writeFile(backup + "1.bck", "oldest"));
  ASSERT_TRUE(test::writeFile(dir / "a.tmp", "a"));
  // The file-ID list needs a temporary file; without a temporary folder the point fails before
  // it touches the old 1.bck.
  char oldTmp[MAX_PATH] = {};
  GetEnvironmentVariableA("TMP", oldTmp, MAX_PATH);
  SetEnvironmentVariableA("TMP", (dir / "no-such-folder").c_str());
  RecordingBackupProgress progress;
  BackupOutcome o = backUpBeforeDeleting({{dir / "a.tmp"}, {}}, true, backup, progress);
  SetEnvironmentVariableA("TMP", oldTmp);
  EXPECT_EQ(o, BackupOutcome::pointFailed);
  EXPECT_EQ(test::readFile(backup + "1.bck"), "oldest");
}

TEST(BackupPoints, RestoreReplacesProtectedFilesAndKeepsTheirAttributes) {
  test::ScopedSeams seams;
  test::ScratchFolder dir('D');
  test::writeFile(dir / "ro.txt", "read-only original");
  test::writeFile(dir / "hidden.txt", "hidden original");
  {
    MyBackup b;
    b.AddFile(dir / "ro.txt");
    b.AddFile(dir / "hidden.txt");
    ASSERT_TRUE(b.CreatePoint(dir / "1.bck"));
  }
  test::writeFile(dir / "ro.txt", "changed");
  test::writeFile(dir / "hidden.txt", "changed");
  SetFileAttributesA((dir / "ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  SetFileAttributesA((dir / "hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);

  MyBackup r;
  r.AddRestoreFile(dir / "ro.txt");
  r.AddRestoreFile(dir / "hidden.txt");
  EXPECT_TRUE(r.RestorePoint(dir / "1.bck"));
  EXPECT_EQ(test::readFile(dir / "ro.txt"), "read-only original");
  EXPECT_EQ(test::readFile(dir / "hidden.txt"), "hidden original");
  EXPECT_EQ(GetFileAttributesA((dir / "ro.txt").c_str()) & FILE_ATTRIBUTE_READONLY,
            static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(GetFileAttributesA((dir / "hidden.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN,
            static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
  EXPECT_FALSE(test::fileExists(dir / "ro.txt.~restoring"));
  SetFileAttributesA((dir / "ro.txt").c_str(), FILE_ATTRIBUTE_NORMAL);

  // A folder standing where a file comes back: the archive reports it, nothing is left behind.
  DeleteFileA((dir / "ro.txt").c_str());
  test::makeFolders(dir / "ro.txt");
  MyBackup blocked;
  blocked.AddRestoreFile(dir / "ro.txt");
  EXPECT_FALSE(blocked.RestorePoint(dir / "1.bck"));
  EXPECT_EQ(seams.prompts.countOf("message"), 1);
  EXPECT_TRUE(test::folderExists(dir / "ro.txt"));
  EXPECT_FALSE(test::fileExists(dir / "ro.txt.~restoring"));
}

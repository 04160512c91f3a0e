// Backup points on a test drive: point names, the size limit, the registry point, restoring a
// chosen subset, and the protocol of backing up before deleting.
#include <gtest/gtest.h>

#include "app/texts.h"
#include "backup/backup_protocol.h"
#include "backup/my_backup.h"
#include "support/fake_seams.h"
#include "support/scratch.h"

using namespace scrubwell;

namespace {

struct NullProgress : BackupProgress {
  int shown = 0, closed = 0, lastPercent = -1;
  void showWindow() override { ++shown; }
  void closeWindow() override { ++closed; }
  void setPercent(int p) override { lastPercent = p; }
  void setFileText(const std::string&) override {}
};

// A file of `size` bytes that takes no room on the host: the end is set, nothing written.
bool makeSparseFile(const std::string& path, int64_t size) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER at;
  at.QuadPart = size;
  bool ok = SetFilePointerEx(h, at, nullptr, FILE_BEGIN) && SetEndOfFile(h);
  CloseHandle(h);
  return ok;
}

std::vector<std::string> storedNames(const std::string& archive) {
  TBackupFile reader;
  std::vector<std::string> list;
  std::string title;
  reader.ReadArchiveInfo(archive, &list, title);
  return list;
}

}  // namespace

TEST(BackupPoints, NextPointNameContinuesAfterTheHighestAndWraps) {
  test::ScratchFolder dir('D');
  EXPECT_EQ(NextPointName(dir.path()), dir / "1.bck");
  test::writeFile(dir / "7.bck", "x");
  test::writeFile(dir / "3.bck", "x");
  EXPECT_EQ(NextPointName(dir.path()), dir / "8.bck") << "4.bck is free but 7 is the highest";
  test::writeFile(dir / "1000.bck", "x");
  EXPECT_EQ(NextPointName(dir.path()), dir / "1.bck");
}

TEST(BackupPoints, FilesAboveTheSizeLimitAndMissingFilesAreLeftOut) {
  test::ScratchFolder dir('D');
  ASSERT_TRUE(makeSparseFile(dir / "exact.bin", MyBackup::kMaxFileSize));
  ASSERT_TRUE(makeSparseFile(dir / "over.bin", MyBackup::kMaxFileSize + 1));
  MyBackup b;
  b.AddFile(dir / "exact.bin");
  b.AddFile(dir / "over.bin");
  b.AddFile(dir / "missing.bin");
  EXPECT_EQ(b.storeList(), (std::vector<std::string>{dir / "exact.bin"}));

  MyBackup none;
  none.AddFile(dir / "over.bin");
  EXPECT_FALSE(none.CreatePoint(dir / "1.bck")) << "nothing added writes no point";
  EXPECT_FALSE(test::fileExists(dir / "1.bck"));
}

TEST(BackupPoints, RestoreBringsBackOnlyTheChosenFilesByteForByte) {
  test::ScopedSeams seams;
  test::ScratchFolder dir('D');
  ASSERT_TRUE(test::writePatternFile(dir / "a.dat", 70000, 1));
  ASSERT_TRUE(test::writePatternFile(dir / "sub\\b.dat", 1234, 2));
  const std::string a = test::readFile(dir / "a.dat"), bContent = test::readFile(dir / "sub\\b.dat");
  const std::string point = dir / "points\\1.bck";
  test::makeFolders(dir / "points");
  {
    MyBackup b;
    b.AddFolderTree(dir.path());
    NullProgress progress;
    b.SetProgressControls(&progress, true);
    ASSERT_TRUE(b.CreatePoint(point));
    EXPECT_EQ(progress.lastPercent >= 0, true);
  }
  auto names = storedNames(point);
  ASSERT_FALSE(names.empty()) << "the file-ID list comes first";

  DeleteFileA((dir / "a.dat").c_str());
  DeleteFileA((dir / "sub\\b.dat").c_str());
  {
    MyBackup r;
    r.AddRestoreFile("  " + dir / "A.DAT" + " ");  // trimmed and compared in upper case
    EXPECT_TRUE(r.RestorePoint(point));
  }
  EXPECT_EQ(test::readFile(dir / "a.dat"), a);
  EXPECT_FALSE(test::fileExists(dir / "sub\\b.dat")) << "not chosen, not restored";
  {
    MyBackup nothing;
    nothing.AddRestoreFile("D:\\not\\in\\the\\point.txt");
    EXPECT_TRUE(nothing.RestorePoint(point)) << "a list matching nothing writes nothing";
  }
  EXPECT_FALSE(test::fileExists(dir / "sub\\b.dat"));
  (void)bContent;
}

TEST(BackupPoints, ARegistryPointHoldsTheExportAndSaysSoInItsTitle) {
  test::ScopedSeams seams;
  translation().loadFromText("[0]\r\nENGLISH\r\n[250]\r\nregistry clean-up\r\n[END]\r\n");
  test::ScratchFolder dir('D');
  ASSERT_TRUE(test::writeFile("C:\\Registrybackup_1.reg", "REGEDIT4\r\n"));
  {
    MyBackup b;
    ASSERT_TRUE(b.CreateRegistryPoint(dir / "1.bck"));
  }
  TBackupFile reader;
  std::vector<std::string> list;
  std::string title;
  ASSERT_TRUE(reader.ReadArchiveInfo(dir / "1.bck", &list, title));
  EXPECT_EQ(title, pointTitle() + " (registry clean-up)");
  EXPECT_EQ(reader.FileCount, 1);
  std::string all;
  for (const auto& l : list) all += l;
  EXPECT_NE(all.find("c:\\registrybackup_1.reg"), std::string::npos) << all;
  DeleteFileA("C:\\Registrybackup_1.reg");
  translation().clear();
}

TEST(BackupProtocol, WritesThePointAndAllowsTheDeletion) {
  test::ScopedSeams seams;
  test::ScratchFolder dir('D');
  ASSERT_TRUE(test::writeFile(dir / "x.tmp", "x"));
  NullProgress progress;
  const std::string backup = dir / "BACKUP\\";  // missing: the protocol creates it
  EXPECT_EQ(backUpBeforeDeleting({{dir / "x.tmp"}, {}}, backup, progress), BackupOutcome::written);
  EXPECT_TRUE(test::fileExists(backup + "1.bck"));
  EXPECT_EQ(progress.shown, 1);
  EXPECT_EQ(progress.closed, 1);
  EXPECT_EQ(backUpBeforeDeleting({{dir / "missing.tmp"}, {}}, backup, progress),
            BackupOutcome::nothingToStore);
  EXPECT_TRUE(mayDelete(BackupOutcome::nothingToStore));
}

TEST(BackupProtocol, AFolderThatCannotBeCreatedOrAPointThatCannotBeWrittenStopsTheDeletion) {
  test::ScopedSeams seams;
  test::ScratchFolder dir('D');
  ASSERT_TRUE(test::writeFile(dir / "x.tmp", "x"));
  ASSERT_TRUE(test::writeFile(dir / "blocked", "a file where the folder should be"));
  NullProgress progress;
  EXPECT_EQ(backUpBeforeDeleting({{dir / "x.tmp"}, {}}, dir / "blocked\\", progress),
            BackupOutcome::folderNotCreated);
  EXPECT_EQ(seams.prompts.countOf("message"), 1) << "the system's error is shown";

  // The next point's name is taken by a folder, so the archive cannot be created.
  test::makeFolders(dir / "BACKUP\\1.bck");
  BackupOutcome o = backUpBeforeDeleting({{dir / "x.tmp"}, {}}, dir / "BACKUP\\", progress);
  EXPECT_EQ(o, BackupOutcome::pointFailed);
  EXPECT_FALSE(mayDelete(o));
  EXPECT_TRUE(test::fileExists(dir / "x.tmp"));
}

// The removal of folder trees on a test drive: the point of a removal holds every file it
// deleted (hidden, system and read-only ones included, nothing behind a link) and restores them;
// a link is deleted itself, never what it points to; leftovers, refusals and missing folders are
// reported as what they are; freed bytes count only what was deleted; a point that cannot be
// written stops the run before anything is deleted.
#include "scan/folder_tree_removal.h"

#include <gtest/gtest.h>

#include "backup/my_backup.h"
#include "backup/my_backup_test_support.h"
#include "base/file_ops.h"
#include "scan/removal_sandbox.h"

using namespace scrubwell;

namespace {

const char* const kTexts =
    "[0]\r\nENGLISH\r\n[1]\r\nScrubwell\r\n[149]\r\nFile\r\n[150]\r\n - removed with backup\r\n"
    "[152]\r\nno backup folder\r\n[157]\r\nStatus report\r\n[158]\r\nProcessed:\r\n"
    "[159]\r\n - in the recycle bin\r\n[160]\r\n - not removed\r\n[5260]\r\nFolder\r\n"
    "[5261]\r\n - leftovers\r\n[5262]\r\n - refused\r\n[5263]\r\n - not found\r\n"
    "[5264]\r\n - deleted for good\r\n[END]\r\n";

struct TreeRun : test::RemovalSandbox {
  std::vector<std::string> guarded;
  TreeRun() : RemovalSandbox(kTexts) { guarded = {dir / "protected\\"}; }
  FolderTreesOutcome remove(const std::vector<std::string>& folders,
                            FolderTreeAction action = FolderTreeAction::removeFolder) {
    return removeFolderTrees(folders, action, settings, parts, guarded);
  }
};

}  // namespace

TEST(FolderTreeRemoval, ThePointHoldsEveryDeletedFileAndRestoresIt) {
  TreeRun r;
  const std::string tree = r.dir / "Uninstall Leftovers\\";
  const std::vector<std::pair<std::string, uint64_t>> files = {
      {"plain.txt", 3000},          {"Hidden Folder\\inside.dat", 20000},
      {"system.bin", 70},           {"read-only.txt", 12},
      {"sub\\deep\\nested.log", 0}, {"System Folder\\in system.ini", 5}};
  uint32_t seed = 1;
  for (const auto& [name, size] : files)
    ASSERT_TRUE(test::writePatternFile(tree + name, size, seed++));
  SetFileAttributesA((tree + "Hidden Folder").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesA((tree + "System Folder").c_str(), FILE_ATTRIBUTE_SYSTEM);
  SetFileAttributesA((tree + "system.bin").c_str(), FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesA((tree + "read-only.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  std::vector<std::string> before;
  for (const auto& f : files) before.push_back(test::readFile(tree + f.first));

  FolderTreesOutcome o = r.remove({tree});
  EXPECT_EQ(o.run.end, RemovalEnd::done);
  ASSERT_EQ(o.items.size(), 1u);
  EXPECT_EQ(o.items[0].result, FolderTreeResult::removed);
  EXPECT_EQ(o.items[0].folder, tree);
  EXPECT_EQ(o.run.counts.removed, 1);
  EXPECT_EQ(o.run.counts.freedBytes, 3000 + 20000 + 70 + 12 + 0 + 5);
  EXPECT_FALSE(test::folderExists(tree));
  EXPECT_EQ(r.windows.startedWith, 1);
  EXPECT_EQ(r.windows.stepped, std::vector<std::string>{tree});
  EXPECT_TRUE(r.reported("Folder " + tree + " - removed with backup"));

  test::PointContent point = test::readPoint(r.settings.backupFolder + "1.bck");
  ASSERT_TRUE(point.readable);
  EXPECT_EQ(point.fileCount, static_cast<int32_t>(files.size())) << point.listed;
  MyBackup restore;
  for (const auto& f : files) restore.AddRestoreFile(tree + f.first);
  ASSERT_TRUE(restore.RestorePoint(r.settings.backupFolder + "1.bck"));
  for (size_t i = 0; i < files.size(); ++i)
    EXPECT_EQ(test::readFile(tree + files[i].first), before[i]) << files[i].first;
}

TEST(FolderTreeRemoval, ALinkInsideIsRemovedItselfAndNothingBehindItIsTouched) {
  TreeRun r;
  const std::string tree = r.dir / "with link\\";
  ASSERT_TRUE(test::writeFile(tree + "own.txt", "own"));
  ASSERT_TRUE(test::writeFile(r.dir / "elsewhere\\keep.txt", "not below the tree"));
  if (!test::makeFolderLink(tree + "link", r.dir / "elsewhere"))
    GTEST_SKIP() << "no folder link can be made here";
  FolderTreesOutcome o = r.remove({tree});
  ASSERT_EQ(o.items.size(), 1u);
  EXPECT_EQ(test::readFile(r.dir / "elsewhere\\keep.txt"), "not below the tree");
  EXPECT_FALSE(test::fileExists(tree + "own.txt"));
  // Windows removes the link; Wine cannot remove a host symbolic link to a folder, and then the
  // link is the one leftover and the folder is not reported removed.
  if (test::folderExists(tree)) {
    EXPECT_EQ(o.items[0].result, FolderTreeResult::leftovers);
    EXPECT_EQ(o.items[0].leftovers, 1);
  } else {
    EXPECT_EQ(o.items[0].result, FolderTreeResult::removed);
  }
  test::PointContent point = test::readPoint(r.settings.backupFolder + "1.bck");
  ASSERT_TRUE(point.readable);
  EXPECT_EQ(point.fileCount, 1);
  EXPECT_EQ(point.listed.find("keep.txt"), std::string::npos) << "nothing behind the link";
}

TEST(FolderTreeRemoval, AFolderWithLeftoversIsNotReportedRemovedAndFreesOnlyWhatWent) {
  TreeRun r;
  const std::string tree = r.dir / "busy\\";
  ASSERT_TRUE(test::writeFile(tree + "goes.txt", std::string(4000, 'g')));
  ASSERT_TRUE(test::writeFile(tree + "held\\locked.txt", std::string(900, 'l')));
  HANDLE lock = CreateFileA((tree + "held\\locked.txt").c_str(), GENERIC_READ, 0, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  FolderTreesOutcome o = r.remove({tree});
  CloseHandle(lock);
  ASSERT_EQ(o.items.size(), 1u);
  EXPECT_EQ(o.items[0].result, FolderTreeResult::leftovers);
  EXPECT_GE(o.items[0].leftovers, 1);
  EXPECT_EQ(o.run.counts.removed, 0);
  EXPECT_EQ(o.run.counts.unremovable, 1);
  EXPECT_EQ(o.run.counts.freedBytes, 4000) << "the locked file was not deleted";
  EXPECT_FALSE(test::fileExists(tree + "goes.txt")) << "the run goes on past a failure";
  EXPECT_TRUE(test::fileExists(tree + "held\\locked.txt"));
  EXPECT_TRUE(r.reported("Folder " + tree + " - leftovers"));
}

TEST(FolderTreeRemoval, RefusedAndMissingFoldersAreReportedAndLeftAlone) {
  TreeRun r;
  ASSERT_TRUE(test::writeFile(r.dir / "protected\\mine.txt", "stay"));
  ASSERT_TRUE(test::writeFile(r.dir / "ordinary\\junk.tmp", "go"));
  FolderTreesOutcome o =
      r.remove({"D:", r.dir / "protected", "temp\\", r.dir / "absent\\", r.dir / "ordinary"});
  ASSERT_EQ(o.items.size(), 5u);
  EXPECT_EQ(o.items[0].result, FolderTreeResult::refused);
  EXPECT_EQ(o.items[0].refusal, FolderRefusal::driveRoot);
  EXPECT_EQ(o.items[1].refusal, FolderRefusal::protectedFolder);
  EXPECT_EQ(o.items[2].refusal, FolderRefusal::notFullyQualified);
  EXPECT_EQ(o.items[3].result, FolderTreeResult::missing);
  EXPECT_EQ(o.items[4].result, FolderTreeResult::removed);
  EXPECT_EQ(o.run.counts.unremovable, 4);
  EXPECT_EQ(o.run.counts.removed, 1);
  EXPECT_EQ(o.run.counts.freedBytes, 2);
  EXPECT_TRUE(test::fileExists(r.dir / "protected\\mine.txt"));
  EXPECT_TRUE(r.reported("Folder D: - refused"));
  EXPECT_TRUE(r.reported("Folder " + r.dir / "protected - refused"));
  EXPECT_TRUE(r.reported("Folder " + r.dir / "absent\\ - not found"));
  EXPECT_EQ(r.windows.startedWith, 1) << "only the folder that passed is a deletion step";
  EXPECT_EQ(test::readPoint(r.settings.backupFolder + "1.bck").fileCount, 1);
}

TEST(FolderTreeRemoval, APointThatCannotBeWrittenDeletesNothing) {
  TreeRun r;
  ASSERT_TRUE(test::writeFile(r.dir / "tree\\precious.txt", "precious"));
  ASSERT_TRUE(test::makeFolders(r.settings.backupFolder + "1.bck"));  // the point's name is taken
  FolderTreesOutcome o = r.remove({r.dir / "tree\\"});
  EXPECT_EQ(o.run.end, RemovalEnd::stoppedBeforeDeleting);
  ASSERT_EQ(o.items.size(), 1u);
  EXPECT_EQ(o.items[0].result, FolderTreeResult::untouched);
  EXPECT_EQ(o.run.counts.removed + o.run.counts.unremovable, 0);
  EXPECT_EQ(test::readFile(r.dir / "tree\\precious.txt"), "precious");
  EXPECT_TRUE(r.windows.stepped.empty());
}

TEST(FolderTreeRemoval, EmptyingKeepsTheFolderAndWithoutBackupUsesTheRecycleBin) {
  TreeRun r;
  const std::string tree = r.dir / "own folder\\";
  ASSERT_TRUE(test::writeFile(tree + "a.dmp", "12345"));
  ASSERT_TRUE(test::writeFile(tree + "sub\\b.dmp", "678"));
  FolderTreesOutcome o = r.remove({tree}, FolderTreeAction::emptyFolder);
  EXPECT_EQ(o.items[0].result, FolderTreeResult::removed);
  EXPECT_EQ(o.run.counts.freedBytes, 8);
  EXPECT_TRUE(test::folderExists(tree));
  EXPECT_FALSE(test::fileExists(tree + "a.dmp"));
  EXPECT_FALSE(test::folderExists(tree + "sub"));

  r.settings.backupOption = false;
  ASSERT_TRUE(test::writeFile(tree + "c.dmp", "recycled"));
  ASSERT_TRUE(test::writeFile(tree + "more\\d.dmp", "too"));
  o = r.remove({tree}, FolderTreeAction::emptyFolder);
  EXPECT_EQ(o.items[0].result, FolderTreeResult::removed);
  EXPECT_EQ(o.run.counts.freedBytes, 8 + 3);
  EXPECT_TRUE(test::folderExists(tree));
  EXPECT_TRUE(r.reported("Folder " + tree + " - in the recycle bin"));
  ASSERT_FALSE(test::runFolder().empty());
  const std::string trash = test::runFolder() + "home\\.local\\share\\Trash\\files\\";
  EXPECT_EQ(test::readFile(trash + "c.dmp"), "recycled");
  EXPECT_EQ(test::readFile(trash + "more\\d.dmp"), "too");
  EXPECT_FALSE(test::fileExists(r.settings.backupFolder + "2.bck"))
      << "no point without the option";

  o = r.remove({tree});
  EXPECT_EQ(o.items[0].result, FolderTreeResult::removed);
  EXPECT_FALSE(test::folderExists(tree));

  // A removable drive keeps no recycle bin: the shell deletes for good, and the report says so.
  test::ScratchFolder stick('E');
  ASSERT_TRUE(test::writeFile(stick / "cache\\e.dmp", "gone"));
  o = r.remove({stick / "cache\\"});
  EXPECT_EQ(o.items[0].result, FolderTreeResult::removed);
  EXPECT_TRUE(r.reported("Folder " + stick / "cache\\" + " - deleted for good"));
  EXPECT_TRUE(test::readFile(trash + "e.dmp").empty()) << "nothing of it in the recycle bin";
}

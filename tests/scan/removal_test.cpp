// The removal of marked entries on a test drive: with the backup option (a point first, then
// deletion), without it (the recycle bin), nothing marked, the confirmation declined, files that
// vanished or cannot be deleted, the temporary-folder sweep, and backups that cannot be made,
// after which nothing is deleted.
#include <gtest/gtest.h>

#include "backup/my_backup.h"
#include "backup/my_backup_test_support.h"
#include "base/file_ops.h"
#include "base/recycle.h"
#include "scan/removal.h"
#include "scan/removal_sandbox.h"
#include "scan/system_result_list.h"
#include "scan/temp_folder_scan.h"

using namespace scrubwell;

namespace {

const char* const kTexts =
    "[0]\r\nENGLISH\r\n[1]\r\nScrubwell\r\n[149]\r\nFile\r\n[150]\r\n - removed with backup\r\n"
    "[152]\r\nno backup folder\r\n[156]\r\nRemove?\r\n[157]\r\nStatus report\r\n"
    "[158]\r\nProcessed:\r\n[159]\r\n - in the recycle bin\r\n[160]\r\n - not removed\r\n"
    "[5264]\r\n - deleted for good\r\n[END]\r\n";

struct RemovalRun : test::RemovalSandbox {
  ResultList list = makeSystemResultList();
  RemovalRun() : RemovalSandbox(kTexts) {}
  ~RemovalRun() { pendingTemporarySweep().clear(); }
  // Fills the list as a scan does: every entry added, the rows built, all marked but `unmarked`.
  void fill(const std::vector<std::string>& names, const std::vector<std::string>& unmarked = {}) {
    for (const auto& n : names) list.add(dir / n);
    list.rebuildRows(systemFileSize);
    for (size_t i = 0; i < list.size(); ++i) {
      bool keep = false;
      for (const auto& n : unmarked) keep = keep || list.path(i) == dir / n;
      list.setRowMarked(i, !keep);
    }
  }
  RemovalOutcome remove() { return removeMarkedEntries(list, settings, parts); }
};

}  // namespace

TEST(Removal, BacksUpThenDeletesAndLeavesTooLargeFilesOutOfThePoint) {
  RemovalRun r;
  ASSERT_TRUE(test::writeFile(r.dir / "a.tmp", std::string(3000, 'a')));
  ASSERT_TRUE(test::writeFile(r.dir / "b.bak", std::string(7000, 'b')));
  ASSERT_TRUE(test::makeSparseFile(r.dir / "huge.tmp", MyBackup::kMaxFileSize + 1));
  r.fill({"a.tmp", "b.bak", "huge.tmp"});
  RemovalOutcome o = r.remove();
  EXPECT_EQ(o.end, RemovalEnd::done);
  EXPECT_EQ(o.counts.removed, 3);
  EXPECT_EQ(o.counts.unremovable, 0);
  EXPECT_EQ(o.counts.unmarked, 0);
  EXPECT_EQ(o.counts.freedBytes, 3000 + 7000 + MyBackup::kMaxFileSize + 1);
  EXPECT_TRUE(r.windows.resultsHidden);
  EXPECT_EQ(r.windows.startedWith, 3);
  EXPECT_EQ(r.windows.stepped.size(), 3u);
  EXPECT_EQ(r.windows.backup.shown, 1);
  EXPECT_EQ(r.windows.backup.closed, 1);
  for (const char* f : {"a.tmp", "b.bak", "huge.tmp"})
    EXPECT_FALSE(test::fileExists(r.dir / f)) << f;
  EXPECT_TRUE(r.list.empty());
  EXPECT_EQ(r.list.rowCount(), 0u);

  test::PointContent point = test::readPoint(r.settings.backupFolder + "1.bck");
  ASSERT_TRUE(point.readable);
  EXPECT_EQ(point.fileCount, 2) << "the two files within the limit";
  EXPECT_NE(point.listed.find("a.tmp"), std::string::npos) << point.listed;
  EXPECT_NE(point.listed.find("b.bak"), std::string::npos) << point.listed;
  EXPECT_EQ(point.listed.find("huge.tmp"), std::string::npos) << point.listed;

  const std::vector<std::string> header = {std::string(28, ' ') + "Scrubwell",
                                           std::string(27, ' ') + "===========",
                                           "",
                                           std::string(25, ' ') + "Status report",
                                           "",
                                           "Processed:",
                                           ""};
  ASSERT_EQ(r.windows.lines.size(), header.size() + 3);
  EXPECT_EQ(std::vector<std::string>(r.windows.lines.begin(), r.windows.lines.begin() + 7), header);
  EXPECT_TRUE(r.reported("File " + r.dir / "huge.tmp" + " - removed with backup"));
}

TEST(Removal, ThePointOfARemovalRestoresTheFilesByteForByte) {
  RemovalRun r;
  ASSERT_TRUE(test::writePatternFile(r.dir / "one.tmp", 50000, 7));
  ASSERT_TRUE(test::writePatternFile(r.dir / "sub\\two.bak", 16385, 8));
  ASSERT_TRUE(test::writeFile(r.dir / "sub\\empty.old", ""));
  const std::string one = test::readFile(r.dir / "one.tmp");
  const std::string two = test::readFile(r.dir / "sub\\two.bak");
  r.fill({"one.tmp", "sub\\two.bak", "sub\\empty.old"});
  ASSERT_EQ(r.remove().counts.removed, 3);
  ASSERT_FALSE(test::fileExists(r.dir / "one.tmp"));
  MyBackup restore;
  for (const char* f : {"one.tmp", "sub\\two.bak", "sub\\empty.old"})
    restore.AddRestoreFile(r.dir / f);
  EXPECT_TRUE(restore.RestorePoint(r.settings.backupFolder + "1.bck"));
  EXPECT_EQ(test::readFile(r.dir / "one.tmp"), one);
  EXPECT_EQ(test::readFile(r.dir / "sub\\two.bak"), two);
  EXPECT_TRUE(test::fileExists(r.dir / "sub\\empty.old"));
}

TEST(Removal, WithoutTheBackupOptionFilesGoToTheRecycleBin) {
  RemovalRun r;
  r.settings.backupOption = false;
  ASSERT_TRUE(test::writeFile(r.dir / "old.tmp", "recycle me"));
  r.fill({"old.tmp"});
  RemovalOutcome o = r.remove();
  EXPECT_EQ(o.counts.removed, 1);
  EXPECT_FALSE(test::fileExists(r.dir / "old.tmp"));
  EXPECT_FALSE(test::folderExists(r.settings.backupFolder)) << "no point without the option";
  EXPECT_EQ(r.windows.backup.shown, 0);
  EXPECT_TRUE(r.reported("File " + r.dir / "old.tmp" + " - in the recycle bin"));
  ASSERT_FALSE(test::runFolder().empty());
  std::string trash = test::runFolder() + "home\\.local\\share\\Trash\\files\\old.tmp";
  EXPECT_EQ(test::readFile(trash), "recycle me") << trash;
  EXPECT_FALSE(sendToRecycleBin(r.dir / "missing.tmp")) << "a missing file is a failure";
}

TEST(Removal, ADriveWithoutARecycleBinDeletesForGoodAndSaysSo) {
  RemovalRun r;
  r.settings.backupOption = false;
  test::ScratchFolder removable('E');
  ASSERT_TRUE(test::writeFile(removable / "stick.tmp", "gone for good"));
  r.list.add(removable / "stick.tmp");
  r.list.rebuildRows(systemFileSize);
  r.list.setRowMarked(0, true);
  RemovalOutcome o = r.remove();
  EXPECT_EQ(o.counts.removed, 1);
  EXPECT_FALSE(test::fileExists(removable / "stick.tmp"));
  EXPECT_TRUE(r.reported("File " + removable / "stick.tmp" + " - deleted for good"));
  const std::string trash = test::runFolder() + "home\\.local\\share\\Trash\\files\\stick.tmp";
  EXPECT_FALSE(test::fileExists(trash)) << "the report says what happened";
}

TEST(Removal, NothingMarkedWritesNoPointAndCountsEveryEntryUnmarked) {
  RemovalRun r;
  ASSERT_TRUE(test::writeFile(r.dir / "a.tmp", "x"));
  ASSERT_TRUE(test::writeFile(r.dir / "b.tmp", "x"));
  r.fill({"a.tmp", "b.tmp"}, {"a.tmp", "b.tmp"});
  RemovalOutcome o = r.remove();
  EXPECT_EQ(o.end, RemovalEnd::done);
  EXPECT_EQ(o.counts.unmarked, 2);
  EXPECT_EQ(o.counts.removed, 0);
  EXPECT_EQ(o.counts.freedBytes, 0);
  EXPECT_EQ(r.windows.startedWith, 0);
  EXPECT_TRUE(test::fileExists(r.dir / "a.tmp"));
  EXPECT_FALSE(test::fileExists(r.settings.backupFolder + "1.bck"));
  EXPECT_TRUE(r.list.empty()) << "the list is emptied all the same";
}

TEST(Removal, UnmarkedEntriesStayAndAreCounted) {
  RemovalRun r;
  ASSERT_TRUE(test::writeFile(r.dir / "a.tmp", "x"));
  ASSERT_TRUE(test::writeFile(r.dir / "keep.doc", "mine"));
  r.fill({"a.tmp", "keep.doc"}, {"keep.doc"});
  RemovalOutcome o = r.remove();
  EXPECT_EQ(o.counts.removed, 1);
  EXPECT_EQ(o.counts.unmarked, 1);
  EXPECT_TRUE(test::fileExists(r.dir / "keep.doc"));
  EXPECT_EQ(test::readPoint(r.settings.backupFolder + "1.bck").fileCount, 1);
}

TEST(Removal, DecliningTheQuestionChangesNothing) {
  RemovalRun r;
  r.settings.askBeforeRemoving = true;
  ASSERT_TRUE(test::writeFile(r.dir / "a.tmp", "x"));
  r.fill({"a.tmp"});
  pendingTemporarySweep() = {r.dir / "temp\\"};
  r.seams.prompts.answerMessage(IDNO);
  EXPECT_EQ(r.remove().end, RemovalEnd::declined);
  ASSERT_EQ(r.seams.prompts.countOf("message"), 1);
  EXPECT_EQ(r.seams.prompts.asked()[0].text, "Remove?");
  EXPECT_EQ(r.seams.prompts.asked()[0].caption, "Scrubwell");
  EXPECT_EQ(r.seams.prompts.asked()[0].flags & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
  EXPECT_TRUE(test::fileExists(r.dir / "a.tmp"));
  ASSERT_EQ(r.list.size(), 1u);
  EXPECT_TRUE(r.list.isRowMarked(0));
  EXPECT_FALSE(r.windows.resultsHidden);
  EXPECT_TRUE(r.windows.lines.empty());
  EXPECT_EQ(pendingTemporarySweep().size(), 1u) << "a declined removal leaves the sweep pending";

  r.seams.prompts.answerMessage(IDYES);
  EXPECT_EQ(r.remove().counts.removed, 1);
}

TEST(Removal, VanishedAndUndeletableFilesAreUnremovable) {
  RemovalRun r;
  ASSERT_TRUE(test::writeFile(r.dir / "gone.tmp", "x"));
  ASSERT_TRUE(test::writeFile(r.dir / "busy.tmp", "held open"));
  r.fill({"gone.tmp", "busy.tmp"});
  DeleteFileA((r.dir / "gone.tmp").c_str());
  HANDLE busy = CreateFileA((r.dir / "busy.tmp").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            0, nullptr);
  ASSERT_NE(busy, INVALID_HANDLE_VALUE);
  RemovalOutcome o = r.remove();
  CloseHandle(busy);
  EXPECT_EQ(o.end, RemovalEnd::done) << "a file left out of the point does not stop the run";
  EXPECT_EQ(o.counts.unremovable, 2);
  EXPECT_EQ(o.counts.freedBytes, 0) << "a file that could not be deleted frees nothing";
  EXPECT_EQ(r.windows.stepped, (std::vector<std::string>{r.dir / "busy.tmp"}))
      << "no progress step for a vanished file";
  EXPECT_TRUE(r.reported("File " + r.dir / "gone.tmp" + " - not removed"));
  EXPECT_TRUE(r.reported("File " + r.dir / "busy.tmp" + " - not removed"));
  EXPECT_TRUE(test::fileExists(r.dir / "busy.tmp"));
}

// A file the point cannot read (another program holds it open, sharing only its deletion) would
// be gone for good: it stays, and only what the point holds is deleted.
TEST(Removal, AFileThePointCouldNotHoldIsKept) {
  RemovalRun r;
  ASSERT_TRUE(r.settings.backupOption);
  ASSERT_TRUE(test::writeFile(r.dir / "held.tmp", "precious"));
  ASSERT_TRUE(test::writeFile(r.dir / "plain.tmp", "x"));
  r.fill({"held.tmp", "plain.tmp"});
  HANDLE held = CreateFileA((r.dir / "held.tmp").c_str(), GENERIC_READ, FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  RemovalOutcome o = r.remove();
  CloseHandle(held);
  EXPECT_EQ(o.end, RemovalEnd::done);
  EXPECT_EQ(o.counts.removed, 1);
  EXPECT_EQ(o.counts.unremovable, 1);
  EXPECT_FALSE(test::fileExists(r.dir / "plain.tmp"));
  EXPECT_EQ(test::readFile(r.dir / "held.tmp"), "precious");
  EXPECT_TRUE(r.reported("File " + r.dir / "held.tmp" + " - not removed"));
}

// A name the code page cannot show comes back from the walk with "?" in its place; such an
// entry is reported unremovable and neither it nor the files its "?" would match are touched.
TEST(Removal, NamesTheCodePageCannotShowAreNeverHandedOnAsPatterns) {
  for (bool backupOption : {true, false}) {
    SCOPED_TRACE(backupOption ? "with backup" : "into the recycle bin");
    RemovalRun r;
    r.settings.backupOption = backupOption;
    ASSERT_TRUE(test::writeFile(r.dir / "a1b.tmp", "kept"));
    ASSERT_TRUE(test::writeFile(r.dir / "a2b.tmp", "kept too"));
    ASSERT_TRUE(test::writeFile(r.dir / "plain.tmp", "goes"));
    r.fill({"a?b.tmp", "a*", "plain.tmp"});
    RemovalOutcome o = r.remove();
    EXPECT_EQ(o.end, RemovalEnd::done);
    EXPECT_EQ(o.counts.removed, 1);
    EXPECT_EQ(o.counts.unremovable, 2);
    EXPECT_TRUE(r.reported("File " + r.dir / "a?b.tmp" + " - not removed"));
    EXPECT_EQ(test::readFile(r.dir / "a1b.tmp"), "kept");
    EXPECT_EQ(test::readFile(r.dir / "a2b.tmp"), "kept too");
    EXPECT_FALSE(test::fileExists(r.dir / "plain.tmp"));
    if (backupOption) {
      test::PointContent point = test::readPoint(r.settings.backupFolder + "1.bck");
      ASSERT_TRUE(point.readable);
      EXPECT_EQ(point.fileCount, 1) << point.listed;
    }
  }
  EXPECT_FALSE(sendToRecycleBin("D:\\a?b.tmp"));
}

TEST(Removal, AfterATemporaryFolderScanTheEmptiedFoldersGoToo) {
  RemovalRun r;
  ASSERT_TRUE(test::writeFile(r.dir / "temp\\setup\\a.tmp", "x"));
  ASSERT_TRUE(test::writeFile(r.dir / "temp\\keep\\b.tmp", "y"));
  r.fill({"temp\\setup\\a.tmp", "temp\\keep\\b.tmp"}, {"temp\\keep\\b.tmp"});
  pendingTemporarySweep() = {r.dir / "temp\\"};
  r.remove();
  EXPECT_TRUE(pendingTemporarySweep().empty());
  EXPECT_FALSE(test::folderExists(r.dir / "temp\\setup"));
  EXPECT_TRUE(test::fileExists(r.dir / "temp\\keep\\b.tmp"));
  EXPECT_TRUE(test::folderExists(r.dir / "temp"));

  // With no temp-folder scan before, nothing is swept.
  ASSERT_TRUE(test::writeFile(r.dir / "temp\\again\\c.tmp", "z"));
  r.fill({"temp\\again\\c.tmp"});
  r.remove();
  EXPECT_TRUE(test::folderExists(r.dir / "temp\\again"));
}

TEST(Removal, ABackupPointThatCannotBeWrittenDeletesNothing) {
  RemovalRun r;
  ASSERT_TRUE(test::writeFile(r.dir / "a.tmp", "precious"));
  ASSERT_TRUE(test::writeFile(r.dir / "b.tmp", "also precious"));
  ASSERT_TRUE(test::makeFolders(r.settings.backupFolder + "1.bck"));  // the point's name is taken
  r.fill({"a.tmp", "b.tmp"}, {"b.tmp"});
  pendingTemporarySweep() = {r.dir / "temp\\"};
  RemovalOutcome o = r.remove();
  EXPECT_EQ(o.end, RemovalEnd::stoppedBeforeDeleting);
  EXPECT_EQ(r.seams.prompts.countOf("message"), 1) << "the archive's error message";
  EXPECT_EQ(test::readFile(r.dir / "a.tmp"), "precious");
  ASSERT_EQ(r.list.size(), 2u) << "the results stay in the list";
  EXPECT_TRUE(r.list.isRowMarked(0));
  EXPECT_FALSE(r.list.isRowMarked(1));
  EXPECT_TRUE(r.windows.stepped.empty());
  EXPECT_FALSE(pendingTemporarySweep().empty()) << "the sweep waits for the real removal";
}

TEST(Removal, ABackupFolderThatCannotBeCreatedDeletesNothing) {
  RemovalRun r;
  ASSERT_TRUE(test::writeFile(r.dir / "a.tmp", "precious"));
  ASSERT_TRUE(test::writeFile(r.dir / "BACKUP", "a file where the folder should be"));
  r.fill({"a.tmp"});
  RemovalOutcome o = r.remove();
  EXPECT_EQ(o.end, RemovalEnd::stoppedBeforeDeleting);
  ASSERT_EQ(r.seams.prompts.countOf("message"), 1) << "the system's error text";
  EXPECT_EQ(r.seams.prompts.asked()[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
  EXPECT_TRUE(test::fileExists(r.dir / "a.tmp"));
  EXPECT_EQ(r.list.size(), 1u);
}

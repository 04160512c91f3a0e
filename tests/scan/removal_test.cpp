// The removal of marked entries on a test drive: with the backup option (a point first, then
// deletion), without it (the recycle bin), nothing marked, the confirmation declined, and a
// backup that cannot be written, after which nothing is deleted.
#include <gtest/gtest.h>

#include <algorithm>

#include "backup/backup_file.h"
#include "backup/my_backup.h"
#include "scan/removal.h"
#include "scan/system_result_list.h"
#include "support/fake_seams.h"
#include "support/scratch.h"

using namespace scrubwell;

namespace {

struct Sinks : StatusReportSink, DeletionProgress, BackupProgress {
  std::vector<std::string> lines;
  int steps = 0, startedWith = -1;
  bool resultsHidden = false;
  void clear() override { lines.clear(); }
  void appendLine(const std::string& l) override { lines.push_back(l); }
  void start(int n) override { startedWith = n; }
  void step(const std::string&) override { ++steps; }
  void stop() override {}
  void showWindow() override {}
  void closeWindow() override {}
  void setPercent(int) override {}
  void setFileText(const std::string&) override {}
  RemovalParts parts() { return {*this, *this, *this, [this] { resultsHidden = true; }}; }
};

bool makeSparseFile(const std::string& path, int64_t size) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER at;
  at.QuadPart = size;
  bool ok = SetFilePointerEx(h, at, nullptr, FILE_BEGIN) && SetEndOfFile(h);
  CloseHandle(h);
  return ok;
}

struct RemovalRun {
  test::ScopedSeams seams;
  test::ScratchFolder dir{'D'};
  ResultList list = makeSystemResultList();
  Sinks sinks;
  RemovalSettings settings;
  RemovalRun() { settings.backupFolder = dir / "BACKUP\\"; }
  // Adds an entry as a scan would and marks its row (or not).
  void add(const std::string& name, bool marked = true) {
    std::vector<bool> marks;
    for (size_t i = 0; i < list.size(); ++i) marks.push_back(list.isRowMarked(i));
    std::vector<std::string> before;
    for (size_t i = 0; i < list.size(); ++i) before.push_back(list.path(i));
    list.add(dir / name);
    list.rebuildRows(systemFileSize);
    for (size_t i = 0; i < list.size(); ++i) {
      auto it = std::find(before.begin(), before.end(), list.path(i));
      list.setRowMarked(i, it == before.end() ? marked : marks[static_cast<size_t>(it - before.begin())]);
    }
  }
  RemovalOutcome remove() {
    RemovalParts parts = sinks.parts();
    return removeMarkedEntries(list, settings, parts);
  }
};

}  // namespace

TEST(Removal, BacksUpThenDeletesAndLeavesTooLargeFilesOutOfThePoint) {
  RemovalRun r;
  ASSERT_TRUE(test::writeFile(r.dir / "a.tmp", std::string(3000, 'a')));
  ASSERT_TRUE(test::writeFile(r.dir / "b.bak", std::string(7000, 'b')));
  ASSERT_TRUE(makeSparseFile(r.dir / "huge.tmp", 157286401));
  r.add("a.tmp");
  r.add("b.bak");
  r.add("huge.tmp");
  RemovalOutcome o = r.remove();
  EXPECT_EQ(o.end, RemovalEnd::done);
  EXPECT_EQ(o.counts.removed, 3);
  EXPECT_EQ(o.counts.unremovable, 0);
  EXPECT_EQ(o.counts.freedBytes, 3000 + 7000 + 157286401LL);
  EXPECT_TRUE(r.sinks.resultsHidden);
  EXPECT_EQ(r.sinks.startedWith, 3);
  EXPECT_EQ(r.sinks.steps, 3);
  for (const char* f : {"a.tmp", "b.bak", "huge.tmp"}) EXPECT_FALSE(test::fileExists(r.dir / f)) << f;
  EXPECT_TRUE(r.list.empty());

  TBackupFile point;
  std::vector<std::string> names;
  std::string title;
  ASSERT_TRUE(point.ReadArchiveInfo(r.settings.backupFolder + "1.bck", &names, title));
  EXPECT_EQ(point.FileCount, 2) << "the two files within the limit";
  std::string listed;
  for (const auto& n : names) listed += n + "\n";
  EXPECT_NE(listed.find("a.tmp"), std::string::npos) << listed;
  EXPECT_NE(listed.find("b.bak"), std::string::npos) << listed;
  EXPECT_EQ(listed.find("huge.tmp"), std::string::npos) << listed;
}

TEST(Removal, ThePointOfARemovalRestoresTheFilesByteForByte) {
  RemovalRun r;
  ASSERT_TRUE(test::writePatternFile(r.dir / "one.tmp", 50000, 7));
  ASSERT_TRUE(test::writePatternFile(r.dir / "sub\\two.bak", 16385, 8));
  const std::string one = test::readFile(r.dir / "one.tmp"), two = test::readFile(r.dir / "sub\\two.bak");
  r.add("one.tmp");
  r.add("sub\\two.bak");
  ASSERT_EQ(r.remove().counts.removed, 2);
  ASSERT_FALSE(test::fileExists(r.dir / "one.tmp"));
  MyBackup restore;
  restore.AddRestoreFile(r.dir / "one.tmp");
  restore.AddRestoreFile(r.dir / "sub\\two.bak");
  EXPECT_TRUE(restore.RestorePoint(r.settings.backupFolder + "1.bck"))
      << "error " << restore.archive().LastError << " unsafe " << restore.archive().UnsafeNames;
  EXPECT_EQ(test::readFile(r.dir / "one.tmp"), one);
  EXPECT_EQ(test::readFile(r.dir / "sub\\two.bak"), two);
}

TEST(Removal, WithoutTheBackupOptionFilesGoToTheRecycleBin) {
  RemovalRun r;
  r.settings.backupOption = false;
  ASSERT_TRUE(test::writeFile(r.dir / "old.tmp", "recycle me"));
  r.add("old.tmp");
  RemovalOutcome o = r.remove();
  EXPECT_EQ(o.counts.removed, 1);
  EXPECT_FALSE(test::fileExists(r.dir / "old.tmp"));
  EXPECT_FALSE(test::folderExists(r.settings.backupFolder)) << "no point without the option";
  std::string trash = test::runFolder() + "home\\.local\\share\\Trash\\files\\old.tmp";
  EXPECT_EQ(test::readFile(trash), "recycle me") << trash;
}

TEST(Removal, NothingMarkedWritesNoPointAndCountsEveryEntryUnmarked) {
  RemovalRun r;
  ASSERT_TRUE(test::writeFile(r.dir / "a.tmp", "x"));
  ASSERT_TRUE(test::writeFile(r.dir / "b.tmp", "x"));
  r.add("a.tmp", false);
  r.add("b.tmp", false);
  RemovalOutcome o = r.remove();
  EXPECT_EQ(o.counts.unmarked, 2);
  EXPECT_EQ(o.counts.removed, 0);
  EXPECT_TRUE(test::fileExists(r.dir / "a.tmp"));
  EXPECT_FALSE(test::fileExists(r.settings.backupFolder + "1.bck"));
}

TEST(Removal, DecliningTheQuestionChangesNothing) {
  RemovalRun r;
  r.settings.askBeforeRemoving = true;
  ASSERT_TRUE(test::writeFile(r.dir / "a.tmp", "x"));
  r.add("a.tmp");
  r.seams.prompts.answerMessage(IDNO);
  EXPECT_EQ(r.remove().end, RemovalEnd::declined);
  EXPECT_TRUE(test::fileExists(r.dir / "a.tmp"));
  EXPECT_EQ(r.list.size(), 1u);
  EXPECT_FALSE(r.sinks.resultsHidden);
}

TEST(Removal, ABackupThatCannotBeWrittenDeletesNothing) {
  RemovalRun r;
  ASSERT_TRUE(test::writeFile(r.dir / "a.tmp", "precious"));
  ASSERT_TRUE(test::makeFolders(r.settings.backupFolder + "1.bck"));  // the point's name is taken
  r.add("a.tmp");
  RemovalOutcome o = r.remove();
  EXPECT_EQ(o.end, RemovalEnd::stoppedBeforeDeleting);
  EXPECT_EQ(test::readFile(r.dir / "a.tmp"), "precious");
  ASSERT_EQ(r.list.size(), 1u) << "the results stay in the list";
  EXPECT_TRUE(r.list.isRowMarked(0));
}

TEST(Removal, AMarkedFileThatVanishedIsUnremovable) {
  RemovalRun r;
  ASSERT_TRUE(test::writeFile(r.dir / "gone.tmp", "x"));
  r.add("gone.tmp");
  DeleteFileA((r.dir / "gone.tmp").c_str());
  RemovalOutcome o = r.remove();
  EXPECT_EQ(o.counts.unremovable, 1);
  EXPECT_EQ(r.sinks.steps, 0) << "no progress step for a vanished file";
}

// The zero-byte scan on the test drives: what it lists, how it starts marked, where it does not go.
#include "scan/zero_byte_scan.h"

#include <gtest/gtest.h>

#include "scan/system_result_list.h"
#include "support/scratch.h"
#include "walk_support.h"

using namespace scrubwell;
using namespace scrubwell::test;

namespace {

// The entries of `list` below `base`, relative to it, each with its mark.
std::vector<std::pair<std::string, bool>> foundBelow(const ResultList& list,
                                                     const std::string& base) {
  std::vector<std::pair<std::string, bool>> out;
  for (size_t i = 0; i < list.size(); ++i)
    if (list.path(i).rfind(base, 0) == 0)
      out.emplace_back(list.path(i).substr(base.size()), list.isMarked(i));
  return out;
}

DriveScanInputs drivesDAndE(const std::string& backupFolder = {}) {
  return {{"D:\\", "E:\\"}, {}, defaultSearchExceptions(), backupFolder};
}

}  // namespace

TEST(ZeroByteScan, ListsEmptyFilesAndMarksTypicalLeftovers) {
  ScratchFolder d('D');
  for (const char* f : {"config.sys", "sub\\CONFIG.SYS", "sub\\Autoexec.bat", "config.bak",
                        "readme.me", "data.~01", "sub\\x.TMP", "__init__.py", "deep\\er\\lock"})
    ASSERT_TRUE(writeFile(d / f, ""));
  ASSERT_TRUE(writeFile(d / "not-empty.tmp", "x"));
  ASSERT_TRUE(makeFolders(d / "empty folder"));
  ResultList list = makeSystemResultList();
  ProcessFlag cancel;
  runZeroByteScan(drivesDAndE(), list, cancel, nullptr, 0);
  const std::vector<std::pair<std::string, bool>> expected = {
      {"__init__.py", false},    {"config.bak", true}, {"data.~01", true},
      {"deep\\er\\lock", false}, {"readme.me", false}, {"sub\\x.TMP", true}};
  EXPECT_EQ(foundBelow(list, d.path()), expected);
  // The rows show sizes and start unmarked until the session shows the marks.
  ASSERT_EQ(list.rowCount(), list.size());
}

TEST(ZeroByteScan, LeavesOutRecycleBackupHiddenAndSystemFolders) {
  ScratchFolder d('D');
  ScratchFolder recycled('D', "RECYCLED2");  // "RECYCLED" in its first eight characters
  ASSERT_TRUE(writeFile(recycled / "sub\\gone.tmp", ""));
  ASSERT_TRUE(writeFile(d / "BACKUP\\direct.tmp", ""));
  ASSERT_TRUE(writeFile(d / "BACKUP\\below\\listed.tmp", ""));
  ASSERT_TRUE(writeFile(d / "hidden\\in-hidden.tmp", ""));
  ASSERT_TRUE(writeFile(d / "system\\in-system.tmp", ""));
  ASSERT_TRUE(writeFile(d / "hidden-file.tmp", ""));
  SetFileAttributesA((d / "hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesA((d / "system").c_str(), FILE_ATTRIBUTE_SYSTEM);
  SetFileAttributesA((d / "hidden-file.tmp").c_str(), FILE_ATTRIBUTE_HIDDEN);
  ResultList list = makeSystemResultList();
  ProcessFlag cancel;
  runZeroByteScan(drivesDAndE(d / "BACKUP"), list, cancel, nullptr, 0);
  // A hidden file is listed; files in hidden or system folders are not, nor anything below
  // RECYCLED2, nor what lies directly in the backup folder.
  const std::vector<std::pair<std::string, bool>> expected = {{"BACKUP\\below\\listed.tmp", true},
                                                              {"hidden-file.tmp", true}};
  EXPECT_EQ(foundBelow(list, d.path()), expected);
  EXPECT_TRUE(foundBelow(list, recycled.path()).empty());
}

TEST(ZeroByteScan, FilesOfWholeGibibytesAreNotEmpty) {
  ScratchFolder d('D');
  ASSERT_TRUE(makeSparseFile(d / "four.tmp", int64_t{4} << 30));
  ASSERT_TRUE(makeSparseFile(d / "eight.tmp", int64_t{8} << 30));
  ASSERT_TRUE(makeSparseFile(d / "empty.tmp", 0));
  ResultList list = makeSystemResultList();
  ProcessFlag cancel;
  runZeroByteScan(drivesDAndE(), list, cancel, nullptr, 0);
  const std::vector<std::pair<std::string, bool>> expected = {{"empty.tmp", true}};
  EXPECT_EQ(foundBelow(list, d.path()), expected);
}

TEST(ZeroByteScan, CancelKeepsWhatWasFoundAndClearsTheFlag) {
  ScratchFolder d('D');
  for (int i = 0; i < 30; ++i)
    ASSERT_TRUE(writeFile(d / ("f" + std::to_string(i) + "\\a.tmp"), ""));
  ResultList list = makeSystemResultList();
  ProcessFlag cancel;
  RecordingProgress progress;
  progress.onShow = [&] {
    if (list.size() == 5) cancel.set();
  };
  runZeroByteScan({{"D:\\", "E:\\"}, {}, {}, {}}, list, cancel, &progress, 0);
  EXPECT_EQ(list.size(), 5u);
  EXPECT_EQ(list.rowCount(), 5u);
  EXPECT_FALSE(cancel.isSet());
  // Drive E: was never entered.
  for (const auto& f : progress.folders) EXPECT_NE(f[0], 'E') << f;
}

TEST(ZeroByteScan, StartsMarkedByTheLastThreeCharacters) {
  for (const char* marked : {"C:\\a.BAK", "C:\\a.$$$", "C:\\x.~mp", "C:\\data.~01", "C:\\a.zip",
                             "C:\\no-dot-txt", "C:\\a.b~cd"})
    EXPECT_TRUE(zeroByteFileStartsMarked(marked)) << marked;
  for (const char* unmarked :
       {"C:\\readme.me", "C:\\__init__.py", "C:\\lock", "C:\\a.bak1", "C:\\a.html", "ab"})
    EXPECT_FALSE(zeroByteFileStartsMarked(unmarked)) << unmarked;
}

// The walk for masks on the test drives: guard, protected and excluded names, recycle, restore
// and backup folders, duplicates, cancel, long paths, the upper half of the code page, folders
// that cannot be opened and drives that are not there.
#include "scan/mask_walk.h"

#include <gtest/gtest.h>

#include "scan/junk_masks.h"
#include "support/scratch.h"
#include "walk_support.h"

using namespace scrubwell;
using namespace scrubwell::test;

namespace {
using Strings = std::vector<std::string>;
}  // namespace

TEST(MaskWalk, ExtensionGuardKeepsOutShortNameMatches) {
  ScratchFolder dir('D');
  ASSERT_TRUE(writeFile(dir / "report.bak", "x"));
  ASSERT_TRUE(writeFile(dir / "report.bak1", "x"));
  EXPECT_EQ(relativeSorted(runWalk(dir.path(), {"*.bak"}).paths, dir.path()),
            Strings{"report.bak"});
  // With a wildcard in the extension there is no guard: whatever the system returns is listed.
  Strings system;
  for (const auto& f : systemMatches(dir / "*.b?k")) system.push_back(f.name);
  std::sort(system.begin(), system.end());
  EXPECT_EQ(relativeSorted(runWalk(dir.path(), {"*.b?k"}).paths, dir.path()), system);
}

TEST(MaskWalk, FileMatchedByTwoMasksIsListedTwice) {
  ScratchFolder dir('D');
  ASSERT_TRUE(writeFile(dir / "a.bak", "x"));
  WalkResult r = runWalk(dir.path(), {"*.bak", "*.b?k"});
  EXPECT_EQ(relativeSorted(r.paths, dir.path()), (Strings{"a.bak", "a.bak"}));
}

TEST(MaskWalk, MasksPerFolderBeforeSubfoldersAndEveryLevel) {
  ScratchFolder dir('D');
  ASSERT_TRUE(writeFile(dir / "Chkdsk.chk", "x"));
  ASSERT_TRUE(writeFile(dir / "z.tmp", "x"));
  ASSERT_TRUE(writeFile(dir / "a\\b\\CHKDSK.CHK", "x"));
  WalkResult r = runWalk(dir.path(), {"*.tmp", "Chkdsk.chk"});
  EXPECT_EQ(r.paths, (Strings{dir / "z.tmp", dir / "Chkdsk.chk", dir / "a\\b\\CHKDSK.CHK"}));
}

TEST(MaskWalk, ProtectedAndExcludedNamesAndFolders) {
  ScratchFolder dir('D');
  for (const char* f :
       {"WINDOWS\\PCHEALTH\\X.TMP", "WINDOWS\\SYSTEM32\\DATA.BAK", "TEMP\\OLD.BAK",
        "MS Office\\notes.bak", "Photos\\a.tmp", "Photos\\Old\\b.tmp", "Photos2\\c.tmp",
        "x\\Thumbs.db", "Thumbs.db", "keep\\keep.tmp", "keep\\other.tmp", "SendTo\\s.tmp"})
    ASSERT_TRUE(writeFile(dir / f, "x"));
  RecordingProgress progress;
  SearchExceptions exceptions({dir / "Photos", "thumbs.db", dir / "keep\\KEEP.TMP"});
  WalkResult r = runWalk(dir.path(), {"*.tmp", "*.bak", "*.db"}, exceptions, {},
                         MaskWalk::Strategy::enumerateOnce, &progress);
  EXPECT_EQ(relativeSorted(r.paths, dir.path()),
            (Strings{"Photos2\\c.tmp", "TEMP\\OLD.BAK", "keep\\other.tmp"}));
  EXPECT_FALSE(progress.visited(dir / "Photos\\"));
  EXPECT_FALSE(progress.visited(dir / "WINDOWS\\PCHEALTH\\"));
  EXPECT_TRUE(progress.visited(dir / "WINDOWS\\SYSTEM32\\"));
}

TEST(MaskWalk, RecycleAndRestoreFoldersAreEnteredButNeverListed) {
  // The first-level folders of a drive root; the removable test drive is this program's own.
  Strings files = {"RECYCLER\\a.tmp",      "RECYCLER\\S-1-5\\b.tmp", "Recycled\\c.tmp",
                   "_RESTORE\\RP1\\d.tmp", "Other\\e.tmp",           "f.tmp"};
  for (const auto& f : files) ASSERT_TRUE(writeFile("E:\\" + f, "x"));
  RecordingProgress progress;
  WalkResult r = runWalk("E:\\", {"*.tmp"}, {}, {}, MaskWalk::Strategy::enumerateOnce, &progress);
  WalkResult naive = runWalk("E:\\", {"*.tmp"}, {}, {}, MaskWalk::Strategy::findPerMask);
  for (const char* d : {"RECYCLER", "Recycled", "_RESTORE", "Other"})
    removeTree(std::string("E:\\") + d);
  DeleteFileA("E:\\f.tmp");
  EXPECT_EQ(relativeSorted(r.paths, "E:\\"), (Strings{"Other\\e.tmp", "f.tmp"}));
  EXPECT_EQ(r.paths, naive.paths);
  EXPECT_TRUE(progress.visited("E:\\RECYCLER\\S-1-5\\"));
  EXPECT_TRUE(progress.visited("E:\\_RESTORE\\RP1\\"));
}

TEST(MaskWalk, BackupFolderItselfIsNotListedButBelowItIs) {
  ScratchFolder dir('D');
  ASSERT_TRUE(writeFile(dir / "BACKUP\\1.tmp", "x"));
  ASSERT_TRUE(writeFile(dir / "BACKUP\\inner\\2.tmp", "x"));
  WalkResult r = runWalk(dir.path(), {"*.tmp"}, {}, dir / "backup");  // no trailing backslash
  EXPECT_EQ(relativeSorted(r.paths, dir.path()), Strings{"BACKUP\\inner\\2.tmp"});
}

TEST(MaskWalk, CancelStopsAfterTheCurrentEntryAndKeepsWhatWasFound) {
  ScratchFolder dir('D');
  for (int f = 0; f < 10; ++f)
    for (int i = 0; i < 5; ++i)
      ASSERT_TRUE(
          writeFile(dir / ("f" + std::to_string(f) + "\\x" + std::to_string(i) + ".tmp"), "x"));
  // Progress is shown after every entry here; "cancel" is pressed at the 30th.
  ProcessFlag cancel;
  RecordingProgress progress;
  progress.onShow = [&] {
    if (progress.folders.size() == 30) cancel.set();
  };
  // "x?.tmp" is asked of the system per folder ("*.tmp" would be answered by the enumeration).
  WalkResult r = runWalk(dir.path(), {"x?.tmp"}, {}, {}, MaskWalk::Strategy::enumerateOnce,
                         &progress, &cancel);
  EXPECT_FALSE(r.completed);
  EXPECT_EQ(r.stats.entries, 30u);  // nothing after the entry at which cancel was pressed
  // The root's 10 entries, then 5 entries and 5 matches in each of two folders.
  EXPECT_EQ(r.paths.size(), 10u);
}

TEST(MaskWalk, PathsNearMaxPathEndInDefinedResults) {
  ScratchFolder dir('D');
  // Folders as deep as CreateDirectory allows, with files whose full paths approach MAX_PATH.
  std::string folder = dir.path();
  while (folder.size() + 21 < 240) folder += "deep-folder-name-xx\\";
  ASSERT_TRUE(makeFolders(folder));
  std::string name = std::string(MAX_PATH - 1 - folder.size() - 4, 'n') + ".tmp";
  ASSERT_TRUE(writeFile(folder + name, "x")) << (folder + name).size();
  ASSERT_TRUE(writeFile(folder + "Scandisk.log", "x"));
  for (auto strategy : {MaskWalk::Strategy::enumerateOnce, MaskWalk::Strategy::findPerMask}) {
    WalkResult r = runWalk(dir.path(), defaultJunkMasks(), {}, {}, strategy);
    EXPECT_TRUE(r.completed);
    EXPECT_EQ(r.paths, (Strings{folder + name, folder + "Scandisk.log"}));
  }
}

TEST(MaskWalk, NamesInTheUpperHalfOfTheCodePage) {
  ScratchFolder dir('D');
  Strings names = {"\xC4rger.tmp", "caf\xE9.BAK", "\x9Cuvre.old", "na\xEFve\\\xE9t\xE9.tmp"};
  for (const auto& n : names) ASSERT_TRUE(writeFile(dir / n, "x"));
  WalkResult r = runWalk(dir.path(), {"*.tmp", "*.bak", "*.old"});
  EXPECT_EQ(
      relativeSorted(r.paths, dir.path()),
      relativeSorted({dir / names[0], dir / names[1], dir / names[2], dir / names[3]}, dir.path()));
  // An exception written in the other case keeps the folder out.
  WalkResult r2 = runWalk(dir.path(), {"*.tmp"}, SearchExceptions({dir / "NA\xCFVE"}));
  EXPECT_EQ(relativeSorted(r2.paths, dir.path()), Strings{"\xC4rger.tmp"});
}

TEST(MaskWalk, FolderThatCannotBeOpenedYieldsNothingAndTheWalkGoesOn) {
  ScratchFolder dir('D');
  ASSERT_TRUE(writeFile(dir / "locked\\a.tmp", "x"));
  ASSERT_TRUE(writeFile(dir / "open\\b.tmp", "x"));
  // A folder held open without any sharing cannot be listed by anyone else.
  HANDLE h = CreateFileA((dir / "locked").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                         FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(systemMatches(dir / "locked\\*.*").empty()) << "the system cannot list it either";
  WalkResult r = runWalk(dir.path(), {"*.tmp"});
  CloseHandle(h);
  EXPECT_TRUE(r.completed);
  EXPECT_EQ(relativeSorted(r.paths, dir.path()), Strings{"open\\b.tmp"});
}

TEST(MaskWalk, DrivesThatAreNotThereOrEmpty) {
  for (const char* root : {"W:\\", "Q:\\"}) {
    WalkResult r = runWalk(root, defaultJunkMasks());
    EXPECT_TRUE(r.completed) << root;
    EXPECT_TRUE(r.paths.empty()) << root;
  }
}

TEST(MaskWalk, PlainExtensionMasksAreAnsweredByTheEnumerationAlone) {
  ScratchFolder dir('D');
  for (const char* f : {"a.tmp", "b.TMP", "c.tmpx", "d.tmp.txt", "sub\\e.bak", "sub\\f.ba",
                        "sub\\report.bak1", "sub\\x.$$$", "deep\\er\\g.tmp"})
    ASSERT_TRUE(writeFile(dir / f, "x"));
  const Strings masks = {"*.tmp", "*.bak", "*.$$$"};
  WalkResult once = runWalk(dir.path(), masks);
  WalkResult naive = runWalk(dir.path(), masks, {}, {}, MaskWalk::Strategy::findPerMask);
  EXPECT_EQ(once.stats.maskFinds, 0u);
  EXPECT_EQ(relativeSorted(once.paths, dir.path()), relativeSorted(naive.paths, dir.path()));
  EXPECT_EQ(relativeSorted(once.paths, dir.path()),
            (Strings{"a.tmp", "b.TMP", "deep\\er\\g.tmp", "sub\\e.bak", "sub\\x.$$$"}));
}

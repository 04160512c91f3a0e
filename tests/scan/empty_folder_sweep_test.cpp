// The empty-folder sweep on a test drive: which empty folders go to the recycle bin.
#include "scan/empty_folder_sweep.h"

#include <gtest/gtest.h>

#include "support/scratch.h"
#include "walk_support.h"

using namespace scrubwell;
using namespace scrubwell::test;

TEST(EmptyFolderSweep, RecyclesEmptyAllowedFoldersOnly) {
  ScratchFolder dir('D');
  for (const char* f :
       {"empty1", "a\\empty2", "a\\b\\empty3", "PCHEALTH", "kept", "hidden", "full\\inner-empty"})
    ASSERT_TRUE(makeFolders(dir / f));
  ASSERT_TRUE(writeFile(dir / "full\\file.txt", "x"));
  ASSERT_TRUE(writeFile(dir / "zero.txt", ""));
  SetFileAttributesA((dir / "hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
  ProcessFlag cancel;
  RecordingProgress progress;
  EmptyFolderSweep sweep(SearchExceptions({dir / "kept"}), cancel, &progress);
  sweep.setSliceMs(0);
  unsigned removed = 0;
  EXPECT_TRUE(sweep.sweep(dir.path(), removed));
  EXPECT_EQ(removed, 4u);
  for (const char* gone : {"empty1", "a\\empty2", "a\\b\\empty3", "full\\inner-empty"})
    EXPECT_FALSE(folderExists(dir / gone)) << gone;
  // Folders that became empty by the sweep stay for the next one; protected, excepted and hidden
  // folders and files stay.
  for (const char* stays : {"a\\b", "PCHEALTH", "kept", "hidden", "full"})
    EXPECT_TRUE(folderExists(dir / stays)) << stays;
  EXPECT_TRUE(fileExists(dir / "zero.txt"));
}

TEST(EmptyFolderSweep, NeverInsideRecycleOrRestoreFolders) {
  for (const char* f :
       {"E:\\RECYCLER\\empty", "E:\\_RESTORE\\empty", "E:\\Recycled\\empty", "E:\\swept\\empty"})
    ASSERT_TRUE(makeFolders(f));
  ProcessFlag cancel;
  EmptyFolderSweep sweep(SearchExceptions{}, cancel, nullptr);
  unsigned removed = 0;
  EXPECT_TRUE(sweep.sweep("E:\\", removed));
  bool recyclerKept = folderExists("E:\\RECYCLER\\empty");
  bool restoreKept = folderExists("E:\\_RESTORE\\empty");
  bool recycledKept = folderExists("E:\\Recycled\\empty");
  bool sweptGone = !folderExists("E:\\swept\\empty");
  for (const char* d : {"E:\\RECYCLER", "E:\\_RESTORE", "E:\\Recycled", "E:\\swept"}) removeTree(d);
  EXPECT_TRUE(recyclerKept && restoreKept && recycledKept);
  EXPECT_TRUE(sweptGone);
  EXPECT_EQ(removed, 1u);
}

TEST(EmptyFolderSweep, CancelStopsIt) {
  ScratchFolder dir('D');
  for (int i = 0; i < 10; ++i) ASSERT_TRUE(makeFolders(dir / ("e" + std::to_string(i))));
  ProcessFlag cancel;
  cancel.set();
  EmptyFolderSweep sweep(SearchExceptions{}, cancel, nullptr);
  unsigned removed = 0;
  EXPECT_FALSE(sweep.sweep(dir.path(), removed));
  // The entry in hand is finished, then the sweep stops: one folder goes, nine stay.
  EXPECT_EQ(removed, 1u);
  unsigned left = 0;
  for (int i = 0; i < 10; ++i) left += folderExists(dir / ("e" + std::to_string(i)));
  EXPECT_EQ(left, 9u);
}

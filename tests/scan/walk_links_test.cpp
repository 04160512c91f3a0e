// No walk follows a link: a link loop and a link to a folder outside the scanned tree, on a test
// drive, are passed by every drive scan and by the empty-folder sweep.
#include <gtest/gtest.h>

#include "scan/cleanup_table.h"
#include "scan/drive_scans.h"
#include "scan/empty_folder_sweep.h"
#include "scan/system_result_list.h"
#include "support/scratch.h"
#include "walk_support.h"

using namespace scrubwell;
using namespace scrubwell::test;

namespace {

// D:\t-n\a\b\loop -> D:\t-n\a and D:\t-n\outside -> E:\t-n; each real folder holds a 0-byte
// "x.tmp", and the outside folder an empty folder the sweep would take.
class LinkedTree : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(writeFile(tree / "a\\b\\x.tmp", ""));
    ASSERT_TRUE(writeFile(outside / "x.tmp", ""));
    ASSERT_TRUE(makeFolders(outside / "empty"));
    if (!makeFolderLink(tree / "a\\b\\loop", tree / "a") ||
        !makeFolderLink(tree / "outside", outside.path()))
      GTEST_SKIP() << "this Wine makes no folder links";
  }

  // Every path of `paths` through one of the links.
  std::vector<std::string> throughLinks(const std::vector<std::string>& paths) const {
    std::vector<std::string> out;
    for (const auto& p : paths)
      if (p.find("\\loop") != std::string::npos || p.find("\\outside") != std::string::npos ||
          p.rfind(outside.path(), 0) == 0)
        out.push_back(p);
    return out;
  }

  ScratchFolder tree{'D'};
  ScratchFolder outside{'E'};
};

}  // namespace

TEST_F(LinkedTree, NoDriveScanListsOrEntersAnythingThroughALink) {
  for (CleanupId id :
       {CleanupId::junkSearch, CleanupId::zeroByteFiles, CleanupId::brokenShortcuts}) {
    SCOPED_TRACE(std::string(cleanup(id).commandName));
    ResultList list = makeSystemResultList();
    ProcessFlag cancel;
    RecordingProgress progress;
    // Only drive D: is walked, so the outside folder on E: can only be reached through a link.
    DriveScanInputs in{{"D:\\"}, {"*.tmp"}, {}, {}};
    driveScanOf(id)(in, list, cancel, &progress);
    std::vector<std::string> found;
    for (size_t i = 0; i < list.size(); ++i) found.push_back(list.path(i));
    EXPECT_EQ(throughLinks(found), std::vector<std::string>{});
    EXPECT_EQ(throughLinks(progress.folders), std::vector<std::string>{});
    if (id != CleanupId::brokenShortcuts) {
      // The file in the real folder is listed exactly once.
      EXPECT_EQ(std::count(found.begin(), found.end(), tree / "a\\b\\x.tmp"), 1);
    }
  }
}

TEST_F(LinkedTree, TheEmptyFolderSweepNeitherEntersNorRemovesALink) {
  ASSERT_TRUE(makeFolders(tree / "a\\empty"));
  ProcessFlag cancel;
  RecordingProgress progress;
  EmptyFolderSweep sweep(SearchExceptions{}, cancel, &progress);
  sweep.setSliceMs(0);
  unsigned removed = 0;
  EXPECT_TRUE(sweep.sweep(tree.path(), removed));
  EXPECT_EQ(removed, 1u);
  EXPECT_FALSE(folderExists(tree / "a\\empty"));
  EXPECT_TRUE(folderExists(outside / "empty"));
  EXPECT_TRUE(folderExists(tree / "outside"));
  EXPECT_TRUE(folderExists(tree / "a\\b\\loop"));
  EXPECT_EQ(throughLinks(progress.folders), std::vector<std::string>{});
}

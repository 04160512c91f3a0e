// The junk search engine on the test drives, with the built-in masks and exceptions.
#include "scan/junk_search.h"

#include <gtest/gtest.h>

#include "scan/junk_masks.h"
#include "scan/row_text.h"
#include "scan/system_result_list.h"
#include "support/scratch.h"
#include "walk_support.h"

using namespace scrubwell;
using namespace scrubwell::test;

TEST(JunkSearch, DefaultMasksAndExceptionsOnTwoDrives) {
  ScratchFolder d('D');
  ScratchFolder e('E');
  for (const std::string& f :
       {d / "TEMP\\OLD.BAK", d / "WINDOWS\\SYSTEM32\\DATA.BAK", d / "Chkdsk.chk",
        d / "a\\b\\chkdsk.chk", d / "x\\setup.$$$", d / "x\\Win.bak", d / "x\\report.bak1",
        d / "x\\keep.txt", e / "doc.~mp", e / "swapfile.sys"})
    ASSERT_TRUE(writeFile(f, std::string(1536, 'x')));
  ResultList list = makeSystemResultList();
  DriveScanInputs in{{"D:\\", "W:\\", "E:\\"}, defaultJunkMasks(), defaultSearchExceptions(), {}};
  ProcessFlag cancel;
  JunkSearchOutcome out = runJunkSearch(in, list, cancel, nullptr);
  EXPECT_FALSE(out.cancelled);
  std::vector<std::string> found;
  for (size_t i = 0; i < list.size(); ++i) found.push_back(list.path(i));
  // Only what the test created counts; other tests' leftovers may lie on the drives.
  std::vector<std::string> ours;
  for (const auto& p : found)
    if (p.rfind(d.path(), 0) == 0 || p.rfind(e.path(), 0) == 0) ours.push_back(p);
  // doc.~mp matches both "*.~??" and "*.~mp", so it is listed twice.
  std::vector<std::string> expected = {
      d / "a\\b\\chkdsk.chk", d / "Chkdsk.chk", d / "TEMP\\OLD.BAK", d / "x\\setup.$$$",
      e / "doc.~mp",          e / "doc.~mp",    e / "swapfile.sys"};
  std::sort(expected.begin(), expected.end(), [](const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) < 0;
  });
  EXPECT_EQ(ours, expected);
  // Rows are built with the sizes from the walk.
  ASSERT_EQ(list.rowCount(), list.size());
  for (size_t i = 0; i < list.rowCount(); ++i)
    if (list.path(i).rfind(d.path(), 0) == 0)
      EXPECT_EQ(list.rowText(i), rowText(list.path(i), "1.5kb"));
}

TEST(JunkSearch, CancelKeepsWhatWasFoundAndClearsTheFlag) {
  ScratchFolder d('D');
  for (int i = 0; i < 30; ++i)
    ASSERT_TRUE(writeFile(d / ("f" + std::to_string(i) + "\\a.tmp"), "x"));
  ResultList list = makeSystemResultList();
  ProcessFlag cancel;
  RecordingProgress progress;
  progress.onShow = [&] {
    if (progress.folders.size() == 40) cancel.set();
  };
  DriveScanInputs in{{d.path().substr(0, 3), "E:\\"}, {"*.tmp"}, {}, {}};
  JunkSearchOutcome out = runJunkSearch(in, list, cancel, &progress, 0);
  EXPECT_TRUE(out.cancelled);
  EXPECT_FALSE(cancel.isSet());
  EXPECT_GT(list.size(), 0u);
  EXPECT_LT(list.size(), 30u);
  EXPECT_EQ(list.rowCount(), list.size());
}

TEST(JunkSearch, NoDriveChosenFindsNothing) {
  ResultList list = makeSystemResultList();
  ProcessFlag cancel;
  DriveScanInputs in{{}, defaultJunkMasks(), {}, {}};
  runJunkSearch(in, list, cancel, nullptr);
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(list.countMarkedRows(), 1u);
}

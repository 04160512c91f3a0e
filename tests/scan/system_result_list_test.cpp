// The system's sort key gives the order of a sorted list box (lstrcmpiA), and the file sizes.
#include "scan/system_result_list.h"

#include <gtest/gtest.h>

#include "base/file_ops.h"
#include "support/scratch.h"

using namespace scrubwell;

TEST(SystemSortKey, OrderEqualsListBoxOrder) {
  std::vector<std::string> paths = {
      "C:\\temp\\b.tmp",   "C:\\TEMP\\A.TMP",   "C:\\temp-old\\a.tmp", "C:\\temp_x\\a.tmp",
      "C:\\temp~1\\a.tmp", "C:\\TEMP\\a b.tmp", "C:\\TEMP\\ab.tmp",    "C:\\TEMP\\a'b.tmp",
      "D:\\\xC4rger.tmp",  "D:\\Arger.tmp",     "D:\\Zebra.tmp",       "D:\\\xE9t\xE9.tmp",
      "D:\\ete.tmp",       "D:\\10.tmp",        "D:\\9.tmp",           "D:\\$$.tmp",
      "D:\\~x.tmp",        "C:\\TEMP\\",        "C:\\TEMP\\a",         "D:\\\x9Cuvre.old",
      "D:\\oeuvre.old",    "D:\\\xDF.tmp",      "D:\\ss.tmp",
  };
  ResultList list = makeSystemResultList();
  for (const auto& p : paths) list.add(p, 0);
  ASSERT_EQ(list.size(), paths.size());
  for (size_t i = 1; i < list.size(); ++i)
    EXPECT_LE(lstrcmpiA(list.path(i - 1).c_str(), list.path(i).c_str()), 0)
        << list.path(i - 1) << " / " << list.path(i);
  EXPECT_EQ(systemSortKey("abc"), systemSortKey("ABC"));
  EXPECT_TRUE(systemSortKey("").empty());
}

TEST(SystemFileSize, FilesFoldersAndMissingPaths) {
  test::ScratchFolder dir('D');
  ASSERT_TRUE(test::writeFile(dir / "f.bin", std::string(3000, 'x')));
  EXPECT_EQ(systemFileSize(dir / "f.bin"), 3000);
  EXPECT_EQ(systemFileSize(dir / "missing.bin"), -1);
  EXPECT_EQ(systemFileSize(dir.path()), -1);
}

// Search exceptions added from the result list: which entries, each once, never a dangerous one
// or a whole drive, and that the scans' own exception rule then keeps the paths out.
#include "options/result_exclusion.h"

#include <gtest/gtest.h>

#include "scan/search_exceptions.h"

using namespace scrubwell;

TEST(ResultExclusion, EntriesForFilesAndFolders) {
  const std::vector<std::string> paths = {"C:\\Data\\a.tmp", "c:\\data\\B.TMP", "C:\\x.tmp",
                                          "C:\\Data\\a.tmp"};
  EXPECT_EQ(exclusionEntries(paths, Exclusion::file),
            (std::vector<std::string>{"C:\\Data\\a.tmp", "c:\\data\\B.TMP", "C:\\x.tmp"}));
  // One folder for the first two; the drive root of C:\x.tmp is never offered.
  EXPECT_EQ(exclusionEntries(paths, Exclusion::folder), (std::vector<std::string>{"C:\\Data"}));
}

TEST(ResultExclusion, AddsEachEntryOnceAndNothingDangerous) {
  std::vector<std::string> exceptions = {"C:\\Data\\", "*.ini"};
  const auto added =
      addSearchExceptions(exceptions, {"c:\\data", "C:\\Other", "*.*", " ", "C:\\Other\\"});
  EXPECT_EQ(added, (std::vector<std::string>{"C:\\Other"}));
  EXPECT_EQ(exceptions, (std::vector<std::string>{"C:\\Data\\", "*.ini", "C:\\Other"}));

  // The scans' rule keeps the excluded file and everything under the excluded folder out.
  addSearchExceptions(exceptions, {"D:\\keep\\one.tmp"});
  const SearchExceptions rule(exceptions);
  EXPECT_TRUE(rule.excludes("D:\\keep\\", "one.tmp"));
  EXPECT_FALSE(rule.excludes("D:\\keep\\", "two.tmp"));
  EXPECT_TRUE(rule.excludes("C:\\Other\\deep\\", "x.tmp"));
}

// Size texts, status line and the 36-column row text of the result list.
#include <gtest/gtest.h>

#include "scan/row_text.h"
#include "scan/size_text.h"

using namespace scrubwell;

TEST(SizeText, HalfKilobytesOnlyBelowTenKilobytes) {
  const std::pair<int64_t, const char*> cases[] = {
      {0, "0kb"},       {511, "0kb"},
      {512, "0.5kb"},   {1023, "0.5kb"},
      {1024, "1kb"},    {1535, "1kb"},
      {1536, "1.5kb"},  {3000, "2.5kb"},
      {10239, "9.5kb"}, {10240, "10kb"},
      {10752, "10kb"},  {15000, "14kb"},
      {-1, "0kb"},      {int64_t{5} << 30, "5242880kb"},
  };
  for (auto [bytes, text] : cases) EXPECT_EQ(sizeText(bytes), text) << bytes;
}

TEST(SizeText, StatusLineTotalAndBlanks) {
  EXPECT_EQ(totalSizeText(1023), "  0kb");
  EXPECT_EQ(totalSizeText(0), "  0kb");
  EXPECT_EQ(totalSizeText(2048), "2kb");
  // Totals beyond 32 bits are shown, not wrapped.
  EXPECT_EQ(totalSizeText(int64_t{3} << 31), "6291456kb");
  EXPECT_EQ(statusLineText(3, "Size: ", 5000, false), "3    Size: 4kb");
  EXPECT_EQ(statusLineText(3, "Size: ", 5000, true), "3     Size: 4kb");
}

TEST(RowText, ShortPathsArePaddedToThirtySixColumns) {
  std::string row = rowText("C:\\A.TMP", "2.5kb");
  EXPECT_EQ(row, "C:\\A.TMP" + std::string(36 - 8 - 5, ' ') + "   2.5kb");
  EXPECT_EQ(row.size(), 39u);
  // Exactly 36 together: no padding at all.
  std::string path(33, 'x');
  EXPECT_EQ(rowText(path, "1kb"), path + "   1kb");
}

TEST(RowText, LongPathsKeepHeadAndTailAndPadTheSize) {
  // 40 characters, size text "1kb" padded to five: first 3, "...", last 25.
  std::string path = "C:\\Programs\\Some Vendor\\Tools\\setup.tmp";
  path.resize(40, 'z');
  ASSERT_EQ(path.size(), 40u);
  std::string row = rowText(path, "1kb");
  EXPECT_EQ(row, path.substr(0, 3) + "..." + path.substr(15) + "   " + "  1kb");
  EXPECT_EQ(row.size(), 39u);
  // A size text of five or more characters is not padded; the tail shrinks with it.
  std::string row2 = rowText(path, "12345kb");
  EXPECT_EQ(row2, path.substr(0, 3) + "..." + path.substr(40 - 23) + "   12345kb");
  // One column over the limit is already shortened.
  std::string p34(34, 'p');
  EXPECT_EQ(rowText(p34, "1kb"), "ppp..." + std::string(25, 'p') + "     1kb");
}

TEST(RowText, AbsurdSizeTextDoesNotOverrun) {
  std::string row = rowText(std::string(50, 'a'), std::string(40, '9'));
  EXPECT_EQ(row.substr(0, 6), "aaa...");
  EXPECT_NE(row.find(std::string(40, '9')), std::string::npos);
}

// The system's case mapping of the ANSI code page against the program's code-page-1252 table:
// on a code-page-1252 system the two routes must give the same answer for every byte, or a
// path upper-cased by one would not match the same path upper-cased by the other.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/text_upper.h"

using namespace scrubwell;

TEST(TextUpperAnsi, OnCodePage1252TheSystemAndTheTableAgreeOnEveryByte) {
  if (GetACP() != 1252) GTEST_SKIP() << "the ANSI code page is " << GetACP();
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  const std::string upper = toUpperInAnsiCodePage(all), lower = toLowerInAnsiCodePage(all);
  ASSERT_EQ(upper.size(), all.size());
  ASSERT_EQ(lower.size(), all.size());
  for (size_t i = 0; i < all.size(); ++i) {
    EXPECT_EQ(upper[i], upperChar(all[i])) << "upper of byte " << (i + 1);
    EXPECT_EQ(lower[i], lowerChar(all[i])) << "lower of byte " << (i + 1);
  }
  EXPECT_EQ(toUpperInAnsiCodePage(""), "");
}

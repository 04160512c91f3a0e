// Trimming: which characters each rule strips, and the texts that are nothing but blanks.
#include "platform/text_trim.h"

#include <gtest/gtest.h>

#include <string>

using namespace scrubwell;

TEST(TextTrim, BlanksAreSpacesAndTabsOnlyAndInnerOnesStay) {
  EXPECT_EQ(trimmed(" \t a b \t "), "a b");
  EXPECT_EQ(trimmed("\r\nkey\r\n"), "\r\nkey\r\n") << "line ends are no blanks";
  EXPECT_EQ(trimmed(" \t \t"), "");
  EXPECT_EQ(trimmed(""), "");
  EXPECT_EQ(trimmed("x"), "x");
  EXPECT_EQ(trimmed("--a--", "-"), "a");
}

TEST(TextTrim, TheEndAloneLeavesTheStart) {
  EXPECT_EQ(trimmedEnd(" a \t"), " a");
  EXPECT_EQ(trimmedEnd("The file was not found.\r\n", "\r\n "), "The file was not found.");
  EXPECT_EQ(trimmedEnd("CON \t", " "), "CON \t");
  EXPECT_EQ(trimmedEnd("   ", " "), "");
}

TEST(TextTrim, ControlsAreEveryByteUpToTheSpace) {
  const std::string controls = std::string("\0\x01\t\r\n\x1f ", 7);
  EXPECT_EQ(trimmedOfControls(controls + "c:\\a b.txt" + controls), "c:\\a b.txt");
  EXPECT_EQ(trimmedOfControls(controls), "");
  // Bytes above 127 are letters of the code page, not controls, even where char is signed.
  EXPECT_EQ(trimmedOfControls("\xE9t\xE9\xA0"), "\xE9t\xE9\xA0");
}

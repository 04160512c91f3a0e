// The trailing-backslash rule every folder path goes through before names are appended.
#include "platform/path_text.h"

#include <gtest/gtest.h>

using namespace scrubwell;

TEST(PathText, OneTrailingBackslashAndNothingForAnEmptyPath) {
  EXPECT_EQ(withTrailingBackslash("C:\\Temp"), "C:\\Temp\\");
  EXPECT_EQ(withTrailingBackslash("C:\\Temp\\"), "C:\\Temp\\") << "never a second one";
  EXPECT_EQ(withTrailingBackslash("C:"), "C:\\");
  EXPECT_EQ(withTrailingBackslash("\\\\srv\\share"), "\\\\srv\\share\\");
  EXPECT_EQ(withTrailingBackslash(""), "") << "an empty path must not become the drive's root";
}

TEST(PathText, FileNameAndFolderOfAPath) {
  EXPECT_EQ(fileNameOf("C:\\Program Files\\Scrubwell\\Scrubwell.exe"), "Scrubwell.exe");
  EXPECT_EQ(folderOf("C:\\Program Files\\Scrubwell\\Scrubwell.exe"), "C:\\Program Files\\Scrubwell\\");
  EXPECT_EQ(fileNameOf("Scrubwell.exe"), "Scrubwell.exe");
  EXPECT_EQ(folderOf("Scrubwell.exe"), "") << "no folder, not the drive's root";
  EXPECT_EQ(fileNameOf("C:\\Temp\\"), "");
}

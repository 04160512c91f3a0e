// Removing folder trees: everything goes, read-only or hidden; the first failure stops it; a
// drive root is never touched.
#include "base/tree_removal.h"

#include <gtest/gtest.h>

#include "base/file_ops.h"
#include "support/scratch.h"

using namespace scrubwell;
using test::ScratchFolder;

TEST(TreeRemoval, RemovesReadOnlyHiddenAndNestedEntries) {
  ScratchFolder dir('D');
  const std::string root = dir / "tree\\";
  ASSERT_TRUE(test::writeFile(root + "plain.txt", "1"));
  ASSERT_TRUE(test::writeFile(root + "a rather long name.document", "2"));
  ASSERT_TRUE(test::writeFile(root + "sub\\deeper\\ro.txt", "3"));
  ASSERT_TRUE(test::writeFile(root + "sub\\hidden.sys", "4"));
  ASSERT_TRUE(test::makeFolders(root + "empty\\"));
  SetFileAttributesA((root + "sub\\deeper\\ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  SetFileAttributesA((root + "sub\\hidden.sys").c_str(),
                     FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  SetFileAttributesA((root + "sub\\deeper").c_str(), FILE_ATTRIBUTE_READONLY);

  EXPECT_TRUE(removeFolderTree(root));
  EXPECT_FALSE(folderExists(root));
  EXPECT_TRUE(folderExists(dir.path()));
}

TEST(TreeRemoval, StopsAtTheFirstEntryThatCannotBeDeleted) {
  ScratchFolder dir('D');
  const std::string root = dir / "busy\\";
  ASSERT_TRUE(test::writeFile(root + "locked.txt", "x"));
  HANDLE lock = CreateFileA((root + "locked.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(removeFolderTree(root));
  EXPECT_TRUE(fileExists(root + "locked.txt"));
  EXPECT_TRUE(folderExists(root));
  CloseHandle(lock);
  EXPECT_TRUE(removeFolderTree(root));
}

TEST(TreeRemoval, NeverTouchesADriveRoot) {
  const std::string marker = "D:\\root-marker-" + std::to_string(GetCurrentProcessId()) + ".txt";
  ASSERT_TRUE(test::writeFile(marker, "stay"));
  ScratchFolder dir('D');
  for (const std::string& root : {std::string("D:\\"), std::string("D:"), std::string("d:\\"),
                                  dir.path() + "..\\", dir.path() + "sub\\..\\..\\"}) {
    SCOPED_TRACE(root);
    EXPECT_FALSE(removeFolderTree(root));
    EXPECT_TRUE(fileExists(marker));
    EXPECT_TRUE(folderExists(dir.path()));
  }
  DeleteFileA(marker.c_str());
}

TEST(TreeRemoval, AMissingFolderIsAFailure) {
  ScratchFolder dir('D');
  EXPECT_FALSE(removeFolderTree(dir / "not here\\"));
}

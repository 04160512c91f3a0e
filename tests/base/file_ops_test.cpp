// The file-system helpers on real test drives, and the shell and registry helpers through the
// seams and a scratch registry.
#include "base/file_ops.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/fake_seams.h"
#include "support/registry_override.h"
#include "support/scratch.h"

using namespace scrubwell;
using test::ScratchFolder;

TEST(FileCopy, StreamCopyReplacesAndRaisesOnFailure) {
  ScratchFolder dir('D');
  ASSERT_TRUE(test::writePatternFile(dir / "big.bin", 200000, 7));
  ASSERT_TRUE(test::writeFile(dir / "dest.bin", std::string(300000, 'x')));
  copyFileByStream(dir / "big.bin", dir / "dest.bin");
  EXPECT_EQ(test::readFile(dir / "dest.bin"), test::readFile(dir / "big.bin"));

  EXPECT_THROW(copyFileByStream(dir / "missing.bin", dir / "d2.bin"), std::runtime_error);
  EXPECT_FALSE(fileExists(dir / "d2.bin"));
  EXPECT_THROW(copyFileByStream(dir / "big.bin", dir / "no folder\\d3.bin"), std::runtime_error);

  ASSERT_TRUE(test::writeFile(dir / "small.txt", "new"));
  EXPECT_TRUE(copyFile(dir / "small.txt", dir / "dest.bin"));
  EXPECT_EQ(test::readFile(dir / "dest.bin"), "new");
  EXPECT_FALSE(copyFile(dir / "missing.bin", dir / "dest.bin"));
}

TEST(FileSize, FirstMatchOrMinusOne) {
  ScratchFolder dir('D');
  ASSERT_TRUE(test::writeFile(dir / "five.txt", "12345"));
  ASSERT_TRUE(test::writeFile(dir / "hidden.txt", "123"));
  SetFileAttributesA((dir / "hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(fileSize(dir / "five.txt"), 5);
  EXPECT_EQ(fileSize(dir / "hidden.txt"), 3);
  EXPECT_EQ(fileSize(dir / "f*.txt"), 5);
  EXPECT_EQ(fileSize(dir / "none.txt"), -1);
}

TEST(FolderTests, FolderAndEmptyFolder) {
  ScratchFolder dir('D');
  ASSERT_TRUE(test::makeFolders(dir / "empty"));
  ASSERT_TRUE(test::writeFile(dir / "full\\f.txt", "x"));
  ASSERT_TRUE(test::writeFile(dir / "hiddenonly\\h.txt", "x"));
  SetFileAttributesA((dir / "hiddenonly\\h.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);

  EXPECT_TRUE(isFolder(dir / "empty"));
  EXPECT_TRUE(isFolder(dir / "empty\\"));
  EXPECT_FALSE(isFolder(dir / "full\\f.txt"));
  EXPECT_FALSE(isFolder(dir / "none"));
  EXPECT_TRUE(folderExists(dir / "empty\\"));
  EXPECT_FALSE(folderExists(dir / "full\\f.txt"));
  EXPECT_FALSE(folderExists(""));

  EXPECT_TRUE(isEmptyFolder(dir / "empty\\"));
  EXPECT_FALSE(isEmptyFolder(dir / "full"));
  EXPECT_FALSE(isEmptyFolder(dir / "hiddenonly"));  // hidden files count
  EXPECT_FALSE(isEmptyFolder(dir / "full\\f.txt"));
  EXPECT_FALSE(isEmptyFolder("\\\\server\\share\\empty"));
}

TEST(FolderSizes, FlatRecursiveAndByMask) {
  ScratchFolder dir('D');
  ASSERT_TRUE(test::writeFile(dir / "a.log", std::string(100, 'a')));
  ASSERT_TRUE(test::writeFile(dir / "b.txt", std::string(20, 'b')));
  ASSERT_TRUE(test::writeFile(dir / "sub\\c.log", std::string(3, 'c')));
  ASSERT_TRUE(test::writeFile(dir / "sub\\deep\\d.log", std::string(4, 'd')));
  ASSERT_TRUE(test::writeFile(dir / ".skipped\\e.log", std::string(1000, 'e')));
  EXPECT_EQ(folderSize(dir.path(), false), 120);
  EXPECT_EQ(folderSize(dir.path().substr(0, dir.path().size() - 1), true), 127);
  EXPECT_EQ(maskSize(dir / "*.log"), 100);
  EXPECT_EQ(maskSize(dir / "*.none"), 0);
}

TEST(Listings, NamesAreFilesAndSubfoldersAreVisibleFolders) {
  ScratchFolder dir('D');
  ASSERT_TRUE(test::writeFile(dir / "one.tmp", "1"));
  ASSERT_TRUE(test::writeFile(dir / "two.tmp", "2"));
  ASSERT_TRUE(test::writeFile(dir / "sys.tmp", "3"));
  SetFileAttributesA((dir / "sys.tmp").c_str(), FILE_ATTRIBUTE_SYSTEM);
  ASSERT_TRUE(test::makeFolders(dir / "folder.tmp"));
  ASSERT_TRUE(test::makeFolders(dir / "hidden folder"));
  SetFileAttributesA((dir / "hidden folder").c_str(), FILE_ATTRIBUTE_HIDDEN);

  auto names = listNames(dir.path(), "*.tmp");
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"one.tmp", "sys.tmp", "two.tmp"}));
  EXPECT_EQ(listSubfolders(dir.path()), (std::vector<std::string>{"folder.tmp"}));
  EXPECT_TRUE(listNames(dir / "none\\", "*.*").empty());
}

TEST(TextFiles, ReadLinesAndMarkerFile) {
  ScratchFolder dir('D');
  EXPECT_TRUE(readLines(dir / "none.txt").empty());
  ASSERT_TRUE(test::writeFile(dir / "lines.txt", "first\r\nsecond\r\n\r\nlast"));
  EXPECT_EQ(readLines(dir / "lines.txt"),
            (std::vector<std::string>{"first", "second", "", "last"}));
  EXPECT_EQ(readLines(dir / "lines.txt", 8), (std::vector<std::string>{"first", "s"}));

  createMarkerFile(dir / "marker.cho");
  EXPECT_EQ(test::readFile(dir / "marker.cho"), "0");
  ASSERT_TRUE(test::writeFile(dir / "marker.cho", "kept"));
  createMarkerFile(dir / "marker.cho");
  EXPECT_EQ(test::readFile(dir / "marker.cho"), "kept");
}

TEST(SystemFolders, TemporaryAndWindowsFolder) {
  ScratchFolder dir('D');
  char old[1024] = {};
  DWORD had = GetEnvironmentVariableA("TEMP", old, sizeof old);
  const std::string temp = dir.path().substr(0, dir.path().size() - 1);
  SetEnvironmentVariableA("TEMP", temp.c_str());
  EXPECT_EQ(temporaryFolder(), temp);
  EXPECT_EQ(temporaryFolderStrict(), temp);
  SetEnvironmentVariableA("TEMP", (dir / "missing").c_str());
  EXPECT_EQ(temporaryFolder(), "");
  SetEnvironmentVariableA("TEMP", "C:");
  EXPECT_EQ(temporaryFolderStrict(), "");
  SetEnvironmentVariableA("TEMP", had ? old : nullptr);

  std::string windows = windowsFolder();
  ASSERT_FALSE(windows.empty());
  EXPECT_NE(windows.back(), '\\');
  EXPECT_TRUE(folderExists(windows));
}

TEST(ShellHelpers, OpenDocumentTestsExistenceOpenAddressDoesNot) {
  ScratchFolder dir('D');
  test::ScopedSeams seams;
  ASSERT_TRUE(test::writeFile(dir / "doc.txt", "x"));
  EXPECT_TRUE(openDocument(dir / "doc.txt"));
  EXPECT_FALSE(openDocument(dir / "missing.txt"));
  EXPECT_TRUE(openAddress("mailto:someone@example.com"));
  EXPECT_TRUE(openDocument(dir / "doc.txt", "/s file"));
  const auto& l = seams.launcher.launches();
  ASSERT_EQ(l.size(), 3u);
  EXPECT_EQ(l[0].file, dir / "doc.txt");
  EXPECT_EQ(l[0].parameters, "");
  EXPECT_EQ(l[1].file, "mailto:someone@example.com");
  EXPECT_EQ(l[2].parameters, "/s file");

  seams.prompts.answerFolder("D:\\chosen");
  std::string path = "C:\\start";
  EXPECT_TRUE(browseForFolder(nullptr, "Pick", path));
  EXPECT_EQ(path, "D:\\chosen");
  EXPECT_FALSE(browseForFolder(nullptr, "Pick", path));  // cancelled
}

TEST(RegistryString, ReadsStringsCreatesTheKeyAndIsEmptyOtherwise) {
  test::RegistryOverride user(HKEY_CURRENT_USER);
  ASSERT_TRUE(user.ok());
  test::setRegString(HKEY_CURRENT_USER, "Software\\T", "name", "value");
  test::setRegDword(HKEY_CURRENT_USER, "Software\\T", "number", 5);
  EXPECT_EQ(readRegistryString(HKEY_CURRENT_USER, "Software\\T", "name"), "value");
  EXPECT_EQ(readRegistryString(HKEY_CURRENT_USER, "Software\\T", "number"), "");
  EXPECT_EQ(readRegistryString(HKEY_CURRENT_USER, "Software\\T", "missing"), "");
  EXPECT_EQ(readRegistryString(HKEY_CURRENT_USER, "Software\\New", "x"), "");
  EXPECT_TRUE(test::regKeyExists(HKEY_CURRENT_USER, "Software\\New"));
}

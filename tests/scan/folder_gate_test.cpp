// The folder gate under Wine: the system resolves every spelling (dots, slashes, 8.3 names)
// before the roots and the protected folders are judged, and an ordinary folder comes out
// absolute, long and with one trailing backslash.
#include "scan/folder_gate.h"

#include <gtest/gtest.h>

#include "base/data_folder.h"
#include "base/file_ops.h"
#include "support/scratch.h"

using namespace scrubwell;

namespace {

std::string shortName(const std::string& path) {
  char buffer[MAX_PATH] = {};
  DWORD n = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
  return n > 0 && n < MAX_PATH ? std::string(buffer, n) : std::string();
}

}  // namespace

TEST(FolderGate, RefusesEverySpellingOfRootsAndProtectedFolders) {
  test::ScratchFolder dir('D');
  const std::string program = dir / "Program Folder Long Name\\";
  const std::string data = dir / "Local Data\\Korvantis\\Scrubwell\\";
  ASSERT_TRUE(test::makeFolders(program));
  ASSERT_TRUE(test::makeFolders(data));
  const std::string programShort = shortName(program);
  ASSERT_FALSE(programShort.empty());
  ASSERT_NE(programShort, program) << "Wine gives the long name an 8.3 name";
  const std::string windows = windowsFolder();
  ASSERT_FALSE(windows.empty());
  const std::vector<std::string> guarded = {windows + "\\", program, data};

  const struct {
    std::string path;
    FolderRefusal refusal;
  } cases[] = {
      {"C:", FolderRefusal::driveRoot},
      {"C:\\", FolderRefusal::driveRoot},
      {"c:\\.", FolderRefusal::driveRoot},
      {"C:/", FolderRefusal::driveRoot},
      {"C:\\\\\\", FolderRefusal::driveRoot},
      {windows + "\\..", FolderRefusal::driveRoot},
      {dir.path() + "..\\", FolderRefusal::driveRoot},
      {"D:\\sub\\..\\..\\", FolderRefusal::driveRoot},
      {"\\\\server\\share\\", FolderRefusal::uncRoot},
      {"\\\\server\\share", FolderRefusal::uncRoot},
      {"//server/share/", FolderRefusal::uncRoot},
      {windows, FolderRefusal::protectedFolder},
      {windows + "\\", FolderRefusal::protectedFolder},
      {windows + "\\system32\\..\\", FolderRefusal::protectedFolder},
      {"c:/windows/", FolderRefusal::protectedFolder},
      {program, FolderRefusal::protectedFolder},
      {programShort, FolderRefusal::protectedFolder},
      {programShort + "\\\\", FolderRefusal::protectedFolder},
      {data, FolderRefusal::protectedFolder},
      {dir / "Local Data\\Korvantis", FolderRefusal::protectedFolder},
      {dir / "Local Data\\", FolderRefusal::protectedFolder},
      {dir.path(), FolderRefusal::protectedFolder},
      {"relative\\folder\\", FolderRefusal::notFullyQualified},
      {".", FolderRefusal::notFullyQualified},
      {"D:relative", FolderRefusal::notFullyQualified},
      {"\\rooted\\without\\drive\\", FolderRefusal::notFullyQualified},
      {"\\\\?\\C:\\", FolderRefusal::devicePath},
      {dir / "not here\\", FolderRefusal::missing},
  };
  for (const auto& c : cases) {
    GatedFolder gated = passFolderGate(c.path, guarded);
    EXPECT_EQ(gated.refusal, c.refusal) << c.path;
    EXPECT_EQ(gated.folder, c.path) << "a refused folder keeps the spelling it came in";
  }
}

TEST(FolderGate, LetsAnOrdinaryFolderThroughInLongFormWithOneBackslash) {
  test::ScratchFolder dir('D');
  const std::string folder = dir / "Setup Leftovers Folder\\";
  ASSERT_TRUE(test::makeFolders(folder + "inner"));
  const std::string shortFolder = shortName(folder);
  const std::vector<std::string> guarded = {windowsFolder() + "\\"};
  for (const std::string& spelling :
       {folder, folder + "\\\\", folder.substr(0, folder.size() - 1), shortFolder,
        folder + "inner\\..", folder + ".\\", dir / "Setup Leftovers Folder/"}) {
    GatedFolder gated = passFolderGate(spelling, guarded);
    EXPECT_TRUE(gated.passed()) << spelling;
    EXPECT_EQ(gated.folder, folder) << spelling;
  }
  GatedFolder sub = passFolderGate(windowsFolder() + "\\temp\\", guarded);
  EXPECT_EQ(sub.refusal, FolderRefusal::none) << "a folder below the Windows folder may be emptied";
}

TEST(FolderGate, TheSystemsProtectedFoldersIncludeProgramAndDataFolder) {
  const std::vector<std::string> guarded = protectedFolders();
  ASSERT_GE(guarded.size(), 3u);
  for (const auto& folder : guarded) EXPECT_EQ(folder.back(), '\\') << folder;
  EXPECT_EQ(passFolderGate(programFolder()).refusal, FolderRefusal::protectedFolder);
  EXPECT_EQ(passFolderGate(windowsFolder()).refusal, FolderRefusal::protectedFolder);
  EXPECT_EQ(passFolderGate(dataFolder("Scrubwell")).refusal, FolderRefusal::protectedFolder);
  EXPECT_EQ(passFolderGate(makerFolder()).refusal, FolderRefusal::protectedFolder);
  EXPECT_EQ(passFolderGate("C:\\users\\").refusal, FolderRefusal::protectedFolder)
      << "the folder above the user profile";
}

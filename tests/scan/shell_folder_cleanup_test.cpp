// The start-menu and recent-documents clean-ups on scratch folders of a test drive: what goes
// (to the test run's own recycle bin, or deleted), what stays, and that an unknown or refused
// folder touches nothing at all.
#include <gtest/gtest.h>

#include "platform/handles.h"
#include "scan/recent_documents.h"
#include "scan/start_menu_cleanup.h"
#include "support/scratch.h"

using namespace scrubwell;
using namespace scrubwell::test;

namespace {

std::string trashed(const std::string& name) {
  return runFolder() + "home\\.local\\share\\Trash\\files\\" + name;
}

StartMenuSweep sweep(const StartMenuFolders& folders) {
  ProcessFlag cancel;
  return sweepStartMenu(folders, {}, cancel, nullptr, 0);
}

// A file held open by a holder that shares nothing, so that it cannot be deleted.
UniqueResource<FileHandleTraits> holdOpen(const std::string& path) {
  return UniqueResource<FileHandleTraits>(CreateFileA(
      path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

TEST(StartMenuCleanup, RemovesEmptyFoldersOneLevelPerRunAndKeepsTheShellFolders) {
  ASSERT_FALSE(runFolder().empty());
  ScratchFolder menu('D', "StartMenu");
  for (const char* f :
       {"Programs\\OldTool", "Programs\\A\\B", "Programs\\Startup", "Programs\\Ini"})
    ASSERT_TRUE(makeFolders(menu / f));
  ASSERT_TRUE(writeFile(menu / "Programs\\Ini\\desktop.ini", "[.ShellClassInfo]"));
  SetFileAttributesA((menu / "Programs\\Ini\\desktop.ini").c_str(),
                     FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  const StartMenuFolders folders{menu.path(), {menu / "Programs\\Startup", menu / "Programs"}};

  StartMenuSweep first = sweep(folders);
  EXPECT_TRUE(first.found);
  EXPECT_EQ(first.removed, 2u);
  EXPECT_FALSE(folderExists(menu / "Programs\\OldTool"));
  EXPECT_TRUE(folderExists(trashed("OldTool"))) << "it went to the recycle bin";
  EXPECT_FALSE(folderExists(menu / "Programs\\A\\B"));
  for (const char* stays : {"Programs\\A", "Programs\\Startup", "Programs\\Ini"})
    EXPECT_TRUE(folderExists(menu / stays)) << stays;

  StartMenuSweep second = sweep(folders);
  EXPECT_EQ(second.removed, 1u);
  EXPECT_FALSE(folderExists(menu / "Programs\\A")) << "emptied by the first run, gone at the next";
  EXPECT_TRUE(folderExists(menu / "Programs\\Startup"));
  EXPECT_TRUE(folderExists(menu / "Programs\\Ini"));
}

TEST(StartMenuCleanup, AStartMenuThatIsADriveRootOrMissingTouchesNothing) {
  ScratchFolder outside('D');
  ASSERT_TRUE(makeFolders(outside / "empty"));
  for (const char* named : {"D:\\", "D:", "\\", "", "D:\\no-such-start-menu\\"}) {
    SCOPED_TRACE(named);
    const StartMenuSweep result = sweep({named, {}});
    EXPECT_FALSE(result.found);
    EXPECT_EQ(result.removed, 0u);
  }
  EXPECT_TRUE(folderExists(outside / "empty"));
}

TEST(StartMenuCleanup, TheSystemNamesTheStartMenuAndItsShellFolders) {
  const StartMenuFolders folders = systemStartMenuFolders();
  ASSERT_FALSE(folders.startMenu.empty());
  EXPECT_TRUE(folderExists(folders.startMenu)) << folders.startMenu;
  ASSERT_GE(folders.kept.size(), 2u);
  for (const std::string& kept : folders.kept)
    EXPECT_EQ(kept.rfind(folders.startMenu, 0), 0u) << kept << " lies in the start menu";
}

TEST(RecentDocuments, DeletesTheFilesOfTheFolderButNotOneInUse) {
  ScratchFolder recent('D', "Recent");
  for (const char* f : {"a.lnk", "b.lnk", "held.lnk", "sub\\c.lnk"})
    ASSERT_TRUE(writeFile(recent / f, "x"));
  SetFileAttributesA((recent / "b.lnk").c_str(), FILE_ATTRIBUTE_HIDDEN);
  auto held = holdOpen(recent / "held.lnk");
  ASSERT_TRUE(held);
  const RecentDocumentsCleanup result = deleteRecentDocuments(recent.path());
  EXPECT_TRUE(result.folderFound);
  EXPECT_EQ(result.deleted, 2u);
  EXPECT_EQ(result.stayed, 1u);
  EXPECT_FALSE(fileExists(recent / "a.lnk"));
  EXPECT_FALSE(fileExists(recent / "b.lnk"));
  EXPECT_TRUE(fileExists(recent / "held.lnk"));
  EXPECT_TRUE(fileExists(recent / "sub\\c.lnk")) << "only the folder's own files";
}

TEST(RecentDocuments, AnUnknownFolderTouchesNoFileOfAnyDriveRootNorOfTheCurrentFolder) {
  ScratchFolder current('D');
  ASSERT_TRUE(writeFile(current / "mine.txt", "x"));
  const std::string rootFile = "D:\\recent-probe.txt";
  ASSERT_TRUE(writeFile(rootFile, "x"));
  char saved[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, saved);
  SetCurrentDirectoryA(current.path().c_str());
  for (const char* named : {"", "\\", "D:\\", "D:", "C:\\", ".\\"}) {
    SCOPED_TRACE(named);
    const RecentDocumentsCleanup result = deleteRecentDocuments(named);
    EXPECT_FALSE(result.folderFound);
    EXPECT_EQ(result.deleted, 0u);
  }
  SetCurrentDirectoryA(saved);
  const bool rootFileKept = fileExists(rootFile);
  DeleteFileA(rootFile.c_str());
  EXPECT_TRUE(rootFileKept);
  EXPECT_TRUE(fileExists(current / "mine.txt"));
}

// The temp-folder clean-ups on the test drives: which folders the temp-folder scan walks for any
// TEMP, what it lists there, the sweep after its removal, the folder-content remover and the
// prefetch and download clean-up built on it.
#include <gtest/gtest.h>

#include "base/file_ops.h"
#include "scan/cancel_flag.h"
#include "scan/folder_contents_removal.h"
#include "scan/prefetch_cleanup.h"
#include "scan/removal.h"
#include "scan/removal_sandbox.h"
#include "scan/system_result_list.h"
#include "scan/temp_folder_scan.h"
#include "scan/temporary_folders.h"
#include "support/scratch.h"
#include "walk_support.h"

using namespace scrubwell;
namespace test = scrubwell::test;
using test::ScratchFolder, test::EnvironmentVariable, test::writeFile, test::makeFolders,
    test::removeTree, test::makeFolderLink, test::makeSparseFile, test::RemovalSandbox;

namespace {

std::string longForm(const std::string& path) {
  char buffer[MAX_PATH] = {};
  DWORD n = GetLongPathNameA(path.c_str(), buffer, MAX_PATH);
  return n > 0 && n < MAX_PATH ? std::string(buffer, n) : path;
}

std::string shortForm(const std::string& path) {
  char buffer[MAX_PATH] = {};
  DWORD n = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
  return n > 0 && n < MAX_PATH ? std::string(buffer, n) : path;
}

std::string windowsTemp() { return longForm(windowsFolder() + "\\temp") + "\\"; }

bool startsWith(const std::string& text, const std::string& prefix) {
  return _strnicmp(text.c_str(), prefix.c_str(), prefix.size()) == 0;
}

DriveScanInputs anyDrives() { return {{"C:\\", "D:\\"}, {}, defaultSearchExceptions(), {}}; }

ResultList scanTemporaryFolders() {
  ResultList list = makeSystemResultList();
  ProcessFlag cancel;
  runTemporaryFolderScan(temporaryScanFolders(), anyDrives(), list, cancel, nullptr, 0);
  return list;
}

bool listed(const ResultList& list, const std::string& path) {
  for (size_t i = 0; i < list.size(); ++i)
    if (_stricmp(list.path(i).c_str(), path.c_str()) == 0) return true;
  return false;
}

const char* const kTexts =
    "[0]\r\nENGLISH\r\n[1]\r\nScrubwell\r\n[149]\r\nFile\r\n[150]\r\n - removed\r\n"
    "[159]\r\n - recycled\r\n[160]\r\n - not removed\r\n[END]\r\n";

}  // namespace

// TEMP naming a drive root or the Windows folder in another spelling: only the Windows temp
// folder is walked, nothing outside it is listed, and the sweep after the removal stays there.
TEST(TemporaryFolderScan, ATempNamingARootOrTheWindowsFolderWalksOnlyTheWindowsTemp) {
  RemovalSandbox sandbox(kTexts);
  sandbox.settings.backupOption = false;
  const std::string windows = windowsFolder();
  ASSERT_TRUE(writeFile("C:\\root-marker.tmp", "c"));
  ASSERT_TRUE(writeFile("D:\\root-marker.tmp", "d"));
  ASSERT_TRUE(makeFolders("C:\\empty-marker"));
  ASSERT_TRUE(makeFolders(windows + "\\System32\\empty-marker"));
  ASSERT_TRUE(writeFile(windowsTemp() + "in-windows-temp.tmp", "t"));
  ASSERT_TRUE(makeFolders(windowsTemp() + "left-empty"));
  for (const std::string& temp :
       {std::string("C:\\WINDOWS"), std::string("c:\\windows"), std::string("C:"),
        std::string("D:"), std::string("C:\\"), std::string("D:\\"), std::string("C:\\windows\\"),
        shortForm(windows), windows + "\\."}) {
    SCOPED_TRACE("TEMP=" + temp);
    EnvironmentVariable variable("TEMP", temp);
    EXPECT_EQ(temporaryScanFolders(), std::vector<std::string>{windowsTemp()});
    ResultList list = scanTemporaryFolders();
    for (size_t i = 0; i < list.size(); ++i)
      EXPECT_TRUE(startsWith(list.path(i), windowsTemp())) << list.path(i);
    EXPECT_TRUE(listed(list, windowsTemp() + "in-windows-temp.tmp"));
    EXPECT_EQ(pendingTemporarySweep(), std::vector<std::string>{windowsTemp()});
  }
  // The removal: only what the scan listed goes, and only the Windows temp folder is swept.
  EnvironmentVariable variable("TEMP", "C:");
  ResultList list = scanTemporaryFolders();
  list.copyRawMarksToRows();
  RemovalOutcome outcome = removeMarkedEntries(list, sandbox.settings, sandbox.parts);
  EXPECT_EQ(outcome.end, RemovalEnd::done);
  EXPECT_FALSE(test::fileExists(windowsTemp() + "in-windows-temp.tmp"));
  EXPECT_FALSE(test::folderExists(windowsTemp() + "left-empty"));
  EXPECT_TRUE(test::folderExists(windowsTemp()));
  EXPECT_TRUE(test::fileExists("C:\\root-marker.tmp"));
  EXPECT_TRUE(test::fileExists("D:\\root-marker.tmp"));
  EXPECT_TRUE(test::folderExists("C:\\empty-marker"));
  EXPECT_TRUE(test::folderExists(windows + "\\System32\\empty-marker"));
  EXPECT_TRUE(pendingTemporarySweep().empty());
  removeTree("C:\\empty-marker");
  removeTree(windows + "\\System32\\empty-marker");
  DeleteFileA("C:\\root-marker.tmp");
  DeleteFileA("D:\\root-marker.tmp");
}

// The user's TEMP is walked once in its long form, whatever spelling TEMP gives it, and what
// lies in browser folders, behind a link or in a nested spelling of the same place is not
// listed twice or at all.
TEST(TemporaryFolderScan, ListsEveryFileOfTheUsersTempMarkedAndLeavesBrowserFoldersAlone) {
  ScratchFolder d('D');
  const std::string temp = d / "User Temp Folder\\";
  ScratchFolder elsewhere('D');
  ASSERT_TRUE(writeFile(temp + "a.tmp", "aaa"));
  ASSERT_TRUE(writeFile(temp + "sub\\b.log", "bb"));
  ASSERT_TRUE(writeFile(temp + "Temporary Internet Files\\page.htm", "x"));
  ASSERT_TRUE(writeFile(temp + "History\\h.dat", "x"));
  ASSERT_TRUE(writeFile(temp + "sub\\MyCookies\\c.txt", "x"));
  ASSERT_TRUE(writeFile(elsewhere / "precious.doc", "mine"));
  ASSERT_TRUE(makeFolderLink(temp + "link", elsewhere.path()));
  for (const std::string& spelling : {temp, shortForm(temp), temp + "sub\\..\\"}) {
    SCOPED_TRACE("TEMP=" + spelling);
    EnvironmentVariable variable("TEMP", spelling);
    const std::vector<std::string> folders = temporaryScanFolders();
    ASSERT_FALSE(folders.empty());
    EXPECT_EQ(folders[0], longForm(temp));
    ResultList list = scanTemporaryFolders();
    std::vector<std::string> below;
    for (size_t i = 0; i < list.size(); ++i)
      if (startsWith(list.path(i), d.path())) {
        below.push_back(list.path(i).substr(temp.size()));
        EXPECT_TRUE(list.isMarked(i)) << list.path(i);
      }
    EXPECT_EQ(below, (std::vector<std::string>{"a.tmp", "sub\\b.log"}));
  }
  // A TEMP inside the Windows temp folder is walked as part of it, not a second time.
  ASSERT_TRUE(makeFolders(windowsTemp() + "nested"));
  EnvironmentVariable nested("TEMP", windowsTemp() + "nested");
  EXPECT_EQ(temporaryScanFolders(), std::vector<std::string>{windowsTemp()});
  removeTree(windowsTemp() + "nested");
}

TEST(FolderContents, EmptiesWhatItMayAndKeepsTheFolderLockedFilesAndLinkTargets) {
  ScratchFolder d('D');
  ScratchFolder target('D');
  ASSERT_TRUE(writeFile(d / "box\\a.tmp", std::string(3000, 'a')));
  ASSERT_TRUE(writeFile(d / "box\\sub\\deep\\b.tmp", std::string(500, 'b')));
  ASSERT_TRUE(writeFile(d / "box\\busy\\locked.tmp", std::string(3072, 'l')));
  ASSERT_TRUE(writeFile(d / "box\\busy\\free.tmp", "ff"));
  ASSERT_TRUE(writeFile(target / "kept.doc", "mine"));
  ASSERT_TRUE(makeFolderLink(d / "box\\link", target.path()));
  HANDLE locked = CreateFileA((d / "box\\busy\\locked.tmp").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  const ListingScope scope(defaultSearchExceptions(), "");
  const FolderEmptying done = emptyFolderContents(d / "box", scope);  // no trailing "\"
  CloseHandle(locked);
  EXPECT_FALSE(done.refused);
  EXPECT_EQ(done.freedBytes, 3000 + 500 + 2) << "the locked file is not counted";
  EXPECT_GE(done.leftovers, 2) << "the locked file and the folder holding it";
  EXPECT_TRUE(test::folderExists(d / "box")) << "the folder itself stays";
  EXPECT_TRUE(test::fileExists(d / "box\\busy\\locked.tmp"));
  EXPECT_FALSE(test::fileExists(d / "box\\busy\\free.tmp"));
  EXPECT_FALSE(test::folderExists(d / "box\\sub"));
  EXPECT_TRUE(test::fileExists(target / "kept.doc")) << "a link is never entered";

  // Sizes are 64-bit: three sparse files of 1 GiB free exactly 3 GiB.
  ASSERT_TRUE(makeFolders(d / "big"));
  for (const char* name : {"one", "two", "three"})
    ASSERT_TRUE(makeSparseFile(d / "big\\" + name, int64_t{1} << 30));
  EXPECT_EQ(emptyFolderContents(d / "big\\", scope).freedBytes, int64_t{3} << 30);

  // Roots are refused whole; a missing folder is simply nothing to do.
  ASSERT_TRUE(writeFile("D:\\root-marker.tmp", "d"));
  for (const char* refused : {"", "D:", "D:\\", "C:\\", "d:\\."}) {
    SCOPED_TRACE(refused);
    const FolderEmptying r = emptyFolderContents(refused, scope);
    EXPECT_TRUE(r.refused);
    EXPECT_EQ(r.freedBytes, 0);
  }
  EXPECT_TRUE(test::fileExists("D:\\root-marker.tmp"));
  DeleteFileA("D:\\root-marker.tmp");
  const FolderEmptying missing = emptyFolderContents(d / "no such folder\\", scope);
  EXPECT_FALSE(missing.refused);
  EXPECT_EQ(missing.freedBytes, 0);
}

TEST(PrefetchCleanup, EmptiesTheFourFoldersAndKeepsThem) {
  const std::vector<std::string> folders = prefetchAndDownloadFolders();
  ASSERT_EQ(folders.size(), 4u);
  int64_t planted = 0;
  for (size_t i = 0; i < folders.size(); ++i) {
    const std::string content(100 * (i + 1), 'p');
    ASSERT_TRUE(writeFile(folders[i] + "file" + std::to_string(i), content));
    ASSERT_TRUE(writeFile(folders[i] + "sub\\deeper\\more", content));
    planted += 2 * static_cast<int64_t>(content.size());
  }
  std::vector<int> heard;
  const FolderEmptying done =
      emptyPrefetchAndDownloadFolders(ListingScope(defaultSearchExceptions(), ""),
                                      [&heard](int percent) { heard.push_back(percent); });
  EXPECT_EQ(done.freedBytes, planted);
  EXPECT_EQ(done.leftovers, 0);
  EXPECT_FALSE(done.refused);
  EXPECT_EQ(heard, (std::vector<int>{10, 40, 70, 90, 90}));
  for (const std::string& folder : folders) {
    EXPECT_TRUE(test::folderExists(folder)) << folder;
    EXPECT_TRUE(isEmptyFolder(folder)) << folder;
  }
  // Nothing there: nothing freed, nothing refused.
  EXPECT_EQ(
      emptyPrefetchAndDownloadFolders(ListingScope(defaultSearchExceptions(), ""), {}).freedBytes,
      0);
}

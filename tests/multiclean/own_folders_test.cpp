// The own-folder clean-up and the minidump clean-up on the test drives: folders end empty and
// whole points bring every file back; roots, relative entries and the data folder's holder are
// refused; a locked file stays; the minidump locator's answers, good and hostile, from a stand-in
// library and from the real KvFindMinidump.dll.
#include "multiclean/minidump_cleanup.h"
#include "multiclean/own_folder_cleanup.h"

#include <gtest/gtest.h>

#include "backup/my_backup.h"
#include "base/file_ops.h"
#include "scan/removal_sandbox.h"
#include "support/app_sandbox.h"
#include "support/registry_override.h"

using namespace scrubwell;

namespace {

const char* const kTexts =
    "[0]\r\nENGLISH\r\n[1]\r\nScrubwell\r\n[150]\r\n - removed with backup\r\n"
    "[152]\r\nno backup folder\r\n[156]\r\nReally?\r\n[157]\r\nStatus report\r\n"
    "[158]\r\nProcessed:\r\n[159]\r\n - in the recycle bin\r\n[5260]\r\nFolder\r\n"
    "[5261]\r\n - leftovers\r\n[5262]\r\n - refused\r\n[5263]\r\n - not found\r\n[END]\r\n";

struct Cleaning : test::RemovalSandbox {
  test::AppSandbox app;  // the data folder lies in a scratch folder on D:
  Cleaning() : RemovalSandbox(kTexts) {}
};

// Files with every attribute a user's folder may hold, in a folder and its hidden subfolder.
std::vector<std::pair<std::string, std::string>> plantFiles(const std::string& folder) {
  std::vector<std::pair<std::string, std::string>> files = {
      {folder + "plain.txt", std::string(1500, 'p')},
      {folder + "readonly.doc", "read only"},
      {folder + "hidden.ini", "hidden"},
      {folder + "system.dat", "system"},
      {folder + "deep\\inner.bin", std::string(700, 'i')}};
  for (const auto& [path, content] : files) EXPECT_TRUE(test::writeFile(path, content));
  SetFileAttributesA((folder + "readonly.doc").c_str(), FILE_ATTRIBUTE_READONLY);
  SetFileAttributesA((folder + "hidden.ini").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesA((folder + "system.dat").c_str(), FILE_ATTRIBUTE_SYSTEM);
  SetFileAttributesA((folder + "deep").c_str(), FILE_ATTRIBUTE_HIDDEN);
  return files;
}

bool emptyAndThere(const std::string& folder) {
  return test::folderExists(folder) && listNames(folder, "*").empty() &&
         listSubfolders(folder).empty();
}

}  // namespace

TEST(OwnFolders, BothEndEmptyAndExistingAndEveryFileComesBackFromThePoint) {
  Cleaning r;
  const std::string first = r.dir / "scratch one\\", second = r.dir / "scratch two\\";
  auto files = plantFiles(first);
  for (auto& f : plantFiles(second)) files.push_back(f);
  FolderTreesOutcome o =
      cleanOwnFolders({first.substr(0, first.size() - 1), second}, r.settings, r.parts);
  EXPECT_EQ(o.run.end, RemovalEnd::done);
  EXPECT_EQ(o.run.counts.removed, 2);
  EXPECT_EQ(o.run.counts.freedBytes, 2 * (1500 + 9 + 6 + 6 + 700));
  EXPECT_TRUE(emptyAndThere(first));
  EXPECT_TRUE(emptyAndThere(second));
  EXPECT_TRUE(r.reported("Folder " + first + " - removed with backup"));

  MyBackup restore;
  for (const auto& f : files) restore.AddRestoreFile(f.first);
  ASSERT_TRUE(restore.RestorePoint(r.settings.backupFolder + "1.bck"));
  for (const auto& [path, content] : files) EXPECT_EQ(test::readFile(path), content) << path;
}

TEST(OwnFolders, RootsRelativeEntriesAndTheDataFoldersHolderAreRefusedAndNothingGoes) {
  Cleaning r;
  const std::string keep = r.dir / "current\\keep.txt";
  ASSERT_TRUE(test::writeFile(keep, "keep"));
  ASSERT_TRUE(test::writeFile(r.app.data() + "Scrubwell.ini", "[x]\r\n"));
  // The current folder lies inside the entries a relative path or a bare "D:" would name.
  char before[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, before);
  ASSERT_TRUE(SetCurrentDirectoryA((r.dir / "current").c_str()));
  FolderTreesOutcome o =
      cleanOwnFolders({"D:\\", "D:", ".", "current", r.app.local()}, r.settings, r.parts);
  SetCurrentDirectoryA(before);

  ASSERT_EQ(o.items.size(), 5u);
  for (const FolderTreeItem& item : o.items)
    EXPECT_EQ(item.result, FolderTreeResult::refused) << item.folder;
  EXPECT_EQ(o.run.counts.unremovable, 5);
  EXPECT_EQ(test::readFile(keep), "keep");
  EXPECT_TRUE(test::fileExists(r.app.data() + "Scrubwell.ini"));
  EXPECT_TRUE(r.reported("Folder D:\\ - refused"));
  EXPECT_FALSE(test::fileExists(r.settings.backupFolder + "1.bck")) << "nothing to back up";
}

TEST(OwnFolders, ALockedFileStaysNoChangesNothingAndAnEmptyListDoesNothing) {
  Cleaning r;
  const std::string folder = r.dir / "held\\";
  ASSERT_TRUE(test::writeFile(folder + "locked.log", "in use"));
  ASSERT_TRUE(test::writeFile(folder + "free.log", "free"));
  HANDLE lock = CreateFileA((folder + "locked.log").c_str(), GENERIC_READ, 0, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  FolderTreesOutcome o = cleanOwnFolders({folder}, r.settings, r.parts);
  CloseHandle(lock);
  ASSERT_EQ(o.items.size(), 1u);
  EXPECT_EQ(o.items[0].result, FolderTreeResult::leftovers);
  EXPECT_EQ(o.run.counts.unremovable, 1) << "not reported as removed";
  EXPECT_EQ(o.run.counts.freedBytes, 4) << "only the deleted file counts";
  EXPECT_TRUE(test::fileExists(folder + "locked.log"));
  EXPECT_FALSE(test::fileExists(folder + "free.log"));

  ASSERT_TRUE(test::writeFile(folder + "again.log", "again"));
  r.settings.askBeforeRemoving = true;
  r.seams.prompts.answerMessage(IDNO);
  r.windows.lines.clear();
  o = cleanOwnFolders({folder}, r.settings, r.parts);
  EXPECT_EQ(o.run.end, RemovalEnd::declined);
  EXPECT_TRUE(test::fileExists(folder + "again.log"));
  EXPECT_TRUE(r.windows.lines.empty()) << "no report";

  r.settings.askBeforeRemoving = false;
  o = cleanOwnFolders({r.dir / "never made"}, r.settings, r.parts);
  ASSERT_EQ(o.items.size(), 1u);
  EXPECT_EQ(o.items[0].result, FolderTreeResult::missing);
  EXPECT_FALSE(test::folderExists(r.dir / "never made")) << "not created either";

  const int asked = r.seams.prompts.countOf("message");
  o = cleanOwnFolders({}, r.settings, r.parts);
  EXPECT_TRUE(o.items.empty());
  EXPECT_EQ(r.seams.prompts.countOf("message"), asked) << "an empty list asks nothing";
}

namespace {

// The folder holding this test program: the stand-in locator lies beside it.
std::string testFolder() {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string path(self);
  return path.substr(0, path.find_last_of('\\') + 1);
}

MinidumpCleaning cleanWithAnswer(Cleaning& r, const std::string& answer) {
  SetEnvironmentVariableA("SCRUBWELL_TEST_MINIDUMP", answer.c_str());
  return cleanMinidumpFolder(testFolder() + "test_minidump_locator.dll", r.settings, r.windows.backup);
}

}  // namespace

TEST(Minidumps, TheLocatorsFolderIsEmptiedWithItsBackupWhateverItsSpelling) {
  Cleaning r;
  const std::string dumps = r.dir / "Minidump\\";
  for (const std::string& answer : {dumps, dumps.substr(0, dumps.size() - 1)}) {
    ASSERT_TRUE(test::writeFile(dumps + "Mini120926-01.dmp", std::string(2048, 'd')));
    ASSERT_TRUE(test::writeFile(dumps + "old\\Mini010126-01.dmp", std::string(1024, 'o')));
    const MinidumpCleaning done = cleanWithAnswer(r, answer);
    EXPECT_FALSE(done.libraryMissing);
    EXPECT_EQ(done.folder, dumps) << answer;
    EXPECT_EQ(done.emptied.freedBytes, 3072) << answer;
    EXPECT_TRUE(emptyAndThere(dumps)) << answer;
  }
  // Both runs stored the folder first, whichever way the locator spelled it.
  for (const char* point : {"1.bck", "2.bck"}) {
    MyBackup restore;
    restore.AddRestoreFile(dumps + "old\\Mini010126-01.dmp");
    ASSERT_TRUE(restore.RestorePoint(r.settings.backupFolder + point)) << point;
    EXPECT_EQ(test::readFile(dumps + "old\\Mini010126-01.dmp"), std::string(1024, 'o')) << point;
    DeleteFileA((dumps + "old\\Mini010126-01.dmp").c_str());
  }
}

TEST(Minidumps, HostileAnswersAndAMissingLibraryEmptyNothing) {
  Cleaning r;
  const std::string keep = r.dir / "keep.dmp";
  ASSERT_TRUE(test::writeFile(keep, "keep"));
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  for (const std::string& answer :
       {std::string("<null>"), std::string(""), std::string("<unterminated>"), r.dir / "missing",
        std::string("D:\\"), std::string("D:"), std::string(windows), r.app.local()}) {
    const MinidumpCleaning done = cleanWithAnswer(r, answer);
    EXPECT_TRUE(done.folder.empty()) << answer;
    EXPECT_EQ(done.emptied.freedBytes, 0) << answer;
    EXPECT_FALSE(done.libraryMissing) << answer;
  }
  EXPECT_EQ(test::readFile(keep), "keep");
  const MinidumpCleaning none = cleanMinidumpFolder(r.dir / "KvFindMinidump.dll", r.settings,
                                                    r.windows.backup);
  EXPECT_TRUE(none.libraryMissing);
  EXPECT_EQ(test::readFile(keep), "keep");
}

// The real locator, beside the program in the build tree: the crash-control setting with its
// variables expanded, else the Windows folder's Minidump folder, and only an existing folder.
TEST(Minidumps, TheRealLocatorAnswersTheCrashControlFolderAndIsReleased) {
  Cleaning r;
  test::RegistryOverride machine(HKEY_LOCAL_MACHINE);
  ASSERT_TRUE(machine.ok());
  const std::string library = testFolder() + "..\\..\\src\\app\\KvFindMinidump.dll";
  const std::string dumps = r.dir / "crash dumps";
  SetEnvironmentVariableA("SCRUBWELL_TEST_DUMPS", (r.dir / "crash").c_str());
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\CrashControl",
                            0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const char value[] = "%SCRUBWELL_TEST_DUMPS% dumps";
  RegSetValueExA(key, "MinidumpDir", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(value),
                 sizeof value);
  RegCloseKey(key);

  EXPECT_EQ(locateMinidumpFolder(library, "09.12.2026").folder, "") << "not there yet";
  ASSERT_TRUE(test::makeFolders(dumps));
  const MinidumpLocation found = locateMinidumpFolder(library, "09.12.2026");
  EXPECT_FALSE(found.libraryMissing);
  EXPECT_EQ(found.folder, dumps);
  EXPECT_EQ(GetModuleHandleA(library.c_str()), nullptr) << "released after the call";
}

// The duplicate-DLL scan on the test drives: the block sizes against a real DLL of the prefix's
// system folder, the Windows-copy lookup, the places and folders it leaves alone, and the Windows
// copy itself met under another path.
#include "scan/duplicate_dll_scan.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/handles.h"
#include "scan/system_result_list.h"
#include "support/scratch.h"
#include "walk_support.h"

using namespace scrubwell;
using namespace scrubwell::test;

namespace {

constexpr const char* kSystemDll = "kernel32.dll";

// The paths of `list` below `base`, relative to it, in list order.
std::vector<std::string> foundBelow(const ResultList& list, const std::string& base) {
  std::vector<std::string> out;
  for (size_t i = 0; i < list.size(); ++i)
    if (list.path(i).rfind(base, 0) == 0) out.push_back(list.path(i).substr(base.size()));
  return out;
}

std::vector<std::string> scan(WindowsCopies& copies, std::vector<std::string> drives,
                              const std::string& base, const std::string& backupFolder = {}) {
  ResultList list = makeSystemResultList();
  ProcessFlag cancel;
  runDuplicateDllScan({std::move(drives), {}, defaultSearchExceptions(), backupFolder}, copies,
                      list, cancel, nullptr, 0);
  for (size_t i = 0; i < list.size(); ++i) EXPECT_TRUE(list.isMarked(i)) << list.path(i);
  return foundBelow(list, base);
}

// A file of `size` bytes that takes no room, in a folder made for it.
bool sparse(const std::string& path, int64_t size) {
  return makeFolders(path.substr(0, path.rfind('\\'))) && makeSparseFile(path, size);
}

// The size of the prefix's own copy of kSystemDll, as the scan sees it.
int64_t systemCopySize(WindowsCopies& copies) {
  const OpenedFileFacts* facts = copies.factsOf(kSystemDll);
  return facts ? facts->size : -1;
}

}  // namespace

TEST(DuplicateDllScan, ListsCopiesOfTheSameBlockCountOfARealSystemDll) {
  WindowsCopies copies = WindowsCopies::ofSystem();
  const int64_t size = systemCopySize(copies);
  ASSERT_GE(size, 1024) << copies.pathOf(kSystemDll);
  const int64_t blocks = size / 128;
  ScratchFolder d('D');
  ASSERT_TRUE(sparse(d / "same\\KERNEL32.DLL", size));
  // Another byte count in the same last block; and one block more.
  ASSERT_TRUE(sparse(d / "same-blocks\\kernel32.dll",
                     size % 128 == 127 ? blocks * 128 : blocks * 128 + 127));
  ASSERT_TRUE(sparse(d / "one-block-more\\kernel32.dll", size + 128));
  ASSERT_TRUE(writeFile(d / "tiny\\kernel32.dll", std::string(100, 'x')));
  ASSERT_TRUE(sparse(d / "no-copy\\not-in-windows.dll", size));
  ASSERT_TRUE(sparse(d / "locked\\kernel32.dll", size));
  ASSERT_TRUE(sparse(d / "not-a-dll\\kernel32.dll.bak", size));
  // A holder that shares nothing: the scan cannot open the file, so it is no duplicate, and
  // the scan goes on with the folders after it.
  UniqueResource<FileHandleTraits> lock(CreateFileA((d / "locked\\kernel32.dll").c_str(),
                                                    GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(lock);
  auto found = scan(copies, {"D:\\"}, d.path());
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (std::vector<std::string>{"same-blocks\\kernel32.dll", "same\\KERNEL32.DLL"}));
}

TEST(DuplicateDllScan, TheWindowsFolderComesFirstThenSystem32ThenSystem) {
  ScratchFolder w('D', "WINROOT");
  ASSERT_TRUE(writeFile(w / "a.dll", std::string(1000, 'w')));
  ASSERT_TRUE(writeFile(w / "system32\\a.dll", std::string(5000, '3')));
  ASSERT_TRUE(writeFile(w / "system\\a.dll", std::string(9000, 's')));
  ASSERT_TRUE(writeFile(w / "system32\\b.dll", std::string(2000, '3')));
  ASSERT_TRUE(writeFile(w / "system\\b.dll", std::string(3000, 's')));
  ASSERT_TRUE(writeFile(w / "system\\c.dll", std::string(4000, 's')));
  ASSERT_TRUE(writeFile(w / "tiny.dll", std::string(100, 'w')));
  WindowsCopies copies(w.path());
  EXPECT_EQ(copies.pathOf("A.DLL"), w / "a.dll");
  EXPECT_EQ(copies.pathOf("b.dll"), w / "system32\\b.dll");
  EXPECT_EQ(copies.pathOf("c.dll"), w / "system\\c.dll");
  EXPECT_EQ(copies.pathOf("d.dll"), "");

  ScratchFolder d('D');
  ASSERT_TRUE(writeFile(d / "a.dll", std::string(1020, 'x')));  // 7 blocks, as the copy's 1000
  ASSERT_TRUE(writeFile(d / "b.dll", std::string(2000, 'x')));
  ASSERT_TRUE(writeFile(d / "c.dll", std::string(9000, 'x')));    // the size of a lower copy only
  ASSERT_TRUE(writeFile(d / "tiny.dll", std::string(100, 'x')));  // 0 blocks on both sides
  EXPECT_TRUE(isDuplicateOfWindowsCopy(d.path(), "a.dll", copies));
  EXPECT_TRUE(isDuplicateOfWindowsCopy(d.path(), "B.dll", copies));
  EXPECT_FALSE(isDuplicateOfWindowsCopy(d.path(), "c.dll", copies));
  EXPECT_FALSE(isDuplicateOfWindowsCopy(d.path(), "tiny.dll", copies));
  // Inside the Windows folder nothing is a duplicate, not even a lower copy of the same size.
  EXPECT_FALSE(isDuplicateOfWindowsCopy(w / "system32\\", "b.dll", copies));
  EXPECT_FALSE(isDuplicateOfWindowsCopy(w.path(), "a.dll", copies));
}

TEST(DuplicateDllScan, LeavesInstallationSourcesAndExcludedPlacesAlone) {
  WindowsCopies copies = WindowsCopies::ofSystem();
  const int64_t size = systemCopySize(copies);
  ASSERT_GT(size, 0);
  ScratchFolder d('D');
  ScratchFolder recycler('D', "RECYCLER");
  ScratchFolder restore('D', "_RESTORE");
  ScratchFolder winamp('C', "WINAMP");
  const char* setupFiles[] = {"setup.exe", "data1.cab", "install.log", "setupx.ini",
                              "data1.cabinet"};  // the last matches "*.CAB" by its short name
  for (const char* setupFile : setupFiles) {
    ASSERT_TRUE(writeFile(d / (std::string("src-") + setupFile + "\\" + setupFile), "x"));
    ASSERT_TRUE(sparse(d / (std::string("src-") + setupFile + "\\kernel32.dll"), size));
  }
  ASSERT_TRUE(sparse(d / "tools\\kernel32.dll", size));
  ASSERT_TRUE(writeFile(d / "tools\\readme.txt", "x"));
  ASSERT_TRUE(sparse(d / "BACKUP\\kernel32.dll", size));
  ASSERT_TRUE(sparse(d / "BACKUP\\below\\kernel32.dll", size));
  ASSERT_TRUE(sparse(recycler / "kernel32.dll", size));
  ASSERT_TRUE(sparse(restore / "x\\kernel32.dll", size));
  ASSERT_TRUE(sparse(winamp / "plugins\\kernel32.dll", size));
  ASSERT_FALSE(systemMatches(d / "src-data1.cabinet\\*.CAB").empty())
      << "this Wine makes no 8.3 name ending in .CAB for data1.cabinet";

  auto found = scan(copies, {"C:\\", "D:\\"}, d.path(), d / "BACKUP");
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found,
            (std::vector<std::string>{"BACKUP\\below\\kernel32.dll", "tools\\kernel32.dll"}));
  EXPECT_EQ(scan(copies, {"D:\\"}, recycler.path()), std::vector<std::string>{});
  EXPECT_EQ(scan(copies, {"D:\\"}, restore.path()), std::vector<std::string>{});
  EXPECT_EQ(scan(copies, {"C:\\"}, winamp.path()), std::vector<std::string>{});
}

TEST(DuplicateDllScan, NeverTakesTheWindowsCopyMetThroughALink) {
  WindowsCopies copies = WindowsCopies::ofSystem();
  ASSERT_FALSE(copies.pathOf(kSystemDll).empty());
  ScratchFolder d('D');
  if (!makeFolderLink(d / "sys", copies.windowsFolder() + "\\system32"))
    GTEST_SKIP() << "this Wine makes no folder links";
  EXPECT_EQ(scan(copies, {"D:\\"}, d.path()), std::vector<std::string>{});
  // Asked directly (as the multi-clean's walk may), the path through the link names the Windows
  // copy itself: same name, same size, but the same file.
  EXPECT_FALSE(isDuplicateOfWindowsCopy(d / "sys\\", kSystemDll, copies));
}

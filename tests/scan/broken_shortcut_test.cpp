// The broken-shortcut test on real shortcut files, written and read by the system's shell link
// object, with targets on the test drives (D: fixed, E: removable, N: network, Q: CD-ROM).
#include "scan/broken_shortcut.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>
#include <thread>
#include <vector>

#include "platform/handles.h"
#include "support/scratch.h"
#include "support/shortcuts.h"

using namespace scrubwell;
using scrubwell::test::newShellLink;
using scrubwell::test::readShortcutTarget;
using scrubwell::test::saveShortcut;
using scrubwell::test::ScratchFolder;
using scrubwell::test::wide;

namespace {

// Writes a shortcut to `target` as it stands now. Wine's SetPath accepts a target that does not
// exist (it answers S_FALSE and keeps the path). The shortcut must read back as exactly `target`,
// or the case would test something else than it says.
void writeShortcut(const std::wstring& shortcut, const std::wstring& target) {
  ASSERT_TRUE(test::writeShortcut(shortcut, target)) << "target " << testing::PrintToString(target);
}

bool createWideFile(const std::wstring& path) {
  HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  CloseHandle(h);
  return true;
}

// The usual way a shortcut breaks: it was made while its target existed, then the target went.
void writeShortcutThenRemoveTarget(const std::wstring& shortcut, const std::wstring& target) {
  ASSERT_TRUE(createWideFile(target));
  writeShortcut(shortcut, target);
  ASSERT_TRUE(DeleteFileW(target.c_str()));
}

// The error GetFileAttributesW leaves for a path; 0 when the path exists.
DWORD attributesError(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES ? GetLastError() : 0;
}

// Every test writes into its own folder on D: and initialises COM for its own shell link objects.
class BrokenShortcut : public testing::Test {
 protected:
  // A shortcut file in the test's folder, as the ANSI path the scan passes and in UTF-16.
  std::string lnk(const std::string& name) const { return folder_ / name; }
  std::wstring wlnk(const std::string& name) const { return wide(folder_ / name); }
  std::wstring inFolder(const std::string& relative) const { return wide(folder_ / relative); }

  ComScope com_;
  ScratchFolder folder_{'D', "lnk"};
};

// --- What the target is -------------------------------------------------------------------

TEST_F(BrokenShortcut, MissingFileOnAFixedDiskIsBroken) {
  // Written while the target was already missing, and written first and the target removed.
  ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk("never.lnk"), inFolder("never.exe")));
  ASSERT_NO_FATAL_FAILURE(writeShortcutThenRemoveTarget(wlnk("gone.lnk"), inFolder("gone.exe")));
  // A .pif name changes nothing: the shell link object reads the file as it is.
  ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk("old.pif"), inFolder("gone.exe")));
  // C: is a fixed disk too; nothing is written there.
  ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk("c.lnk"), L"C:\\scrubwell-no-such-folder\\x.exe"));

  BrokenShortcutTest t;
  EXPECT_TRUE(t.isBroken(lnk("never.lnk")));
  EXPECT_TRUE(t.isBroken(lnk("gone.lnk")));
  EXPECT_TRUE(t.isBroken(lnk("old.pif")));
  EXPECT_TRUE(t.isBroken(lnk("c.lnk")));
}

TEST_F(BrokenShortcut, FileAndFolderTargets) {
  ASSERT_TRUE(test::writeFile(folder_ / "app.exe", "MZ"));
  ASSERT_TRUE(test::makeFolders(folder_ / "docs"));
  ASSERT_TRUE(test::makeFolders(folder_ / "old docs"));
  ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk("file.lnk"), inFolder("app.exe")));
  ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk("folder.lnk"), inFolder("docs")));
  ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk("gone folder.lnk"), inFolder("old docs")));
  ASSERT_TRUE(RemoveDirectoryA((folder_ / "old docs").c_str()));
  // The file is missing because a folder on its way is: the path, not the file, is not found.
  ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk("deep.lnk"), inFolder("no folder\\sub\\x.exe")));
  ASSERT_EQ(attributesError(inFolder("no folder\\sub\\x.exe")), DWORD{ERROR_PATH_NOT_FOUND});

  BrokenShortcutTest t;
  EXPECT_FALSE(t.isBroken(lnk("file.lnk")));
  EXPECT_FALSE(t.isBroken(lnk("folder.lnk")));
  EXPECT_TRUE(t.isBroken(lnk("gone folder.lnk")));
  EXPECT_TRUE(t.isBroken(lnk("deep.lnk")));
}

TEST_F(BrokenShortcut, NamesInTheAnsiCodePage) {
  // The scan passes ANSI paths; the target comes back in UTF-16. "\x80" is the euro sign in code
  // page 1252 (U+20AC): widening the shortcut's name byte by byte would make it U+0080 and miss
  // the shortcut; narrowing the target character by character would make its euro sign the byte
  // 0xAC and miss the target.
  if (GetACP() != 1252) GTEST_SKIP() << "needs the ANSI code page 1252, this is " << GetACP();
  const std::wstring target = inFolder("") +
                              L"Gr\x00F6\x00DF"
                              L"e \x20AC.exe";  // "Größe €.exe"
  ASSERT_TRUE(createWideFile(target));
  ASSERT_NO_FATAL_FAILURE(writeShortcut(inFolder("") + L"Preis \x20AC.lnk", target));

  BrokenShortcutTest t;
  EXPECT_FALSE(t.isBroken(lnk("Preis \x80.lnk")));
  ASSERT_TRUE(DeleteFileW(target.c_str()));
  EXPECT_TRUE(t.isBroken(lnk("Preis \x80.lnk")));
}

TEST_F(BrokenShortcut, TargetNamedOutsideTheAnsiCodePage) {
  // Cyrillic and Chinese: no ANSI code page holds both, so only the wide path names the file.
  const std::wstring target =
      inFolder("") + L"\x041E\x0442\x0447\x0451\x0442 \x6587\x4EF6.exe";  // "Отчёт 文件.exe"
  ASSERT_TRUE(createWideFile(target));
  ComPtr<IShellLinkW> link = newShellLink();
  ASSERT_TRUE(link);
  ASSERT_EQ(link->SetPath(target.c_str()), S_OK);
  ASSERT_EQ(saveShortcut(link.get(), wlnk("report.lnk")), S_OK);
  const std::wstring read = readShortcutTarget(wlnk("report.lnk"));

  BrokenShortcutTest t;
  if (read == target) {
    EXPECT_FALSE(t.isBroken(lnk("report.lnk")));
    ASSERT_TRUE(DeleteFileW(target.c_str()));
    EXPECT_TRUE(t.isBroken(lnk("report.lnk")));
    return;
  }
  // Wine's shell link object keeps only the ANSI form of a target's path in the file ("?" for
  // each character the code page lacks) and reads only that form back. Such a target names no
  // file, so the shortcut must never count as broken, whether its target is there or not.
  ASSERT_NE(read.find(L'?'), std::wstring::npos) << testing::PrintToString(read);
  EXPECT_FALSE(t.isBroken(lnk("report.lnk")));
  ASSERT_TRUE(DeleteFileW(target.c_str()));
  EXPECT_FALSE(t.isBroken(lnk("report.lnk")));
  GTEST_SKIP() << "this shell link object reads the target back as " << testing::PrintToString(read)
               << ", so a missing target cannot be told here";
}

TEST_F(BrokenShortcut, TargetTheFileSystemCannotJudgeIsNotBroken) {
  // Wildcards and "<" are no legal name: the file system says "bad name", not "not found", and
  // that is no proof the target is gone.
  ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk("wild.lnk"), inFolder("a?b.exe")));
  ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk("angle.lnk"), inFolder("a<b.exe")));
  for (const char* name : {"a?b.exe", "a<b.exe"}) {
    DWORD error = attributesError(inFolder(name));
    ASSERT_NE(error, 0u) << name;
    ASSERT_NE(error, DWORD{ERROR_FILE_NOT_FOUND}) << name;
    ASSERT_NE(error, DWORD{ERROR_PATH_NOT_FOUND}) << name;
  }

  BrokenShortcutTest t;
  EXPECT_FALSE(t.isBroken(lnk("wild.lnk")));
  EXPECT_FALSE(t.isBroken(lnk("angle.lnk")));
}

TEST_F(BrokenShortcut, NoTargetPathIsNotBroken) {
  // A shortcut to "My Computer" carries an item list and no file system path.
  ComPtr<IShellLinkW> link = newShellLink();
  ASSERT_TRUE(link);
  LPITEMIDLIST drives = nullptr;
  ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &drives), S_OK);
  HRESULT hr = link->SetIDList(drives);
  CoTaskMemFree(drives);
  ASSERT_EQ(hr, S_OK);
  ASSERT_EQ(saveShortcut(link.get(), wlnk("computer.lnk")), S_OK);
  ASSERT_TRUE(test::fileExists(lnk("computer.lnk")));
  ASSERT_EQ(readShortcutTarget(wlnk("computer.lnk")), L"");
  // A folder that carries a shortcut's name is no shortcut file.
  ASSERT_TRUE(test::makeFolders(lnk("folder.lnk")));

  BrokenShortcutTest t;
  EXPECT_FALSE(t.isBroken(lnk("computer.lnk")));
  EXPECT_FALSE(t.isBroken(lnk("folder.lnk")));
  EXPECT_FALSE(t.isBroken(lnk("no such shortcut.lnk")));
  EXPECT_FALSE(t.isBroken(folder_ / "no such folder\\x.lnk"));
  EXPECT_FALSE(t.isBroken(""));
}

// --- Which drive the target is on ----------------------------------------------------------

TEST_F(BrokenShortcut, OnlyTargetsOnFixedDisksAreJudged) {
  ASSERT_EQ(GetDriveTypeA("D:\\"), UINT{DRIVE_FIXED});
  ASSERT_EQ(GetDriveTypeA("E:\\"), UINT{DRIVE_REMOVABLE});
  ASSERT_EQ(GetDriveTypeA("N:\\"), UINT{DRIVE_REMOTE});
  ASSERT_EQ(GetDriveTypeA("Q:\\"), UINT{DRIVE_CDROM});
  ASSERT_EQ(GetDriveTypeA("W:\\"), UINT{DRIVE_NO_ROOT_DIR});
  // On E:, N: and Q: the target's folder exists and the file is really missing, exactly as on D:;
  // only the drive's type keeps those shortcuts from counting as broken.
  ScratchFolder removable('E', "lnk"), network('N', "lnk"), cdrom('Q', "lnk");
  struct Case {
    const char* shortcut;
    std::wstring target;
    bool broken;
  };
  const std::vector<Case> cases = {
      {"fixed.lnk", wide(folder_ / "gone.exe"), true},
      {"floppy.lnk", wide(removable / "gone.exe"), false},
      {"network.lnk", wide(network / "gone.exe"), false},
      {"cdrom.lnk", wide(cdrom / "gone.exe"), false},
      {"drive a.lnk", L"A:\\setup\\gone.exe", false},
      {"no drive.lnk", L"W:\\gone\\gone.exe", false},
      {"unc.lnk", L"\\\\server\\share\\x.exe", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shortcut);
    ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk(c.shortcut), c.target));
    if (c.target[1] == L':' && c.target[0] != L'A' && c.target[0] != L'W') {
      ASSERT_EQ(attributesError(c.target), DWORD{ERROR_FILE_NOT_FOUND});
    }
  }

  BrokenShortcutTest t;
  for (const Case& c : cases) EXPECT_EQ(t.isBroken(lnk(c.shortcut)), c.broken) << c.shortcut;
}

TEST_F(BrokenShortcut, DriveAIsNeverJudgedEvenAsAFixedDisk) {
  // A: is the floppy drive by tradition, whatever it is now. The run scan_shortcut_tests_drive_a
  // makes A: a fixed disk, so only the letter can keep this shortcut from counting as broken.
  if (GetDriveTypeA("A:\\") != DRIVE_FIXED) GTEST_SKIP() << "needs A: as a fixed disk";
  ScratchFolder onA('A', "lnk");
  const std::wstring upper = wide(onA / "gone.exe");
  std::wstring lower = upper;
  lower[0] = L'a';
  ASSERT_EQ(attributesError(upper), DWORD{ERROR_FILE_NOT_FOUND});
  ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk("upper.lnk"), upper));
  ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk("lower.lnk"), lower));
  ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk("on d.lnk"), inFolder("gone.exe")));

  BrokenShortcutTest t;
  EXPECT_FALSE(t.isBroken(lnk("upper.lnk")));
  EXPECT_FALSE(t.isBroken(lnk("lower.lnk")));
  EXPECT_TRUE(t.isBroken(lnk("on d.lnk")));
}

// --- Files the shell link object cannot read ----------------------------------------------

std::string patternBytes(const std::string& scratchFile, uint64_t size, uint32_t seed) {
  if (!test::writePatternFile(scratchFile, size, seed)) return {};
  std::string bytes = test::readFile(scratchFile);
  DeleteFileA(scratchFile.c_str());
  return bytes;
}

TEST_F(BrokenShortcut, UnreadableFilesAreNotBrokenAndTheObjectKeepsWorking) {
  ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk("good.lnk"), inFolder("gone.exe")));
  const std::string good = test::readFile(lnk("good.lnk"));
  ASSERT_GT(good.size(), 200u);
  const size_t header = 76;  // the fixed header; its flags promise an item list and more
  struct Case {
    std::string name;
    std::string bytes;
  };
  std::vector<Case> cases = {
      {"empty.lnk", ""},
      {"cut 1.lnk", good.substr(0, 1)},
      {"cut 4.lnk", good.substr(0, 4)},
      {"cut in header.lnk", good.substr(0, header - 1)},
      {"cut after header.lnk", good.substr(0, header)},
      {"cut in item list.lnk", good.substr(0, header + 10)},
      {"cut in half.lnk", good.substr(0, good.size() / 2)},
      {"cut in last block.lnk", good.substr(0, good.size() - 8)},
      {"random.lnk", patternBytes(lnk("tmp"), 512, 11)},
      // A short tail: the lengths read from garbage run past the end at once. (A long tail may
      // hold a length of gigabytes, which the loader under 64-bit Wine allocates before it
      // fails, taking half a minute.)
      {"header and garbage.lnk", good.substr(0, header) + patternBytes(lnk("tmp"), 64, 3)},
      {"huge.lnk", patternBytes(lnk("tmp"), 4u << 20, 5)},
  };
  for (const Case& c : cases) ASSERT_TRUE(test::writeFile(lnk(c.name), c.bytes)) << c.name;
  ASSERT_EQ(test::readFile(lnk("huge.lnk")).size(), size_t{4} << 20);

  BrokenShortcutTest t;
  for (const Case& c : cases) {
    // Each bad file right after a good one: the object then still holds the good one's target,
    // which must not be taken for the bad file's.
    EXPECT_TRUE(t.isBroken(lnk("good.lnk"))) << "before " << c.name;
    EXPECT_FALSE(t.isBroken(lnk(c.name))) << c.name;
  }
  EXPECT_TRUE(t.isBroken(lnk("good.lnk")));
}

// --- One object for a whole scan ----------------------------------------------------------

TEST_F(BrokenShortcut, OneObjectAnswersAsAFreshObjectPerFile) {
  ScratchFolder network('N', "lnk"), cdrom('Q', "lnk");
  ASSERT_TRUE(test::writeFile(folder_ / "app.exe", "MZ"));
  ASSERT_TRUE(test::makeFolders(folder_ / "docs"));
  const std::wstring accented = inFolder("") + L"Caf\x00E9 \x20AC.txt";
  ASSERT_TRUE(createWideFile(accented));
  ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk("broken.lnk"), inFolder("gone.exe")));
  ASSERT_NO_FATAL_FAILURE(writeShortcutThenRemoveTarget(wlnk("removed.lnk"), inFolder("tool.exe")));
  ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk("file.lnk"), inFolder("app.exe")));
  ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk("folder.lnk"), inFolder("docs")));
  ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk("missing folder.lnk"), inFolder("old\\")));
  ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk("old.pif"), inFolder("gone.com")));
  ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk("network.lnk"), wide(network / "gone.exe")));
  ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk("cdrom.lnk"), wide(cdrom / "gone.exe")));
  ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk("unc.lnk"), L"\\\\server\\share\\x.exe"));
  ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk("drive a.lnk"), L"A:\\gone.exe"));
  ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk("bad name.lnk"), inFolder("a?b.exe")));
  ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk("accented.lnk"), accented));
  ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk("on c.lnk"), L"C:\\scrubwell-no-such-folder\\x"));
  {
    ComPtr<IShellLinkW> link = newShellLink();
    LPITEMIDLIST drives = nullptr;
    ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &drives), S_OK);
    link->SetIDList(drives);
    CoTaskMemFree(drives);
    ASSERT_EQ(saveShortcut(link.get(), wlnk("computer.lnk")), S_OK);
  }
  const std::string good = test::readFile(lnk("broken.lnk"));
  ASSERT_TRUE(test::writeFile(lnk("empty.lnk"), ""));
  ASSERT_TRUE(test::writeFile(lnk("cut.lnk"), good.substr(0, good.size() / 3)));
  ASSERT_TRUE(test::writeFile(lnk("junk.lnk"), patternBytes(lnk("tmp"), 300, 9)));

  // Mixed so that every kind follows a broken one and the other way round; some come twice.
  const std::vector<std::pair<std::string, bool>> files = {
      {"broken.lnk", true},         {"computer.lnk", false}, {"removed.lnk", true},
      {"empty.lnk", false},         {"old.pif", true},       {"file.lnk", false},
      {"missing folder.lnk", true}, {"network.lnk", false},  {"broken.lnk", true},
      {"cut.lnk", false},           {"on c.lnk", true},      {"cdrom.lnk", false},
      {"removed.lnk", true},        {"unc.lnk", false},      {"broken.lnk", true},
      {"absent.lnk", false},        {"old.pif", true},       {"drive a.lnk", false},
      {"removed.lnk", true},        {"bad name.lnk", false}, {"broken.lnk", true},
      {"accented.lnk", false},      {"old.pif", true},       {"junk.lnk", false},
      {"broken.lnk", true},         {"folder.lnk", false},   {"file.lnk", false},
  };
  std::vector<bool> expected, shared, fresh;
  BrokenShortcutTest one;
  for (const auto& [name, broken] : files) {
    expected.push_back(broken);
    shared.push_back(one.isBroken(lnk(name)));
    fresh.push_back(BrokenShortcutTest().isBroken(lnk(name)));
  }
  EXPECT_EQ(shared, fresh);
  EXPECT_EQ(shared, expected);
}

// --- COM on the calling thread ------------------------------------------------------------

// What a thread saw: the answer for a broken shortcut, how COM stood while the test object lived
// (an attempt to join the multithreaded apartment) and after it was gone (the same attempt).
struct ThreadRun {
  bool broken = false;
  HRESULT duringLife = E_UNEXPECTED;
  HRESULT afterLife = E_UNEXPECTED;
};

// Runs a test object on a new thread that has first initialised COM as `before` (-1: not at all).
ThreadRun runOnThread(const std::string& shortcut, int before) {
  ThreadRun run;
  std::thread([&] {
    HRESULT own = before < 0 ? E_FAIL : CoInitializeEx(nullptr, static_cast<DWORD>(before));
    {
      BrokenShortcutTest t;
      run.broken = t.isBroken(shortcut);
      run.duringLife = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
      if (SUCCEEDED(run.duringLife)) CoUninitialize();
    }
    run.afterLife = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (SUCCEEDED(run.afterLife)) CoUninitialize();
    if (SUCCEEDED(own)) CoUninitialize();
  }).join();
  return run;
}

TEST_F(BrokenShortcut, ComIsStartedWhereMissingAndEndedOnlyWhereStarted) {
  ASSERT_NO_FATAL_FAILURE(writeShortcut(wlnk("broken.lnk"), inFolder("gone.exe")));

  // No COM yet: the object starts an apartment-threaded one and ends it when it goes.
  ThreadRun bare = runOnThread(lnk("broken.lnk"), -1);
  EXPECT_TRUE(bare.broken);
  EXPECT_EQ(bare.duringLife, RPC_E_CHANGED_MODE);
  EXPECT_EQ(bare.afterLife, S_OK);

  // An apartment the thread made itself outlives the object.
  ThreadRun apartment = runOnThread(lnk("broken.lnk"), COINIT_APARTMENTTHREADED);
  EXPECT_TRUE(apartment.broken);
  EXPECT_EQ(apartment.duringLife, RPC_E_CHANGED_MODE);
  EXPECT_EQ(apartment.afterLife, RPC_E_CHANGED_MODE);

  // So does a multithreaded one, which the object cannot turn into an apartment.
  ThreadRun multi = runOnThread(lnk("broken.lnk"), COINIT_MULTITHREADED);
  EXPECT_TRUE(multi.broken);
  EXPECT_EQ(multi.duringLife, S_FALSE);
  EXPECT_EQ(multi.afterLife, S_FALSE);
}

}  // namespace

// The combined walk on the test drives: one walk lists what the single scans list together, each
// path once, and a cancel keeps what was found.
#include "scan/combined_walk.h"

#include <gtest/gtest.h>

#include <map>

#include "scan/cancel_flag.h"
#include "scan/system_result_list.h"
#include "scan/temporary_folders.h"
#include "scan/windows_copies.h"
#include "support/scratch.h"
#include "support/shortcuts.h"
#include "walk_support.h"

using namespace scrubwell;
using namespace scrubwell::test;

namespace {

constexpr CleanupId kWalkScans[] = {CleanupId::junkSearch, CleanupId::brokenShortcuts,
                                    CleanupId::zeroByteFiles, CleanupId::temporaryFolder,
                                    CleanupId::duplicateFiles};

// Path -> mark of every entry on the walked drives D: and N:.
std::map<std::string, bool> entriesOnWalkedDrives(const ResultList& list) {
  std::map<std::string, bool> out;
  for (size_t i = 0; i < list.size(); ++i) {
    const char drive = list.path(i)[0];
    if (drive == 'D' || drive == 'N') out[list.path(i)] = list.isMarked(i);
  }
  return out;
}

DriveScanInputs inputsFor(const std::string& backupFolder) {
  return {{"D:\\", "N:\\"}, {"*.tmp", "*.bak", "*.~*"}, defaultSearchExceptions(), backupFolder};
}

// Clutter for every scan of the combined walk under `d`, with TEMP pointing into it.
void makeClutter(const ScratchFolder& d, const ScratchFolder& n) {
  const std::string gone = d / "gone.exe";
  for (const char* link : {"links\\broken.lnk", "hidden\\broken.lnk"})
    ASSERT_TRUE(makeFolders(d / "links") && makeFolders(d / "hidden") &&
                writeShortcut(wide(d / link), wide(gone)));
  ASSERT_TRUE(writeShortcut(wide(n / "broken on network.lnk"), wide(gone)));
  // Found by the junk masks, the zero-byte scan and the temp scan alike.
  ASSERT_TRUE(writeFile(d / "Temp\\x.tmp", ""));
  ASSERT_TRUE(writeFile(d / "Temp\\sub\\kept by nobody else.dat", "data"));
  // Left unmarked by the zero-byte scan, marked by the temp scan: marked once.
  ASSERT_TRUE(writeFile(d / "Temp\\empty.dat", ""));
  ASSERT_TRUE(writeFile(d / "Temp\\Temporary Internet Files\\cached.htm", "page"));
  // Zero-byte: an unmarked one, and one in a hidden folder the zero-byte scan does not enter
  // but the junk search does.
  ASSERT_TRUE(writeFile(d / "pkg\\__init__.py", ""));
  ASSERT_TRUE(writeFile(d / "hidden\\empty.bak", ""));
  ASSERT_TRUE(writeFile(d / "hidden\\empty.dat", ""));
  SetFileAttributesA((d / "hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
  ASSERT_TRUE(writeFile(n / "empty on network.log", ""));
  ASSERT_TRUE(writeFile(d / "docs\\old.bak", "backup copy"));
  // A duplicate of a Windows DLL, and the same beside an installation source.
  WindowsCopies copies = WindowsCopies::ofSystem();
  const OpenedFileFacts* kernel = copies.factsOf("kernel32.dll");
  ASSERT_TRUE(kernel);
  ASSERT_TRUE(makeFolders(d / "tools") && makeFolders(d / "setup"));
  ASSERT_TRUE(makeSparseFile(d / "tools\\kernel32.dll", kernel->size));
  ASSERT_TRUE(makeSparseFile(d / "setup\\kernel32.dll", kernel->size));
  ASSERT_TRUE(writeFile(d / "setup\\setup.exe", "x"));
}

}  // namespace

TEST(CombinedWalk, ListsTheUnionOfTheSingleScansEachPathOnce) {
  ComScope com;
  ScratchFolder d('D', "multi");
  ScratchFolder n('N', "multi");
  ASSERT_NO_FATAL_FAILURE(makeClutter(d, n));
  EnvironmentVariable temp("TEMP", d / "Temp");
  const DriveScanInputs in = inputsFor(d / "BACKUP");

  // The single scans one by one, each path kept once, marked when any scan marks it.
  std::map<std::string, bool> union_;
  for (CleanupId id : kWalkScans) {
    ResultList single = makeSystemResultList();
    ProcessFlag cancel;
    driveScanOf(id)(in, single, cancel, nullptr);
    for (const auto& [path, marked] : entriesOnWalkedDrives(single)) union_[path] |= marked;
  }

  ResultList combined = makeSystemResultList();
  ProcessFlag cancel;
  const std::vector<CleanupId> all(std::begin(kWalkScans), std::end(kWalkScans));
  const CombinedWalkOutcome outcome = runCombinedWalk(all, in, combined, cancel, nullptr, 0);
  EXPECT_FALSE(outcome.cancelled);
  EXPECT_EQ(entriesOnWalkedDrives(combined), union_);
  EXPECT_EQ(combined.rowCount(), combined.size());

  // What each rule contributes, so an empty union cannot pass.
  const std::map<std::string, bool> expected = {
      {d / "Temp\\x.tmp", true},         {d / "Temp\\sub\\kept by nobody else.dat", true},
      {d / "Temp\\empty.dat", true},     {d / "pkg\\__init__.py", false},
      {d / "hidden\\empty.bak", true},   {d / "hidden\\broken.lnk", true},
      {d / "links\\broken.lnk", true},   {d / "docs\\old.bak", true},
      {d / "tools\\kernel32.dll", true}, {n / "empty on network.log", true},
  };
  std::map<std::string, bool> inTree;
  for (const auto& [path, marked] : entriesOnWalkedDrives(combined))
    if (path.rfind(d.path(), 0) == 0 || path.rfind(n.path(), 0) == 0) inTree[path] = marked;
  EXPECT_EQ(inTree, expected);
}

TEST(CombinedWalk, NothingIsAddedTwiceAndACancelKeepsWhatWasFound) {
  ScratchFolder d('D', "multi");
  for (int i = 0; i < 40; ++i)
    ASSERT_TRUE(writeFile(d / ("f" + std::to_string(i) + "\\a.tmp"), ""));
  const DriveScanInputs in = inputsFor({});
  const std::vector<CleanupId> scans = {CleanupId::junkSearch, CleanupId::zeroByteFiles,
                                        CleanupId::junkSearch};

  ResultList list = makeSystemResultList();
  list.add(d / "f0\\a.tmp", 0, false);  // already listed: stays once, with its own mark
  ProcessFlag cancel;
  runCombinedWalk(scans, in, list, cancel, nullptr, 0);
  EXPECT_EQ(entriesOnWalkedDrives(list).size(), 40u);
  EXPECT_FALSE(entriesOnWalkedDrives(list).at(d / "f0\\a.tmp"));

  // Cancelled in the tree's tenth folder: what was found stays, and the flag is clear for the
  // next run.
  ResultList partial = makeSystemResultList();
  RecordingProgress progress;
  progress.onShow = [&] {
    if (progress.folders.back() == d / "f17\\") cancel.set();
  };
  const CombinedWalkOutcome outcome = runCombinedWalk(scans, in, partial, cancel, &progress, 0);
  EXPECT_TRUE(outcome.cancelled);
  EXPECT_FALSE(cancel.isSet());
  EXPECT_GT(partial.size(), 0u);
  EXPECT_LT(entriesOnWalkedDrives(partial).size(), 40u);
  EXPECT_EQ(partial.rowCount(), partial.size());
}

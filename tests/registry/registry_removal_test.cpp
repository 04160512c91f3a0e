// The removal's order and its bad inputs: nothing is deleted whose export failed or whose point
// was not written, a stale export is never taken over, and a restore imports only what it
// brought back itself.
#include <gtest/gtest.h>

#include "backup/my_backup.h"
#include "backup/point_restore.h"
#include "registry/registry_removal.h"
#include "registry_test_support.h"
#include "support/registry_override.h"

namespace scrubwell {
namespace {

using test::dumpRegistryTree;
using test::setRegRaw;
using test::wideBytes;

const std::string kKey = "Software\\ZzRemoval";

struct Removal : test::RegistryRemovalSandbox {
  std::string exportPath = dir / "export.reg";
  Removal() {
    test::deleteRegTree(HKEY_LOCAL_MACHINE, kKey);
    test::deleteRegTree(HKEY_LOCAL_MACHINE, "Software\\ZzStale");
    setRegRaw(HKEY_LOCAL_MACHINE, kKey + "\\a", L"v", REG_SZ, wideBytes(L"1"));
    setRegRaw(HKEY_LOCAL_MACHINE, kKey + "\\b", L"v", REG_SZ, wideBytes(L"2"));
    setRegRaw(HKEY_LOCAL_MACHINE, kKey + "\\values", L"keep", REG_DWORD, std::string(4, '\1'));
    setRegRaw(HKEY_LOCAL_MACHINE, kKey + "\\values", L"go", REG_DWORD, std::string(4, '\2'));
  }
  ~Removal() { test::deleteRegTree(HKEY_LOCAL_MACHINE, kKey); }
  std::vector<RegistryRemovalItem> items() {
    return {{"a", {{HKEY_LOCAL_MACHINE, kKey + "\\a", "", true, true}}},
            {"b", {{HKEY_LOCAL_MACHINE, kKey + "\\b", "", true, true}}},
            {"value", {{HKEY_LOCAL_MACHINE, kKey + "\\values", "go", false, true}}}};
  }
  RegistryRemovalOutcome run() {
    return removeRegistryItems(items(), 0, settings, exportPath, parts);
  }
  bool untouched() {
    return test::regKeyExists(HKEY_LOCAL_MACHINE, kKey + "\\a") &&
           test::regKeyExists(HKEY_LOCAL_MACHINE, kKey + "\\b") &&
           test::regValueExists(HKEY_LOCAL_MACHINE, kKey + "\\values", "go");
  }
};

TEST(RegistryRemoval, AValueFindingExportsItsKeyLineAndTheOneValue) {
  Removal r;
  r.settings.backupOption = false;
  ASSERT_EQ(r.run().end, RegistryRemovalEnd::done);
  EXPECT_FALSE(test::regValueExists(HKEY_LOCAL_MACHINE, kKey + "\\values", "go"));
  EXPECT_TRUE(test::regValueExists(HKEY_LOCAL_MACHINE, kKey + "\\values", "keep"));
  EXPECT_FALSE(test::regKeyExists(HKEY_LOCAL_MACHINE, kKey + "\\a"));
  EXPECT_FALSE(test::fileExists(r.exportPath));
  EXPECT_TRUE(r.reported("Entry b - removed"));
}

TEST(RegistryRemoval, AFolderWhereTheExportGoesStopsEverything) {
  Removal r;
  ASSERT_TRUE(test::makeFolders(r.exportPath));
  const auto outcome = r.run();
  EXPECT_EQ(outcome.end, RegistryRemovalEnd::exportFailed);
  EXPECT_TRUE(r.untouched());
  EXPECT_EQ(outcome.counts.unremovable, 3);
  EXPECT_TRUE(r.reported("Entry a - not exported, kept"));
  EXPECT_TRUE(test::folderExists(r.exportPath)) << "the folder is left alone";
}

TEST(RegistryRemoval, ABackupFolderThatCannotBeWrittenDeletesNothingAndKeepsTheExport) {
  Removal r;
  test::writeFile(r.dir / "file", "x");
  r.settings.backupFolder = r.dir / "file\\BACKUP\\";
  const auto outcome = r.run();
  EXPECT_EQ(outcome.end, RegistryRemovalEnd::pointNotWritten);
  EXPECT_TRUE(r.untouched());
  const std::string kept = test::readFile(r.exportPath);
  EXPECT_EQ(kept.rfind("REGEDIT4\r\n", 0), 0u);
  EXPECT_NE(kept.find("\"go\"=dword:02020202"), std::string::npos) << kept;
  EXPECT_EQ(kept.find("keep"), std::string::npos) << "only the removed value of that key";
  EXPECT_TRUE(r.reported("point failed: " + r.exportPath));
}

TEST(RegistryRemoval, EntriesTheRegistryEditorCouldNotGiveBackExactlyStay) {
  Removal r;
  // A value name without an ANSI spelling, and a multi-string of an odd number of bytes (the
  // import would give back whole characters ended by a NUL).
  setRegRaw(HKEY_LOCAL_MACHINE, kKey + "\\b", L"\x0416", REG_SZ, wideBytes(L"x"));
  setRegRaw(HKEY_LOCAL_MACHINE, kKey + "\\a\\deep", L"cut", REG_MULTI_SZ,
            std::string("a\0b\0\0\0x", 7));
  ASSERT_NE(test::dumpRegistryTree(HKEY_LOCAL_MACHINE, kKey + "\\a\\deep").find("type=7 size=7 "),
            std::string::npos)
      << test::dumpRegistryTree(HKEY_LOCAL_MACHINE, kKey + "\\a");
  const auto outcome = r.run();
  ASSERT_EQ(outcome.end, RegistryRemovalEnd::done);
  EXPECT_FALSE(test::regValueExists(HKEY_LOCAL_MACHINE, kKey + "\\values", "go"));
  EXPECT_TRUE(test::regKeyExists(HKEY_LOCAL_MACHINE, kKey + "\\a\\deep"));
  EXPECT_TRUE(test::regKeyExists(HKEY_LOCAL_MACHINE, kKey + "\\b"));
  EXPECT_EQ(outcome.counts.removed, 1);
  EXPECT_EQ(outcome.counts.unremovable, 2);
  EXPECT_TRUE(r.reported("Entry a - not exported, kept"));
  EXPECT_TRUE(r.reported("Entry b - not exported, kept"));
}

TEST(RegistryRemoval, AStaleExportIsNeitherStoredNorImported) {
  Removal r;
  const std::string stale =
      "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\ZzStale]\r\n\"x\"=\"y\"\r\n";
  ASSERT_TRUE(test::writeFile(kRegistryExportFile, stale));
  ASSERT_EQ(removeRegistryItems(r.items(), 0, r.settings, kRegistryExportFile, r.parts).end,
            RegistryRemovalEnd::done);
  EXPECT_FALSE(test::regKeyExists(HKEY_LOCAL_MACHINE, kKey + "\\a"));

  // A restore of a point without the export imports nothing, even with a file at that path.
  ASSERT_TRUE(test::writeFile(kRegistryExportFile, stale));
  MyBackup other;
  test::writeFile(r.dir / "plain.txt", "p");
  other.AddFile(r.dir / "plain.txt");
  ASSERT_TRUE(other.CreatePoint(r.dir / "BACKUP\\2.bck"));
  EXPECT_EQ(restoreFromPoint(r.dir / "BACKUP\\2.bck", {r.dir / "plain.txt"}, r.windows.backup),
            RegistryImport::none);

  EXPECT_EQ(restoreFromPoint(r.dir / "BACKUP\\1.bck", {kRegistryExportFile}, r.windows.backup),
            RegistryImport::imported);
  EXPECT_TRUE(r.untouched()) << "the point's own export came back";
  EXPECT_FALSE(test::regKeyExists(HKEY_LOCAL_MACHINE, "Software\\ZzStale"))
      << "the stale file's text never entered the point";
}

TEST(RegistryRemoval, AFailedImportKeepsTheExportAndSaysSo) {
  Removal r;
  ASSERT_EQ(removeRegistryItems(r.items(), 0, r.settings, kRegistryExportFile, r.parts).end,
            RegistryRemovalEnd::done);
  r.seams.launcher.passThrough = nullptr;
  r.seams.launcher.exitCode = 1;
  EXPECT_EQ(restoreFromPoint(r.dir / "BACKUP\\1.bck", {kRegistryExportFile}, r.windows.backup),
            RegistryImport::failed);
  EXPECT_TRUE(test::fileExists(kRegistryExportFile));
  DeleteFileA(kRegistryExportFile);
}

}  // namespace
}  // namespace scrubwell

// A drive that fills up while a removal writes its backup point, or while a restore writes the
// files back: nothing is deleted, no remains are left, the user is told, and no file is left cut.
#include <gtest/gtest.h>

#include "backup/my_backup.h"
#include "base/file_ops.h"
#include "platform/find.h"
#include "scan/removal.h"
#include "scan/removal_sandbox.h"
#include "scan/system_result_list.h"

using namespace scrubwell;

namespace {

const char* const kTexts =
    "[0]\r\nENGLISH\r\n[1]\r\nScrubwell\r\n[149]\r\nFile\r\n[150]\r\n - removed with backup\r\n"
    "[157]\r\nStatus report\r\n[158]\r\nProcessed:\r\n[160]\r\n - not removed\r\n[END]\r\n";

std::vector<std::string> namesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (FindFiles f(folder + "*", 63); f.next();)
    if (!f.isDots()) names.push_back(f.name());
  return names;
}

}  // namespace

TEST(FullDrive, ABackupThatRunsOutOfRoomDeletesNothingAndLeavesNoRemains) {
  for (int64_t room : {0, 3000, 100000, 400000}) {
    test::RemovalSandbox box(kTexts);
    ResultList list = makeSystemResultList();
    for (int i = 0; i < 30; ++i) {
      const std::string f = box.dir / ("f" + std::to_string(i) + ".tmp");
      ASSERT_TRUE(test::writePatternFile(f, 20000, static_cast<uint32_t>(i)));
      list.add(f);
    }
    list.rebuildRows(systemFileSize);
    list.markEverything(true);
    RemovalOutcome o;
    {
      test::FullDrive drive(room);
      o = removeMarkedEntries(list, box.settings, box.parts);
    }
    EXPECT_EQ(o.end, RemovalEnd::stoppedBeforeDeleting) << room;
    for (int i = 0; i < 30; ++i)
      EXPECT_TRUE(fileExists(box.dir / ("f" + std::to_string(i) + ".tmp"))) << room;
    EXPECT_EQ(namesIn(box.settings.backupFolder), std::vector<std::string>{}) << room;
    EXPECT_EQ(box.seams.prompts.countOf("message"), 1) << "the user is told; room " << room;
    EXPECT_EQ(list.size(), 30u) << "the list keeps its entries";
  }
}

TEST(FullDrive, ARestoreThatRunsOutOfRoomLeavesNoCutFile) {
  test::RemovalSandbox box(kTexts);
  const std::string kept = box.dir / "kept.dat", gone = box.dir / "gone.dat";
  ASSERT_TRUE(test::writePatternFile(kept, 200000, 1));
  ASSERT_TRUE(test::writePatternFile(gone, 200000, 2));
  const std::string keptBefore = test::readFile(kept);
  MyBackup backup;
  backup.AddFile(gone);
  backup.AddFile(kept);
  ASSERT_TRUE(test::makeFolders(box.settings.backupFolder));
  const std::string point = box.settings.backupFolder + "1.bck";
  ASSERT_TRUE(backup.CreatePoint(point));
  ASSERT_TRUE(DeleteFileA(gone.c_str()));
  ASSERT_TRUE(test::writeFile(kept, "changed since"));

  for (int64_t room : {0, 100000, 300000}) {
    MyBackup restore;
    restore.AddRestoreFile(gone);
    restore.AddRestoreFile(kept);
    bool restored = true;
    {
      test::FullDrive drive(room);
      restored = restore.RestorePoint(point);
    }
    EXPECT_FALSE(restored) << room;
    EXPECT_TRUE(!fileExists(gone) || test::readFile(gone).size() == 200000) << room;
    const std::string now = test::readFile(kept);
    EXPECT_TRUE(now == "changed since" || now == keptBefore) << room;
    for (const auto& name : namesIn(box.dir.path()))
      EXPECT_EQ(name.find(".~"), std::string::npos) << name << " left behind; room " << room;
    DeleteFileA(gone.c_str());
    ASSERT_TRUE(test::writeFile(kept, "changed since"));
  }
}

// Archives spanned over several files: x.bck continues in x.002, x.003, each continuation starts
// with a data run, the disk prompts count from 2, the set restores whole, and a backup stopped at
// a disk prompt or with a MaxSize too small ends in order.
#include <gtest/gtest.h>

#include "archive_layout.h"
#include "backup_fixture.h"
#include "backup_test_data.h"

using namespace scrubwell;
using namespace scrubwell::test;

namespace {
const int32_t kMaxSize = 40000;
}

class SpannedBackupTest : public BackupFileTest {
 protected:
  void SetUp() override {
    // Noise does not compress, so three files of 50000 bytes need several archive files.
    for (int i = 0; i < 3; ++i)
      ASSERT_TRUE(writeFile(src / ("n" + std::to_string(i) + ".bin"),
                            asString(randomBytes(50000, 20 + i))));
    ASSERT_TRUE(writeFile(src / "small.txt", "small"));
    archive.MaxSize = kMaxSize;
  }
  std::vector<int> disksAsked;
  void countDisks() {
    archive.OnNeedDisk = [this](TBackupFile&, uint16_t disk, bool&) { disksAsked.push_back(disk); };
  }
};

TEST_F(SpannedBackupTest, ContinuesInNumberedFilesAndRestoresTheWholeSet) {
  countDisks();
  ASSERT_TRUE(archive.Backup({src / "*.*"}, out / "x.bck"));
  ASSERT_GE(disksAsked.size(), 3u);
  for (size_t i = 0; i < disksAsked.size(); ++i) EXPECT_EQ(disksAsked[i], int(i) + 2);
  const int last = disksAsked.back();
  EXPECT_FALSE(fileExists(archive::diskFileName(out / "x.bck", last + 1)));

  for (int disk = 1; disk <= last; ++disk) {
    std::string name = disk == 1 ? out / "x.bck" : archive::diskFileName(out / "x.bck", disk);
    std::string bytes = readFile(name);
    EXPECT_LE(bytes.size(), size_t(kMaxSize)) << name;
    if (disk > 1) {
      EXPECT_EQ(bytes.substr(0, 4), kRunMarkerText) << name;
    }
    if (disk < last) {
      EXPECT_EQ(bytes.substr(bytes.size() - 16),
                std::string("\x0c\0\0\0", 4) + archive::spanRecordName(disk + 1))
          << name << " ends in its spanning record";
    } else {
      EXPECT_EQ(bytes.substr(bytes.size() - 4), std::string(4, '\0')) << "end marker";
    }
  }

  disksAsked.clear();
  ASSERT_TRUE(archive.Restore(out / "x.bck", out / "back"));
  EXPECT_EQ(disksAsked.size(), size_t(last - 1));
  EXPECT_EQ(archive.FilesDone, 4);
  for (const char* f : {"n0.bin", "n1.bin", "n2.bin", "small.txt"}) {
    EXPECT_EQ(readFile(out / "back\\" + f), readFile(src / f)) << f;
    EXPECT_EQ(dateOf(out / "back\\" + f), dateOf(src / f)) << f;
  }
}

TEST_F(SpannedBackupTest, AFileLeftOutSkipsItsContinuation) {
  ASSERT_TRUE(archive.Backup({src / "*.*"}, out / "x.bck"));
  archive.OnRestoreFile = [](TBackupFile&, std::string& name, int32_t, bool& doRestore) {
    doRestore = name.find("n1.bin") == std::string::npos;
  };
  ASSERT_TRUE(archive.Restore(out / "x.bck", out / "back"));
  EXPECT_EQ(archive.FilesDone, 3);
  EXPECT_FALSE(fileExists(out / "back\\n1.bin"));
  EXPECT_EQ(readFile(out / "back\\n2.bin"), readFile(src / "n2.bin"));
}

TEST_F(SpannedBackupTest, WithoutAHandlerTheUserIsAskedForEachDisk) {
  ASSERT_TRUE(archive.Backup({src / "n0.bin"}, out / "x.bck"));
  ASSERT_GE(seams.prompts.countOf("message"), 1);
  EXPECT_EQ(seams.prompts.asked()[0].text, "Please insert disk 2 and click OK to continue.");
  EXPECT_EQ(seams.prompts.asked()[0].flags, UINT(MB_OKCANCEL | MB_ICONINFORMATION));

  // Restoring asks again; the restore of a file cut across disks is whole.
  ASSERT_TRUE(archive.Restore(out / "x.bck", out / "back"));
  EXPECT_EQ(seams.prompts.asked().back().text, "Please insert disk 2 and click OK to continue.");
  EXPECT_EQ(readFile(out / "back\\n0.bin"), readFile(src / "n0.bin"));
}

TEST_F(SpannedBackupTest, CancelAtADiskPromptStopsBackupAndRestore) {
  seams.prompts.answerMessage(IDCANCEL);
  EXPECT_FALSE(archive.Backup({src / "*.*"}, out / "x.bck"));
  EXPECT_EQ(archive.LastError, 0);
  EXPECT_TRUE(errors.empty());
  EXPECT_FALSE(fileExists(out / "x.002"));

  bool asked = false;
  archive.OnNeedDisk = [&](TBackupFile&, uint16_t disk, bool& go) {
    asked = disk == 2;
    go = false;
  };
  EXPECT_FALSE(archive.Restore(out / "x.bck", out / "back"));
  EXPECT_TRUE(asked);
  EXPECT_TRUE(errors.empty()) << "giving up on a disk is a cancel";
}

TEST_F(SpannedBackupTest, AMaxSizeTooSmallForOneBlockIsAnError) {
  countDisks();
  archive.MaxSize = 16000;
  EXPECT_FALSE(archive.Backup({src / "n0.bin"}, out / "x.bck"));
  EXPECT_EQ(archive.LastError, 4);
  EXPECT_EQ(disksAsked, (std::vector<int>{2})) << "the first continuation takes no block";
}

// Sources that change while they are packed — grow, shrink, keep changing, are locked after the
// check — never end up in the archive as a cut file that looks whole: they are packed again from
// the start, or left out, and the file-ID list and header describe what was stored.
#include <functional>

#include "backup_fixture.h"

using namespace scrubwell;
using namespace scrubwell::test;

namespace {

// Runs `change` on the file the first `times` times a block of it has been packed.
void whilePacking(TBackupFile& archive, const std::string& file, int times,
                  std::function<void()> change) {
  auto left = std::make_shared<int>(times);
  archive.OnProgress = [=](TBackupFile&, const std::string& current, TPercentage, bool&) {
    if (current == file && *left > 0) {
      --*left;
      change();
    }
  };
}

bool appendTo(const std::string& path, const std::string& text) {
  HANDLE h = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                         nullptr, OPEN_EXISTING, 0, nullptr);
  DWORD put = 0;
  bool ok = h != INVALID_HANDLE_VALUE &&
            WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &put, nullptr);
  if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  return ok;
}

bool cutTo(const std::string& path, LONG size) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  bool ok = h != INVALID_HANDLE_VALUE &&
            SetFilePointer(h, size, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER &&
            SetEndOfFile(h);
  if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  return ok;
}

class ChangingSourceTest : public BackupFileTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(writePatternFile(src / "a.log", 3 * 16384 + 10, 1));
    ASSERT_TRUE(writeFile(src / "b.txt", "b"));
    archive.SaveFileID = true;
    archive.LeaveOutUnreadable = true;
  }
  // Backs up, deletes the sources, restores, and returns the file-ID lines.
  std::vector<std::string> roundTrip() {
    EXPECT_TRUE(archive.Backup({src / "*.*"}, out / "p.bck"));
    archive.OnProgress = nullptr;
    std::vector<std::string> list;
    std::string title;
    EXPECT_TRUE(archive.ReadArchiveInfo(out / "p.bck", &list, title));
    DeleteFileA((src / "a.log").c_str());
    DeleteFileA((src / "b.txt").c_str());
    EXPECT_TRUE(archive.Restore(out / "p.bck", ""));
    return list;
  }
  std::string lineOf(const std::string& file) {
    return stored(file) + "\t" + std::to_string(dateOf(src / file)) + "=" +
           std::to_string(readFile(src / file).size());
  }
};

}  // namespace

TEST_F(ChangingSourceTest, AFileThatGrowsOrShrinksIsPackedAgainWhole) {
  for (bool grow : {true, false}) {
    SetUp();
    const std::string path = src / "a.log";
    whilePacking(archive, stored("a.log"), 1, [&] {
      if (grow) {
        ASSERT_TRUE(appendTo(path, "and some more"));
      } else {
        ASSERT_TRUE(cutTo(path, 16384 + 5));
      }
    });
    std::vector<std::string> list = roundTrip();
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(archive.LeftOut.empty());
    const size_t size = readFile(path).size();
    EXPECT_EQ(size, grow ? 3 * 16384 + 10 + 13 : 16384 + 5) << "restored whole as it is now";
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0], lineOf("a.log")) << "the list gives the size stored";
    EXPECT_EQ(archive.TotalBytes,
              static_cast<int64_t>(size + 1 + list[0].size() + list[1].size() + 4));
  }
}

// (A file locked before it is packed is left out too: backup_behaviour_test.cpp. Wine does not
// hold reads to byte-range locks, so a lock taken while the file is packed is not tried here.)
TEST_F(ChangingSourceTest, AFileThatKeepsChangingIsLeftOut) {
  const std::string path = src / "a.log";
  whilePacking(archive, stored("a.log"), 100, [&] { ASSERT_TRUE(appendTo(path, "x")); });
  EXPECT_TRUE(archive.Backup({src / "*.*"}, out / "q.bck"));
  archive.OnProgress = nullptr;
  EXPECT_EQ(archive.LeftOut, std::vector<std::string>{stored("a.log")});
  std::vector<std::string> list;
  std::string title;
  ASSERT_TRUE(archive.ReadArchiveInfo(out / "q.bck", &list, title));
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].substr(0, list[0].find('\t')), stored("b.txt"));
  EXPECT_EQ(archive.FileCount, 1);
  const std::string before = readFile(path);
  DeleteFileA((src / "b.txt").c_str());
  EXPECT_TRUE(archive.Restore(out / "q.bck", ""));
  EXPECT_EQ(readFile(src / "b.txt"), "b");
  EXPECT_EQ(readFile(path), before) << "never written from a cut entry";
}

TEST_F(ChangingSourceTest, WithoutLeavingOutAChangingFileStopsTheBackup) {
  archive.LeaveOutUnreadable = false;
  whilePacking(archive, stored("a.log"), 100, [&] { ASSERT_TRUE(appendTo(src / "a.log", "x")); });
  EXPECT_FALSE(archive.Backup({src / "*.*"}, out / "r.bck"));
  EXPECT_EQ(archive.LastError, 1);
  archive.OnProgress = nullptr;
  EXPECT_FALSE(archive.Restore(out / "r.bck", out.path())) << "the archive ends without a.log";
  EXPECT_FALSE(fileExists(out / "a.log")) << "no part of it was kept";
}

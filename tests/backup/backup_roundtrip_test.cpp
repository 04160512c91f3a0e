// Backups and restores through real files under Wine: block-boundary sizes, incompressible data,
// every compression level, hidden, system and read-only sources, names in the upper half of the
// code page, dates, streams, and the exact bytes of a small archive.
#include <gtest/gtest.h>

#include "archive_layout.h"
#include "backup_fixture.h"
#include "backup_test_data.h"

using namespace scrubwell;
using namespace scrubwell::test;
using archive::kBlockSize;

namespace {

struct SourceFile {
  std::string name;
  std::string content;
};

std::vector<SourceFile> sampleFiles() {
  return {{"empty.txt", ""},
          {"a16383.txt", asString(textBytes(kBlockSize - 1, 1))},
          {"a16384.txt", asString(textBytes(kBlockSize, 2))},
          {"a16385.txt", asString(textBytes(kBlockSize + 1, 3))},
          {"noise.bin", asString(randomBytes(3 * kBlockSize + 5, 4))},
          {"big.dat", asString(mixedBytes(5 << 20, 5))}};
}

}  // namespace

TEST_F(BackupFileTest, RoundTripsSizesAroundBlocksAtEveryLevelWithDates) {
  auto files = sampleFiles();
  WORD day = 1;
  for (const auto& f : files) {
    ASSERT_TRUE(writeFile(src / f.name, f.content));
    setDate(src / f.name, 2019, 7, day++);
  }
  for (TCompressionLevel level : {clNone, clFastest, clDefault, clMax}) {
    SCOPED_TRACE(int(level));
    archive.CompressionLevel = level;
    std::string name = out / ("level" + std::to_string(int(level)) + ".bck");
    ASSERT_TRUE(archive.Backup({src / "*.*"}, name));
    EXPECT_EQ(archive.FilesDone, int32_t(files.size()));
    EXPECT_EQ(archive.FileCount, int32_t(files.size()));
    if (level == clNone) EXPECT_GT(archive.ArchiveBytes, archive.TotalBytes);
    if (level == clMax) EXPECT_LT(archive.ArchiveBytes, archive.TotalBytes * 3 / 4);

    ScratchFolder dest('D', "dest");
    ASSERT_TRUE(archive.Restore(name, dest.path()));
    EXPECT_EQ(archive.FilesDone, int32_t(files.size()));
    for (const auto& f : files) {
      EXPECT_EQ(readFile(dest / f.name), f.content) << f.name;
      EXPECT_EQ(dateOf(dest / f.name), dateOf(src / f.name)) << f.name;
    }
  }
  EXPECT_TRUE(errors.empty());
}

TEST_F(BackupFileTest, StoresHiddenSystemAndReadOnlyFilesAndUpperHalfNames) {
  const std::string umlaut =
      "\xC4rger \xFC"
      "ber.txt";  // "Ärger über.txt" in code page 1252
  ASSERT_TRUE(writeFile(src / "hidden.txt", "h"));
  ASSERT_TRUE(writeFile(src / "system.txt", "s"));
  ASSERT_TRUE(writeFile(src / "readonly.txt", "r"));
  ASSERT_TRUE(writeFile(src / umlaut, "u"));
  SetFileAttributesA((src / "hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesA((src / "system.txt").c_str(), FILE_ATTRIBUTE_SYSTEM);
  SetFileAttributesA((src / "readonly.txt").c_str(), FILE_ATTRIBUTE_READONLY);

  archive.SaveFileID = true;
  ASSERT_TRUE(archive.Backup({src / "*"}, out / "a.bck"));
  EXPECT_EQ(archive.FilesDone, 4);
  std::vector<std::string> list;
  std::string title;
  ASSERT_TRUE(archive.ReadArchiveInfo(out / "a.bck", &list, title));
  ASSERT_EQ(list.size(), 4u);
  bool lowered = false;
  for (const auto& line : list)
    lowered |= line.find(
                   "\xE4rger \xFC"
                   "ber.txt\t") != std::string::npos;
  EXPECT_TRUE(lowered) << "names are stored in lower case, also beyond ASCII";

  ASSERT_TRUE(archive.Restore(out / "a.bck", out / "back"));
  for (const char* name : {"hidden.txt", "system.txt", "readonly.txt"})
    EXPECT_EQ(readFile(out / "back\\" + name).size(), 1u) << name;
  EXPECT_EQ(readFile(out / "back\\\xE4rger \xFC"
                           "ber.txt"),
            "u");
  SetFileAttributesA((src / "readonly.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(BackupFileTest, WritesTheDocumentedBytes) {
  ASSERT_TRUE(writeFile(src / "one.txt", "hello hello hello"));
  ASSERT_TRUE(writeFile(src / "two.bin", asString(randomBytes(kBlockSize + 3, 7))));
  setDate(src / "one.txt", 2020, 2, 29, 23, 59, 58);
  archive.BackupTitle = "Backup of today";
  ASSERT_TRUE(archive.Backup({src / "one.txt", src / "two.bin"}, out / "x.bck"));

  FieldCursor f(readFile(out / "x.bck"));
  EXPECT_EQ(f.lengthAndText(), "Backup of today");
  EXPECT_EQ(f.int32(), int32_t(17 + kBlockSize + 3)) << "total bytes";
  EXPECT_EQ(f.int32(), 2) << "file count";
  EXPECT_EQ(f.lengthAndText(), stored("one.txt"));
  int32_t date = f.int32();
  EXPECT_EQ(date, dateOf(src / "one.txt"));
  EXPECT_EQ(uint32_t(date) >> 16, (40u << 9) | (2u << 5) | 29u) << "2020-02-29 in the high half";
  EXPECT_EQ(uint32_t(date) & 0xFFFF, (23u << 11) | (59u << 5) | 29u) << "23:59:58";
  EXPECT_EQ(f.bytes(4), kRunMarkerText);
  int32_t length = f.int32();
  EXPECT_GT(length, 0);
  f.bytes(size_t(length));
  EXPECT_EQ(f.int32(), 0) << "run end";
  EXPECT_EQ(f.lengthAndText(), stored("two.bin"));
  EXPECT_EQ(f.int32(), dateOf(src / "two.bin"));
  EXPECT_EQ(f.bytes(4), kRunMarkerText);
  EXPECT_EQ(f.int32(), -int32_t(kBlockSize)) << "noise is stored";
  f.bytes(kBlockSize);
  length = f.int32();
  EXPECT_GT(length, 3) << "a 3-byte tail still makes a zlib stream";
  f.bytes(size_t(length));
  EXPECT_EQ(f.int32(), 0) << "run end";
  EXPECT_EQ(f.int32(), 0) << "end marker";
  EXPECT_TRUE(f.atEnd());
}

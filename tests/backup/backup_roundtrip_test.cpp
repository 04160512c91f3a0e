// Backups and restores through real files under Wine: block-boundary sizes, incompressible data,
// every compression level, hidden, system and read-only sources, names in the upper half of the
// code page, dates, streams, and the exact bytes of a small archive.
#include <gtest/gtest.h>

#include "archive_layout.h"
#include "backup_fixture.h"
#include "backup_test_data.h"
#include "base/text_lines.h"
#include "platform/find.h"

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
    if (level == clNone) {
      EXPECT_GT(archive.ArchiveBytes, archive.TotalBytes);
    } else if (level == clMax) {
      EXPECT_LT(archive.ArchiveBytes, archive.TotalBytes * 3 / 4);
    }

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
  std::vector<int32_t> lengths;
  EXPECT_EQ(f.runData(&lengths), "hello hello hello");
  ASSERT_EQ(lengths.size(), 1u);
  EXPECT_GT(lengths[0], 0);
  EXPECT_EQ(f.lengthAndText(), stored("two.bin"));
  EXPECT_EQ(f.int32(), dateOf(src / "two.bin"));
  lengths.clear();
  EXPECT_EQ(f.runData(&lengths), readFile(src / "two.bin"));
  ASSERT_EQ(lengths.size(), 2u);
  EXPECT_EQ(lengths[0], -int32_t(kBlockSize)) << "noise is stored";
  EXPECT_GT(lengths[1], 3) << "a 3-byte tail still makes a zlib stream";
  EXPECT_EQ(f.int32(), 0) << "end marker";
  EXPECT_TRUE(f.atEnd());
}

TEST_F(BackupFileTest, FileIdListIsTheFirstEntryAndIsNeverRestored) {
  ASSERT_TRUE(writeFile(src / "one.txt", "first"));
  ASSERT_TRUE(writeFile(src / "two.txt", "second!"));
  setDate(src / "one.txt", 2021, 1, 2);
  setDate(src / "two.txt", 2022, 3, 4);
  archive.SaveFileID = true;
  ASSERT_TRUE(archive.Backup({src / "one.txt", src / "two.txt"}, out / "x.bck"));

  std::string text = stored("one.txt") + "\t" + std::to_string(dateOf(src / "one.txt")) + "=5\r\n" +
                     stored("two.txt") + "\t" + std::to_string(dateOf(src / "two.txt")) + "=7\r\n";
  FieldCursor f(readFile(out / "x.bck"));
  EXPECT_EQ(f.lengthAndText(), "");
  EXPECT_EQ(f.int32(), int32_t(5 + 7 + text.size())) << "the list counts in the total";
  EXPECT_EQ(f.int32(), 2) << "but not in the file count";
  EXPECT_EQ(f.lengthAndText(), "FILE:LIST");
  f.int32();  // the date of the temporary file that held the list
  EXPECT_EQ(f.runData(), text);
  EXPECT_EQ(f.lengthAndText(), stored("one.txt"));
  f.int32();
  EXPECT_EQ(f.runData(), "first");

  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  WIN32_FIND_DATAA found;
  HANDLE h = FindFirstFileA((std::string(temp) + "FID*.tmp").c_str(), &found);
  EXPECT_EQ(h, INVALID_HANDLE_VALUE) << "the temporary list is deleted: " << found.cFileName;
  if (h != INVALID_HANDLE_VALUE) FindClose(h);

  std::vector<std::string> list{"stale"};
  std::string title = "stale";
  ASSERT_TRUE(archive.ReadArchiveInfo(out / "x.bck", &list, title));
  EXPECT_EQ(title, "");
  EXPECT_EQ(archive.FileCount, 2);
  EXPECT_EQ(list, splitLines(text));

  ASSERT_TRUE(archive.Restore(out / "x.bck", out / "back"));
  EXPECT_EQ(archive.FilesDone, 2);
  EXPECT_EQ(readFile(out / "back\\one.txt"), "first");
  EXPECT_FALSE(fileExists(out / "back\\FILE:LIST"));
  int entries = 0;
  for (FindFiles f2(out / "back\\*", 63); f2.next();) entries += !f2.isDots();
  EXPECT_EQ(entries, 2);
}

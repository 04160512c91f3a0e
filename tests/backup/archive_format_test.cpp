// The archive's small rules: percentages, disk names, spanning records, stored-name safety and
// the file-ID list text.
#include "backup/archive_format.h"

#include <gtest/gtest.h>

#include <climits>

using namespace scrubwell;
using namespace scrubwell::archive;

TEST(ArchiveRules, PercentIsExactForLargeTotalsAndNeverDividesByZero) {
  EXPECT_EQ(percentOf(0, 0), 0);
  EXPECT_EQ(percentOf(5, 0), 0);
  EXPECT_EQ(percentOf(5, -3), 0);
  EXPECT_EQ(percentOf(1, 3), 33);
  EXPECT_EQ(percentOf(INT_MAX - 1, INT_MAX), 99);  // 32-bit products would overflow here
  EXPECT_EQ(percentOf(INT_MAX, INT_MAX), 100);
  EXPECT_EQ(percentOf(int64_t{3} << 32, 100), 100);  // more done than the header promised
}

TEST(ArchiveRules, DiskNamesReplaceTheExtension) {
  EXPECT_EQ(diskFileName("c:\\backup\\x.bck", 2), "c:\\backup\\x.002");
  EXPECT_EQ(diskFileName("c:\\backup\\x.bck", 13), "c:\\backup\\x.013");
  EXPECT_EQ(diskFileName("c:\\backup\\x", 2), "c:\\backup\\x.002");
  EXPECT_EQ(diskFileName("c:\\back.up\\x", 3), "c:\\back.up\\x.003");
  EXPECT_EQ(diskFileName("c:\\backup\\a.b.bck", 2), "c:\\backup\\a.b.002");
}

TEST(ArchiveRules, SpanRecordsCarryThreeDigits) {
  EXPECT_EQ(spanRecordName(2), "NEXT:DISK002");
  EXPECT_EQ(spanRecordName(999), "NEXT:DISK999");
  EXPECT_EQ(spanRecordDisk("NEXT:DISK002"), 2);
  EXPECT_EQ(spanRecordDisk("NEXT:DISK120"), 120);
  EXPECT_EQ(spanRecordDisk("NEXT:DISK02"), -1);
  EXPECT_EQ(spanRecordDisk("NEXT:DISK0002"), -1);
  EXPECT_EQ(spanRecordDisk("NEXT:DISK-02"), -1);
  EXPECT_EQ(spanRecordDisk("NEXT:DISKabc"), -1);
  EXPECT_TRUE(startsWithNextDisk("NEXT:DISKabc"));
  EXPECT_FALSE(startsWithNextDisk("c:\\next:disk002"));
}

TEST(ArchiveRules, OnlyPlainAbsolutePathsAreRestorable) {
  for (const char* good :
       {"c:\\a", "c:\\data\\a.txt", "D:\\x y\\\xe4rger.doc", "z:\\a\\b\\c\\d", "c:\\a\\..a",
        "c:\\com10", "c:\\console", "c:\\data\\a.", "c:\\data\\a ", "c:\\data.\\a"})
    EXPECT_TRUE(isPlainAbsolutePath(good)) << good;
  for (const char* bad : {"",
                          "c:",
                          "c:\\",
                          "c:a.txt",
                          "\\a.txt",
                          "\\\\server\\share\\a.txt",
                          "a.txt",
                          "c:\\data\\..\\windows\\a",
                          "c:\\..\\a",
                          "c:\\data\\.\\a",
                          "c:\\data\\\\a",
                          "c:\\data\\",
                          "c:\\data\\. ",
                          "c:\\data\\...\\a",
                          "c:\\nul",
                          "c:\\data\\CON.txt",
                          "c:\\aux\\a",
                          "c:\\com1",
                          "c:\\lpt9.log",
                          "c:\\x\\con.txt.bak",
                          "c:\\conout$",
                          "c:\\a\\prn .txt",
                          "c:\\a:stream",
                          "c:\\a/..\\b",
                          "c:\\a?b",
                          "c:\\a*",
                          "c:\\a\"b",
                          "c:\\a<b",
                          "c:\\a|b",
                          "c:\\a\tb",
                          "1:\\a",
                          "FILE:LIST",
                          "NEXT:DISK002"})
    EXPECT_FALSE(isPlainAbsolutePath(bad)) << bad;
  EXPECT_FALSE(isPlainAbsolutePath(std::string_view("c:\\a\0b", 6)));
}

TEST(ArchiveRules, FileIdLines) {
  EXPECT_EQ(fileIdLine("c:\\a.txt", 1234567890, 42), "c:\\a.txt\t1234567890=42\r\n");
  EXPECT_EQ(fileIdLine("c:\\b", -5, int64_t{5} << 32), "c:\\b\t-5=21474836480\r\n");
}

TEST(ArchiveRules, ErrorCodesHaveTheirMessages) {
  EXPECT_EQ(errorMessage(1), "Cannot read file");
  EXPECT_EQ(errorMessage(3), "Cannot read archive");
  EXPECT_EQ(errorMessage(4), "Cannot write to archive");
  EXPECT_EQ(errorMessage(5), "Invalid archive type");
  EXPECT_EQ(errorMessage(6), "Compression error");
  EXPECT_EQ(errorMessage(7), "Cannot create temporary file to save the file IDs");
  EXPECT_EQ(errorMessage(2), "");
  EXPECT_EQ(zlibLevel(clFastest), 1);
  EXPECT_EQ(zlibLevel(clNone), 0);
  EXPECT_EQ(zlibLevel(clDefault), -1);
  EXPECT_EQ(zlibLevel(clMax), 9);
}

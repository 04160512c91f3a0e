// The backup window's texts for points and their files, from well-formed and from damaged
// file-ID lines.
#include <gtest/gtest.h>

#include "backup/point_text.h"

using namespace scrubwell;

TEST(PointText, KilobytesRoundHalvesToTheEvenNeighbour) {
  EXPECT_EQ(kilobytesRoundedHalfEven(0), 0);
  EXPECT_EQ(kilobytesRoundedHalfEven(511), 0);
  EXPECT_EQ(kilobytesRoundedHalfEven(512), 0) << "0.5 goes to 0";
  EXPECT_EQ(kilobytesRoundedHalfEven(513), 1);
  EXPECT_EQ(kilobytesRoundedHalfEven(1024 + 512), 2) << "1.5 goes to 2";
  EXPECT_EQ(kilobytesRoundedHalfEven(2048 + 512), 2) << "2.5 goes to 2";
  EXPECT_EQ(kilobytesRoundedHalfEven(2147483647), 2097152);
  EXPECT_EQ(kilobytesRoundedHalfEven(-1536), -2) << "a damaged negative total rounds alike";
}

TEST(PointText, PointLineShowsTitleCountAndKilobytes) {
  EXPECT_EQ(pointDisplayLine("3/2/2031 10:00:00", 2, 1536 + 5000 + 90, "files"),
            "3/2/2031 10:00:00: 2 files, 6 KB");
  EXPECT_EQ(pointDisplayLine("", 0, 0, "Dateien"), ": 0 Dateien, 0 KB");
}

TEST(PointText, FileLinesFromGoodAndDamagedFileIdLines) {
  EXPECT_EQ(fileListLine("c:\\data\\a.txt\t1234567=2047"), "c:\\data\\a.txt, 1 kb")
      << "integer division, not rounding";
  EXPECT_EQ(fileListLine("c:\\a=b\\c.txt\t-5=4096"), "c:\\a=b\\c.txt, 4 kb")
      << "an \"=\" before the tab belongs to the path";
  EXPECT_EQ(fileListLine("c:\\x.txt\t12=3=9999"), "c:\\x.txt, 0 kb") << "the first \"=\" counts";
  EXPECT_EQ(fileListLine("c:\\no tab.txt"), "c:\\no tab.txt, 0 kb");
  EXPECT_EQ(fileListLine("c:\\y.txt\t12"), "c:\\y.txt, 0 kb");
  EXPECT_EQ(fileListLine("c:\\z.txt\t12=junk"), "c:\\z.txt, 0 kb");
  EXPECT_EQ(fileListLine(""), ", 0 kb");
  EXPECT_EQ(fileListLine("c:\\big\t1=99999999999999999999999999"),
            "c:\\big, " + std::to_string(INT64_MAX / 1024) + " kb")
      << "an absurd size saturates instead of overflowing";
}

TEST(PointText, TheRestoredPathIsCutAtTheLastComma) {
  EXPECT_EQ(pathOfFileListLine("c:\\a, b\\report, final.txt, 12 kb"), "c:\\a, b\\report, final.txt");
  EXPECT_EQ(pathOfFileListLine(fileListLine("c:\\x,y.txt\t1=10")), "c:\\x,y.txt");
  EXPECT_EQ(pathOfFileListLine("no comma"), "no comma");
}

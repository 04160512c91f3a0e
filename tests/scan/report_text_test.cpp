// The status report's texts: header, item lines, summary and the bytes/kbytes switch.
#include "scan/report_text.h"

#include <gtest/gtest.h>

using namespace scrubwell;

TEST(ReportText, HeaderAndLines) {
  auto h = reportHeaderLines("Scrubwell", "Report", "Files:");
  ASSERT_EQ(h.size(), 7u);
  EXPECT_EQ(h[0], std::string(28, ' ') + "Scrubwell");
  EXPECT_EQ(h[1], std::string(27, ' ') + "===========");
  EXPECT_EQ(h[3], std::string(25, ' ') + "Report");
  EXPECT_EQ(h[5], "Files:");
  EXPECT_EQ(reportLine("File", "C:\\A.TMP", " removed"), "File C:\\A.TMP removed");
}

TEST(ReportText, FreedSpaceSwitchesToKilobytesAbove9999Bytes) {
  EXPECT_EQ(freedSpaceText("Freed:", 0), "Freed: 0 bytes");
  EXPECT_EQ(freedSpaceText("Freed:", 9999), "Freed: 9999 bytes");
  EXPECT_EQ(freedSpaceText("Freed:", 10000), "Freed: 9 kbytes");
  EXPECT_EQ(freedSpaceText("Freed:", 5'000'000'000), "Freed: 4882812 kbytes")
      << "no 32-bit overflow";
}

TEST(ReportText, SummaryLinesInTheirOrder) {
  RemovalCounts c;
  c.removed = 2;
  c.unremovable = 1;
  c.unmarked = 4;
  c.freedBytes = 100;
  EXPECT_EQ(summaryLines("R:", "F:", "U:", "N:", c),
            (std::vector<std::string>{"", "----------------------", "N: 4", "U: 1", "R: 2",
                                      "F: 100 bytes"}));
  EXPECT_EQ(countLabelText("Removed files:", 0), "Removed files: 0");
}

TEST(ReportText, DateBlocksOfSavingAndPrinting) {
  EXPECT_EQ(saveDateBlock("1.1.2026 10:00"),
            (std::vector<std::string>{"", "", "", "----------------------", "1.1.2026 10:00", ""}));
  EXPECT_EQ(printDateBlock("1.1.2026 10:00"),
            (std::vector<std::string>{"", "", "", "----------------------", "1.1.2026 10:00"}));
}

// The REGEDIT4 text: key lines, escaping, the data forms and the binary line breaks.
#include <gtest/gtest.h>

#include "registry/reg_export_format.h"

namespace scrubwell {
namespace {

std::string bytes(size_t n) {
  std::string b;
  for (size_t i = 0; i < n; ++i) b += static_cast<char>(i);
  return b;
}

TEST(RegExportFormat, KeyAndStringLinesOfAnApplicationPath) {
  EXPECT_EQ(regKeyLines("HKEY_LOCAL_MACHINE",
                        "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\x.exe\\"),
            "\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\App "
            "Paths\\x.exe]\r\n");
  EXPECT_EQ(regValueLines({"", true, kRegSz, "C:\\x.exe", true}), "@=\"C:\\\\x.exe\"\r\n");
  EXPECT_EQ(regValueLines({"Path", false, kRegSz, "C:\\", true}), "\"Path\"=\"C:\\\\\"\r\n");
}

TEST(RegExportFormat, QuotesAndBackslashesAreEscapedInNamesAndData) {
  EXPECT_EQ(regValueLines({"a\"b\\c=d", false, kRegSz, "say \"hi\"", true}),
            "\"a\\\"b\\\\c=d\"=\"say \\\"hi\\\"\"\r\n");
}

TEST(RegExportFormat, NoLineBreakOrNulCanEnterAQuotedPart) {
  EXPECT_EQ(regValueLines({"x", false, kRegSz, "a\r\n[HKEY_LOCAL_MACHINE\\Evil]", true}), "");
  EXPECT_EQ(regValueLines({"x\ny", false, kRegBinary, "", false}), "");
  EXPECT_EQ(regKeyLines("HKEY_CLASSES_ROOT", "a]\r\n\"x\"=\"y\""), "");
  // Written as bytes instead, the same text is harmless.
  EXPECT_EQ(regValueLines({"x", false, kRegSz, std::string("a\nb", 3), false}),
            "\"x\"=hex(1):61,0A,62\r\n");
}

TEST(RegExportFormat, NumbersAndOtherTypes) {
  EXPECT_EQ(regValueLines({"n", false, kRegDword, std::string("\xFF\0\0\0", 4), false}),
            "\"n\"=dword:000000FF\r\n");
  EXPECT_EQ(regValueLines({"n", false, kRegDword, std::string("\x01\x02\x03", 3), false}),
            "\"n\"=hex(4):01,02,03\r\n")
      << "a 32-bit number of another size keeps its bytes";
  EXPECT_EQ(regValueLines({"q", false, 11, bytes(8), false}),
            "\"q\"=hex(B):00,01,02,03,04,05,06,07\r\n");
  EXPECT_EQ(regValueLines({"m", false, kRegMultiSz, std::string("a\0b\0\0", 5), false}),
            "\"m\"=hex(7):61,00,62,00,00\r\n");
  EXPECT_EQ(regValueLines({"none", false, kRegNone, "", false}), "\"none\"=hex(0):\r\n");
  EXPECT_EQ(regValueLines({"big", false, 0x12345, "", false}), "\"big\"=hex(12345):\r\n");
}

// Counts the bytes on each line of a binary value's text.
std::vector<size_t> bytesPerLine(const std::string& text) {
  std::vector<size_t> counts;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find("\r\n", start);
    std::string line = text.substr(start, end - start);
    if (size_t colon = line.find(':'); colon != std::string::npos) line = line.substr(colon + 1);
    size_t n = 0;
    for (size_t i = 0; i + 1 < line.size(); ++i)
      if (isxdigit(static_cast<unsigned char>(line[i])) &&
          isxdigit(static_cast<unsigned char>(line[i + 1])))
        ++n, ++i;
    counts.push_back(n);
    start = end + 2;
  }
  return counts;
}

TEST(RegExportFormat, BinaryLinesBreakAfterByte25AndEvery25th) {
  EXPECT_EQ(regValueLines({"b", false, kRegBinary, "", false}), "\"b\"=hex:\r\n");
  EXPECT_EQ(regValueLines({"b", false, kRegBinary, bytes(1), false}), "\"b\"=hex:00\r\n");
  EXPECT_EQ(bytesPerLine(regValueLines({"b", false, kRegBinary, bytes(26), false})),
            std::vector<size_t>{26});
  const std::string t27 = regValueLines({"b", false, kRegBinary, bytes(27), false});
  EXPECT_EQ(bytesPerLine(t27), (std::vector<size_t>{26, 1}));
  EXPECT_NE(t27.find(",19,\\\r\n1A\r\n"), std::string::npos) << t27;
  EXPECT_EQ(bytesPerLine(regValueLines({"b", false, kRegBinary, bytes(60), false})),
            (std::vector<size_t>{26, 25, 9}));
  const auto lines4000 = bytesPerLine(regValueLines({"b", false, kRegBinary, bytes(4000), false}));
  size_t total = 0;
  for (size_t n : lines4000) total += n;
  EXPECT_EQ(total, 4000u);
  EXPECT_EQ(lines4000.size(), 1 + (4000 - 26 + 24) / 25);
}

}  // namespace
}  // namespace scrubwell

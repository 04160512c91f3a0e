// The portable rules of the update check: safe file names, the version comparison, when a
// download is whole, the executable header, the order of the categories and the animation's rhythm.
#include <gtest/gtest.h>

#include <string>

#include "update/download_rules.h"
#include "update/update_animation.h"
#include "base/safe_file_name.h"
#include "update/update_categories.h"
#include "update/version_compare.h"

using namespace scrubwell;

TEST(SafeFileName, AcceptsPlainNamesOnly) {
  for (const char* ok : {"Scrubwell.exe", "UPDATER.EXE", "Scrubwell.t01", "a", "cond.txt",
                         "my file.txt", ".hidden", "com0.txt", "lpt10"})
    EXPECT_TRUE(isSafeFileName(ok)) << ok;
  for (const char* bad : {"",           ".",         "..",      "..\\Scrubwell.exe",
                          "sub\\a.txt", "sub/a.txt", "C:a.txt", "a.txt.",
                          "a.txt ",     " a.txt",    "a*.txt",  "a?.txt",
                          "a\"b",       "a<b",       "a>b",     "a|b",
                          "CON",        "con.txt",   "Nul",     "aux .ini",
                          "COM1",       "lpt9.log",  "CONOUT$", "\\\\server\\share"})
    EXPECT_FALSE(isSafeFileName(bad)) << bad;
  EXPECT_FALSE(isSafeFileName(std::string("a\tb")));
  EXPECT_FALSE(isSafeFileName(std::string("a\0b", 3)));
  EXPECT_FALSE(isSafeFileName(std::string("a\x7f", 2)));
  EXPECT_TRUE(isSafeFileName(std::string(kMaxUpdateFileName, 'x')));
  EXPECT_FALSE(isSafeFileName(std::string(kMaxUpdateFileName + 1, 'x')));
}

TEST(VersionCompare, DecimalsWithEitherSeparator) {
  struct Case {
    const char *a, *b;
    int expected;
  };
  for (const Case& c : std::initializer_list<Case>{{"8.75", "8.8", -1},
                                                   {"8,75", "8.8", -1},
                                                   {"8.8", "8.75", 1},
                                                   {"8.80", "8,8", 0},
                                                   {"8.75", "8.75", 0},
                                                   {"9", "8.99", 1},
                                                   {"10.0", "9.9", 1},
                                                   {"08.5", "8.50", 0},
                                                   {" 8.75 ", "8.750", 0},
                                                   {"8.", "8", 0},
                                                   {"0.1", "0.09", 1}}) {
    auto r = compareVersionTexts(c.a, c.b);
    ASSERT_TRUE(r.has_value()) << c.a << " " << c.b;
    EXPECT_EQ(*r, c.expected) << c.a << " vs " << c.b;
  }
  for (const char* bad :
       {"", "error_check", "8.7.5", "8,7,5", ".75", "-1", "8.75a", "1e3", "8 .75", "0x10"})
    EXPECT_FALSE(compareVersionTexts(bad, "8.75").has_value()) << bad;
  EXPECT_FALSE(compareVersionTexts(std::string(41, '9'), "8.75").has_value());
  EXPECT_EQ(compareVersionTexts(std::string(40, '9'), "8.75"), 1);
}

TEST(DownloadRules, WholeOnlyWithStatus200AndTheAnnouncedLength) {
  EXPECT_TRUE(isWholeDownload(200, 5000, 5000));
  EXPECT_TRUE(isWholeDownload(200, -1, 17));
  EXPECT_FALSE(isWholeDownload(200, 5000, 2000)) << "cut off";
  EXPECT_FALSE(isWholeDownload(200, 5000, 6000)) << "longer than announced";
  EXPECT_FALSE(isWholeDownload(404, -1, 300)) << "an error page";
  EXPECT_FALSE(isWholeDownload(206, 10, 10));
  EXPECT_FALSE(isWholeDownload(200, 0, 0));
  EXPECT_FALSE(isWholeDownload(200, -1, 0));

  EXPECT_EQ(announcedLength("5000"), 5000);
  EXPECT_EQ(announcedLength(" 8589934592 "), 8589934592LL);
  for (const char* bad : {"", "-5", "12a", "0x10", "9999999999999999999"})
    EXPECT_EQ(announcedLength(bad), -1) << bad;
  EXPECT_EQ(percentReceived(6ll << 30, 8ll << 30), 75) << "no 32-bit overflow";
  EXPECT_EQ(percentReceived(10, 0), 0);
}

namespace {
std::string peImage(uint32_t offset, size_t size = 512) {
  std::string img(size, '\0');
  img[0] = 'M';
  img[1] = 'Z';
  for (int i = 0; i < 4; ++i) img[0x3C + i] = static_cast<char>((offset >> (8 * i)) & 0xFF);
  if (offset + 4 <= size) img.replace(offset, 4, std::string("PE\0\0", 4));
  return img;
}
}  // namespace

TEST(DownloadRules, ExecutablesNeedAnMzAndPeHeader) {
  EXPECT_TRUE(looksLikeExecutable(peImage(0x80)));
  EXPECT_FALSE(looksLikeExecutable("<html><body>Not Found</body></html>"));
  EXPECT_FALSE(looksLikeExecutable(peImage(0x80).substr(0, 0x60))) << "header cut off";
  EXPECT_FALSE(looksLikeExecutable(peImage(0x80).substr(0, 0x20)));
  EXPECT_FALSE(looksLikeExecutable(peImage(0x10))) << "offset inside the DOS header";
  EXPECT_FALSE(looksLikeExecutable(peImage(0xFFFFFFF0u))) << "offset far outside";
  EXPECT_FALSE(looksLikeExecutable(peImage(5000, 6000))) << "beyond the bytes looked at";
  std::string mzOnly = peImage(0x80);
  mzOnly[0x81] = 'X';
  EXPECT_FALSE(looksLikeExecutable(mzOnly));

  for (const char* name : {"Scrubwell.exe", "UPDATER.EXE", "KvFindMinidump.dll", "x.Ocx"})
    EXPECT_TRUE(isExecutableName(name)) << name;
  for (const char* name : {"update.ini", "Scrubwell.t00", "readme.exe.txt", "exe"})
    EXPECT_FALSE(isExecutableName(name)) << name;
}

TEST(DownloadRules, WebAddressesOnly) {
  for (const char* ok : {"http://x", "https://example.invalid/de", "HTTPS://A/"})
    EXPECT_TRUE(isWebAddress(ok)) << ok;
  for (const char* bad : {"", "http://", "file:///C:/Windows/notepad.exe", "C:\\evil.exe",
                          "javascript:alert(1)", " http://x", "ftp://x", "\\\\server\\x"})
    EXPECT_FALSE(isWebAddress(bad)) << bad;
}

TEST(UpdateCategories, FixedOrderOncePerCategory) {
  EXPECT_EQ(categoryTextNumbers({"exceptions", "main", "MAIN", "doc"}),
            (std::vector<int>{324, 323, 326}));
  EXPECT_EQ(categoryTextNumbers({"skin", "other", "lang", "settings"}),
            (std::vector<int>{328, 327, 325, 329}));
  EXPECT_EQ(categoryTextNumbers({"whatever"}), (std::vector<int>{329}));
  EXPECT_TRUE(categoryTextNumbers({}).empty());
}

TEST(UpdateAnimation, ShowsTheSixPicturesInTheirRhythmAndStartsAgainAfterNine) {
  UpdateAnimation a;
  std::string seen;
  for (int i = 0; i < 17; ++i, a.step()) seen += char('0' + a.picture());
  // counters 2..9, 2..9, 2: the globe turns (1-4) and the arrow beats (5, 6) between
  EXPECT_EQ(seen, "15263546" "15263546" "1");
  a.step();
  a.restart();
  EXPECT_EQ(a.counter(), 2);
}

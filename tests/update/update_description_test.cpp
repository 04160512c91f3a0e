// Reading update descriptions: the keys as stored, lists with unsafe names, and damaged,
// truncated and oversized texts.
#include <gtest/gtest.h>

#include "update/update_description.h"

using namespace scrubwell;

namespace {

const char* const kDescription =
    "; published description\r\n"
    "[updateinfo]\r\n"
    "updateurl=http://127.0.0.1:8000/\r\n"
    "subverion= b\r\n"
    "reinstallIfOlderThen=8.10\r\n"
    "reinstallFileFullGer=https://example.invalid/de\r\n"
    "reinstallFileFullEngl=\"https://example.invalid/en\"\r\n"
    "[files]\r\n"
    "number=5\r\n"
    "file1=Scrubwell.exe\r\n"
    "file2=Scrubwell.t01\r\n"
    "file3=\r\n"
    "file4=..\\..\\boot.ini\r\n"
    "FILE5=scrubwell.EXE\r\n"
    "[VERSIONS]\r\n"
    "Scrubwell.exe=876\r\n"
    "scrubwell.t01=abc\r\n"
    "Scrubwell.exe=1\r\n"
    "other.dll=3\r\n"
    "[types]\r\n"
    "Scrubwell.exe=main\r\n"
    "[remove]\r\n"
    "number=3\r\n"
    "file1=old.txt\r\n"
    "file2=C:\\Windows\\win.ini\r\n"
    "file3=nul\r\n"
    "[Suchausnahmen]\r\n"
    "Anzahl=2\r\n"
    "Maske1=*.keep\r\n"
    "Maske2= \r\n";

}  // namespace

TEST(UpdateDescription, ReadsTheKeysAsStored) {
  UpdateDescription d = parseUpdateDescription(kDescription);
  EXPECT_EQ(d.updateUrl, "http://127.0.0.1:8000/");
  EXPECT_EQ(d.subversion, "b");
  EXPECT_EQ(d.reinstallIfOlderThan, "8.10");
  EXPECT_EQ(d.reinstallGer, "https://example.invalid/de");
  EXPECT_EQ(d.reinstallEngl, "https://example.invalid/en") << "quotes stripped";
  // Empty entries are skipped, a repeat (ignoring case) is kept once.
  EXPECT_EQ(d.files, (std::vector<std::string>{"Scrubwell.exe", "Scrubwell.t01"}));
  EXPECT_EQ(d.version("SCRUBWELL.EXE"), 876) << "the first of repeated keys wins";
  EXPECT_EQ(d.version("Scrubwell.t01"), -1) << "not a number";
  EXPECT_EQ(d.version("missing.txt"), -1);
  EXPECT_EQ(d.version("other.dll"), 3) << "versions of names not listed are kept";
  EXPECT_EQ(d.category("Scrubwell.exe"), "main");
  EXPECT_EQ(d.category("Scrubwell.t01"), "other");
  EXPECT_EQ(d.removals, (std::vector<std::string>{"old.txt"}));
  EXPECT_EQ(d.rejected,
            (std::vector<std::string>{"..\\..\\boot.ini", "C:\\Windows\\win.ini", "nul"}));
  EXPECT_EQ(d.exceptionMasks, (std::vector<std::string>{"*.keep"}));
}

TEST(UpdateDescription, MissingKeysAndDamagedText) {
  UpdateDescription empty = parseUpdateDescription("");
  EXPECT_FALSE(empty.reinstallIfOlderThan.has_value());
  EXPECT_TRUE(empty.updateUrl.empty() && empty.files.empty() && empty.removals.empty());

  // An HTML error page, a key before any section, a section without "]", LF and CR line ends.
  UpdateDescription html = parseUpdateDescription("<html><body>404 Not Found</body></html>");
  EXPECT_FALSE(html.reinstallIfOlderThan.has_value());
  UpdateDescription odd = parseUpdateDescription(
      "updateurl=x\n[updateinfo\nupdateurl=y\r[files]\rnumber=1\rfile1=a.txt");
  EXPECT_EQ(odd.updateUrl, "y");
  EXPECT_EQ(odd.files, (std::vector<std::string>{"a.txt"}));

  // Counts that are negative, not numbers or out of range.
  for (const char* count : {"-3", "many", "99999999999", "2147483647"}) {
    UpdateDescription d =
        parseUpdateDescription(std::string("[files]\nnumber=") + count + "\nfile1=a\n");
    EXPECT_LE(d.files.size(), 1u) << count;
  }
}

TEST(UpdateDescription, TruncatedAndOversized) {
  std::string text = kDescription;
  for (size_t cut = 0; cut < text.size(); cut += 7) {
    UpdateDescription d = parseUpdateDescription(std::string_view(text).substr(0, cut));
    EXPECT_LE(d.files.size(), 3u);  // a cut may shorten a repeated name into a new one
    for (const auto& f : d.files) EXPECT_EQ(f.find('\\'), std::string::npos);
  }
  // Only the first megabyte is read: a key after it does not exist.
  std::string big = "[updateinfo]\r\n" + std::string(kMaxUpdateDescriptionBytes, ';') +
                    "\r\nreinstallIfOlderThen=1\r\n";
  EXPECT_FALSE(parseUpdateDescription(big).reinstallIfOlderThan.has_value());
  // A list of more entries than allowed stops at the bound.
  std::string many = "[files]\nnumber=5000\n";
  for (int i = 1; i <= 1500; ++i)
    many += "file" + std::to_string(i) + "=f" + std::to_string(i) + "\n";
  EXPECT_EQ(parseUpdateDescription(many).files.size(), static_cast<size_t>(kMaxUpdateListEntries));
}

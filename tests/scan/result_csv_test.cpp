// The result list saved as CSV, read back by an RFC 4180 reader, and entries taken out of the
// list with their rows.
#include "scan/result_csv.h"

#include <gtest/gtest.h>

#include "platform/text_upper.h"

using namespace scrubwell;

namespace {

ResultList upperKeyList() {
  return ResultList([](std::string_view p) { return toUpper(p); });
}

// A strict RFC 4180 reader: records end in CR LF, quoted fields may hold anything.
std::vector<std::vector<std::string>> readCsv(const std::string& text) {
  std::vector<std::vector<std::string>> records(1, std::vector<std::string>(1));
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    std::string& field = records.back().back();
    if (quoted) {
      if (c != '"')
        field += c;
      else if (i + 1 < text.size() && text[i + 1] == '"')
        field += text[++i];
      else
        quoted = false;
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      records.back().emplace_back();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      ++i;
      records.emplace_back(1);
    } else {
      field += c;
    }
  }
  records.pop_back();  // after the last line end
  return records;
}

}  // namespace

TEST(ResultCsv, ReadsBackIntoTheSameRows) {
  ResultList list = upperKeyList();
  const std::string awkward[] = {"C:\\a,b\\say \"hi\".tmp",
                                 "C:\\Gr\xfc\xdf"
                                 "e\\\xe9t\xe9.bak",
                                 "C:\\plain\\x.exe", "C:\\gone.log"};
  list.add(awkward[0], 12, true);
  list.add(awkward[1], 0, true);
  list.add(awkward[2], 4096, false);
  list.add(awkward[3], -1, true);
  list.rebuildRows([](const std::string&) { return int64_t(-1); });
  list.copyRawMarksToRows();
  list.setRowMarked(0, false);  // the user's marks are what is saved

  const auto records = readCsv(resultListCsv(list));
  ASSERT_EQ(records.size(), list.size() + 1);
  EXPECT_EQ(records[0], (std::vector<std::string>{"Path", "Size", "Class", "Marked"}));
  for (size_t i = 0; i < list.size(); ++i) {
    ASSERT_EQ(records[i + 1].size(), 4u) << i;
    EXPECT_EQ(records[i + 1][0], list.path(i));
    EXPECT_EQ(records[i + 1][1], list.fileSize(i) >= 0 ? std::to_string(list.fileSize(i)) : "");
    EXPECT_EQ(records[i + 1][3], list.isRowMarked(i) ? "yes" : "no");
  }
  // In the list's order: a,b\say "hi".tmp, gone.log, Grüße\été.bak, plain\x.exe.
  EXPECT_EQ(records[1][0], awkward[0]);
  EXPECT_EQ(records[1][3], "no");
  EXPECT_EQ(records[2][1], "") << "no file, no size";
  EXPECT_EQ(records[3][0], awkward[1]);
  EXPECT_EQ(records[3][2], "junk");   // .bak
  EXPECT_EQ(records[4][2], "risky");  // .exe
  EXPECT_EQ(csvField("a\r\nb"), "\"a\r\nb\"");
}

TEST(ResultList, RemoveWhereTakesRowsWithTheirEntries) {
  ResultList list = upperKeyList();
  for (const char* p : {"C:\\keep\\1.tmp", "C:\\drop\\2.tmp", "C:\\keep\\3.tmp", "C:\\drop\\4"})
    list.add(p, 1);
  list.rebuildRows([](const std::string&) { return int64_t(1); });
  ASSERT_EQ(list.path(3), "C:\\keep\\3.tmp");  // the drop folder sorts first
  list.setRowMarked(3, true);
  const std::string row3 = list.rowText(3);
  EXPECT_EQ(list.removeWhere([](const std::string& p) { return p.rfind("C:\\drop\\", 0) == 0; }),
            2u);
  ASSERT_EQ(list.size(), 2u);
  ASSERT_EQ(list.rowCount(), 2u);
  EXPECT_EQ(list.path(1), "C:\\keep\\3.tmp");
  EXPECT_EQ(list.rowText(1), row3);
  EXPECT_TRUE(list.isRowMarked(1));
  EXPECT_FALSE(list.isRowMarked(0));
}

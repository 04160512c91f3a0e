// The result list: sorted raw list, aligned display list, marks, totals and "arrange entries".
#include "scan/result_list.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/text_upper.h"
#include "scan/row_text.h"

using namespace scrubwell;

namespace {

ResultList upperKeyList() {
  return ResultList([](std::string_view p) { return toUpper(p); });
}

std::vector<std::string> paths(const ResultList& l) {
  std::vector<std::string> out;
  for (size_t i = 0; i < l.size(); ++i) out.push_back(l.path(i));
  return out;
}

}  // namespace

TEST(ResultList, KeepsCaseInsensitiveOrderAndDuplicates) {
  ResultList l = upperKeyList();
  for (const char* p : {"c:\\b.tmp", "C:\\A.TMP", "c:\\a.tmp", "C:\\Z\\x.bak", "C:\\B.TMP"})
    l.add(p, 1);
  // Equal paths (ignoring case) stay in the order they were added.
  EXPECT_EQ(paths(l), (std::vector<std::string>{"C:\\A.TMP", "c:\\a.tmp", "c:\\b.tmp", "C:\\B.TMP",
                                                "C:\\Z\\x.bak"}));
  // Appending after a read merges into place.
  l.add("C:\\AA.TMP", 1);
  EXPECT_EQ(l.path(2), "C:\\AA.TMP");
  EXPECT_EQ(l.size(), 6u);
}

TEST(ResultList, RebuildAlignsRowsAndAsksSizesOnlyWhenUnknown) {
  ResultList l = upperKeyList();
  l.add("C:\\KNOWN.TMP", 3000);
  l.add("C:\\ASKED.TMP");
  l.add("C:\\GONE.TMP");
  std::map<std::string, int> asked;
  l.rebuildRows([&](const std::string& p) -> int64_t {
    ++asked[p];
    return p == "C:\\ASKED.TMP" ? 1024 : -1;
  });
  EXPECT_EQ(asked, (std::map<std::string, int>{{"C:\\ASKED.TMP", 1}, {"C:\\GONE.TMP", 1}}));
  ASSERT_EQ(l.rowCount(), 3u);
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(l.rowText(i).substr(0, l.path(i).size()), l.path(i));
  EXPECT_EQ(l.rowText(0), rowText(l.path(0), "1kb"));    // ASKED
  EXPECT_EQ(l.rowText(1), rowText(l.path(1), "0kb"));    // GONE
  EXPECT_EQ(l.rowText(2), rowText(l.path(2), "2.5kb"));  // KNOWN
  // A path that is no file counts nothing in the totals.
  EXPECT_EQ(l.totalSize(), 4024);
}

TEST(ResultList, MarksOfRowsAndRawEntries) {
  ResultList l = upperKeyList();
  EXPECT_EQ(l.countMarkedRows(), 1u);  // empty display list
  for (const char* p : {"C:\\1.TMP", "C:\\2.TMP", "C:\\3.TMP"}) l.add(p, 2048);
  l.rebuildRows(nullptr);
  EXPECT_EQ(l.countMarkedRows(), 0u);
  l.markEverything(true);
  EXPECT_EQ(l.countMarkedRows(), 3u);
  EXPECT_EQ(l.markedSize(), 6144);
  // A click changes the row only; copying brings the raw marks in line.
  l.toggleRow(1);
  EXPECT_TRUE(l.isMarked(1));
  l.copyRowMarksToRaw();
  EXPECT_FALSE(l.isMarked(1));
  EXPECT_EQ(l.markedSize(), 4096);
  l.markEverything(false);
  EXPECT_EQ(l.markedSize(), 0);
  l.clear();
  EXPECT_TRUE(l.empty());
  EXPECT_EQ(l.rowCount(), 0u);
}

TEST(ResultList, ArrangePutsJunkFirstAndRiskyLast) {
  ResultList l = upperKeyList();
  for (const char* p : {"a.exe", "b.tmp", "c.txt"}) l.add(p, 10);
  l.rebuildRows(nullptr);
  l.arrange();
  EXPECT_EQ(paths(l), (std::vector<std::string>{"b.tmp", "c.txt", "a.exe"}));
  EXPECT_TRUE(l.isRowMarked(0) && l.isMarked(0));
  EXPECT_TRUE(l.isRowMarked(1) && l.isMarked(1));
  EXPECT_FALSE(l.isRowMarked(2) || l.isMarked(2));
  // Rows moved with their entries.
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(l.rowText(i).substr(0, 5), l.path(i));

  // A marked risky entry stays marked.
  ResultList m = upperKeyList();
  for (const char* p : {"a.exe", "b.tmp", "c.txt"}) m.add(p, 10);
  m.rebuildRows(nullptr);
  m.setRowMarked(0, true);
  m.setMarked(0, true);
  m.arrange();
  EXPECT_EQ(m.path(2), "a.exe");
  EXPECT_TRUE(m.isRowMarked(2) && m.isMarked(2));
}

TEST(ResultList, ArrangeMovesEveryRiskyEntryAndKeepsGroupOrder) {
  ResultList l = upperKeyList();
  // Adjacent risky entries, several junk classes, "~" in the third place from the end.
  for (const char* p :
       {"a.dll", "b.sys", "c.txt", "d.bak", "e.doc", "f.~1x", "g.exe", "h.old", "i.ab*"})
    l.add(p, 1);
  l.rebuildRows(nullptr);
  l.arrange();
  EXPECT_EQ(paths(l), (std::vector<std::string>{"d.bak", "f.~1x", "h.old", "c.txt", "e.doc",
                                                "a.dll", "b.sys", "g.exe", "i.ab*"}));
}

TEST(ResultList, ArrangeLeavesRowZeroUnmarkedWhenItIsRisky) {
  ResultList l = upperKeyList();
  for (const char* p : {"a.exe", "b.com"}) l.add(p, 1);
  l.rebuildRows(nullptr);
  l.markEverything(true);
  l.arrange();
  EXPECT_FALSE(l.isRowMarked(0));
  EXPECT_TRUE(l.isRowMarked(1));
}

TEST(ResultList, PathAddedAfterArrangingLandsLikeInAListBox) {
  ResultList l = upperKeyList();
  for (const char* p : {"a.exe", "b.tmp", "c.txt"}) l.add(p, 1);
  l.rebuildRows(nullptr);
  l.arrange();  // b.tmp c.txt a.exe
  l.add("bb.txt", 1);
  EXPECT_EQ(paths(l), (std::vector<std::string>{"b.tmp", "bb.txt", "c.txt", "a.exe"}));
}

TEST(EntryClass, ByLastThreeCharacters) {
  EXPECT_EQ(entryClassOf("C:\\X.EXE"), EntryClass::risky);
  EXPECT_EQ(entryClassOf("C:\\X.???"), EntryClass::risky);
  EXPECT_EQ(entryClassOf("C:\\X.A*"), EntryClass::risky);
  EXPECT_EQ(entryClassOf("C:\\X.Tmp"), EntryClass::typicalJunk);
  EXPECT_EQ(entryClassOf("C:\\X.$$$"), EntryClass::typicalJunk);
  EXPECT_EQ(entryClassOf("C:\\X.~AB"), EntryClass::typicalJunk);
  EXPECT_EQ(entryClassOf("C:\\X.TXT"), EntryClass::other);
  EXPECT_EQ(entryClassOf("ab"), EntryClass::other);
  EXPECT_EQ(entryClassOf(""), EntryClass::other);
}

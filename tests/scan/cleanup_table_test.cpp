// The clean-up table is complete: every clean-up has one done mark, one chooser box and one
// button of its own, the texts that go with them, and a command-line name found in any case.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "scan/cleanup_table.h"

using namespace scrubwell;

TEST(CleanupTable, EveryCleanupHasItsOwnMarkBoxAndButton) {
  auto table = cleanups();
  ASSERT_EQ(table.size(), static_cast<size_t>(DoneMarks::kCount));
  std::set<int> marks, boxes;
  std::set<std::pair<int, int>> buttons;
  // Buttons per page; rows 1 and 3 of page 3 are multi-clean and the own-folder list.
  const int rowsOnPage[] = {0, 6, 5, 5};
  const int firstTextOfPage[] = {0, 5110, 5116, 5121};
  for (size_t i = 0; i < table.size(); ++i) {
    const Cleanup& c = table[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(static_cast<size_t>(c.id), i) << "entries stand in the order of their ids";
    EXPECT_EQ(&cleanup(c.id), &c);
    EXPECT_TRUE(marks.insert(static_cast<int>(c.mark)).second);
    EXPECT_TRUE(boxes.insert(c.chooserBox).second);
    EXPECT_TRUE(buttons.insert({c.page, c.row}).second);
    ASSERT_TRUE(c.page >= 1 && c.page <= 3);
    EXPECT_TRUE(c.row >= 0 && c.row < rowsOnPage[c.page]);
    EXPECT_FALSE(c.page == 3 && (c.row == 1 || c.row == 3));
    EXPECT_EQ(c.buttonText, firstTextOfPage[c.page] + c.row);
    EXPECT_EQ(c.chooserText, 5181 + c.chooserBox);
    EXPECT_EQ(cleanupAt(c.page, c.row), &c);
    EXPECT_EQ(cleanupOfChooserBox(c.chooserBox), &c);
  }
  EXPECT_EQ(*marks.begin(), 1);
  EXPECT_EQ(*marks.rbegin(), DoneMarks::kCount);
  EXPECT_EQ(*boxes.begin(), 1);
  EXPECT_EQ(*boxes.rbegin(), DoneMarks::kCount);
  EXPECT_EQ(cleanupAt(3, 1), nullptr);
  EXPECT_EQ(cleanupOfChooserBox(0), nullptr);
  EXPECT_EQ(cleanupOfChooserBox(15), nullptr);
}

TEST(CleanupTable, CommandNamesAreUniqueAndIgnoreCase) {
  std::set<std::string_view> names;
  for (const Cleanup& c : cleanups()) {
    if (c.commandName.empty()) continue;
    EXPECT_TRUE(names.insert(c.commandName).second) << c.commandName;
    EXPECT_EQ(cleanupByCommandName(c.commandName), &c);
  }
  ASSERT_NE(cleanupByCommandName("JUNK"), nullptr);
  EXPECT_EQ(cleanupByCommandName("JUNK")->id, CleanupId::junkSearch);
  EXPECT_EQ(cleanupByCommandName(""), nullptr) << "clean-ups without a name are not matched";
  EXPECT_EQ(cleanupByCommandName("junkk"), nullptr);
}

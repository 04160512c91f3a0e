// Values of the settings file: integers, look indexes, shown dates; the dangerous-entry rule and
// the copy pairs of the update script.
#include <gtest/gtest.h>

#include "base/dangerous_entry.h"
#include "base/settings_values.h"
#include "base/text_lines.h"
#include "base/update_script.h"

using namespace scrubwell;

TEST(IniInteger, DecimalOnlyElseTheFallback) {
  EXPECT_EQ(parseIniInteger("42", 7), 42);
  EXPECT_EQ(parseIniInteger(" -3 ", 7), -3);
  EXPECT_EQ(parseIniInteger("+5", 7), 5);
  EXPECT_EQ(parseIniInteger("2147483647", 7), 2147483647);
  EXPECT_EQ(parseIniInteger("-2147483648", 7), -2147483647 - 1);
  for (const char* garbage : {"", " ", "abc", "12abc", "1.5", "0x10", "$10", "2147483648",
                              "99999999999999999999", "-", "1 2"})
    EXPECT_EQ(parseIniInteger(garbage, 7), 7) << garbage;
}

TEST(LookIndex, StaysInsideItsList) {
  EXPECT_EQ(clampLookIndex(99, 4), 3);
  EXPECT_EQ(clampLookIndex(4, 4), 3);
  EXPECT_EQ(clampLookIndex(2, 4), 2);
  EXPECT_EQ(clampLookIndex(-5, 4), 0);
  EXPECT_EQ(clampLookIndex(3, 0), 0);
}

TEST(ShortDate, FollowsThePatternOrder) {
  auto d = parseShortDate("01.03.2026", "dd.MM.yyyy");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->year, 2026);
  EXPECT_EQ(d->month, 3);
  EXPECT_EQ(d->day, 1);
  d = parseShortDate("3/1/2026", "M/d/yyyy");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->month, 3);
  EXPECT_EQ(d->day, 1);
  d = parseShortDate("2026-03-01", "yyyy-MM-dd");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->day, 1);
  d = parseShortDate("01.03.26", "dd.MM.yy");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->year, 2026);
  d = parseShortDate("01.03.99", "dd.MM.yy");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->year, 1999);
}

TEST(ShortDate, RejectsWhatIsNotADate) {
  for (const char* text :
       {"", "never", "-", "31.02.2026", "00.01.2026", "01.13.2026", "1.2", "1.2.3.4",
        "01.03.2026x5", "12345.1.1", "a1.1.2026", "01..........03.2026"})
    EXPECT_FALSE(parseShortDate(text, "dd.MM.yyyy")) << text;
  EXPECT_TRUE(parseShortDate("29.02.2024", "dd.MM.yyyy"));
  EXPECT_FALSE(parseShortDate("29.02.2100", "dd.MM.yyyy"));
}

TEST(ShortDate, DaysSinceRoundsToWholeDays) {
  const CivilDate today{2026, 3, 15};
  EXPECT_EQ(daysSinceShownDate("01.03.2026", "nie", "dd.MM.yyyy", today, 0), 14);
  EXPECT_EQ(daysSinceShownDate("01.03.2026", "nie", "dd.MM.yyyy", today, 18 * 3600), 15);
  EXPECT_EQ(daysSinceShownDate("28.02.2026", "nie", "dd.MM.yyyy", today, 0), 15);
  EXPECT_EQ(daysSinceShownDate("16.03.2026", "nie", "dd.MM.yyyy", today, 0), -1);
  for (const char* unknown : {"-", "never", "nie", "garbage", ""})
    EXPECT_EQ(daysSinceShownDate(unknown, "nie", "dd.MM.yyyy", today, 0), 100) << unknown;
  EXPECT_EQ(daysFromCivil({1970, 1, 1}), 0);
  EXPECT_EQ(daysFromCivil({2000, 3, 1}) - daysFromCivil({2000, 2, 28}), 2);
}

TEST(DangerousEntry, MatchesEverythingPatternsOnly) {
  for (const char* bad : {"", " ", "*.*", "*.???", "???", "abc???", "*.b???"})
    EXPECT_TRUE(isDangerousEntry(bad)) << bad;
  for (const char* fine : {"*", "???abc", "*.tmp", "*.~??", "  ", "*.*?", "*.?? ?"})
    EXPECT_FALSE(isDangerousEntry(fine)) << fine;
  std::vector<std::string> list{"*.tmp", "*.*", "a", " ", "*.???", "b???", "c"};
  removeDangerousEntries(list);
  EXPECT_EQ(list, (std::vector<std::string>{"*.tmp", "a", "c"}));
}

TEST(DangerousEntry, TheMaskListAlsoRefusesMasksSelectingEveryFileAndPaths) {
  for (const char* bad : {"*", "**", "*?", "?*", " * ", "*.", "*..", "*.*.", " *.* ", "*. .",
                          "C:\\Data", "sub\\*.tmp", "a/b", "C:", "*.???"})
    EXPECT_TRUE(isDangerousMask(bad)) << bad;
  for (const char* fine : {"*.tmp", "?", "??", "???abc", "*.~??", "SwapFile.*", "*.*?", "a*"})
    EXPECT_FALSE(isDangerousMask(fine)) << fine;
  std::vector<std::string> masks{"*.tmp", "*", "C:\\Data", "*.bak", "*.*"};
  removeDangerousMasks(masks);
  EXPECT_EQ(masks, (std::vector<std::string>{"*.tmp", "*.bak"}));
  std::vector<std::string> exceptions{"C:\\Data", "*", "*.*"};
  removeDangerousEntries(exceptions);
  EXPECT_EQ(exceptions, (std::vector<std::string>{"C:\\Data", "*"}));
}

TEST(TextLines, EveryKindOfLineEnd) {
  EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(splitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_EQ(splitLines("\n\n"), (std::vector<std::string>{"", ""}));
  EXPECT_TRUE(splitLines("").empty());
}

TEST(UpdateScriptPairs, SkipLineOneAndPairTheRest) {
  auto pairs = updateScriptPairs({"header", "a", "b", "c", "d"});
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(pairs[1].source, "c");
  EXPECT_EQ(pairs[1].destination, "d");
  pairs = updateScriptPairs({"header", "a", "b", "odd"});  // a source line without destination
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(pairs[1].source, "odd");
  EXPECT_EQ(pairs[1].destination, "");
  EXPECT_TRUE(updateScriptPairs({"header"}).empty());
  EXPECT_TRUE(updateScriptPairs({}).empty());
}

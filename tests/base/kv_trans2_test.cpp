// The language-file parser: header rules, joining of lines, the first text and bad input.
#include "base/kv_trans2.h"

#include <gtest/gtest.h>

#include <string>

using scrubwell::KvTrans2;
using scrubwell::languageNameFromText;
using scrubwell::parseLanguageHeader;

namespace {

KvTrans2 loaded(const std::string& content) {
  KvTrans2 t;
  t.loadFromText(content);
  return t;
}

}  // namespace

TEST(LanguageHeader, RecognisesNumbersAndEndOnly) {
  long n = -1;
  EXPECT_TRUE(parseLanguageHeader("[0]", n));
  EXPECT_EQ(n, 0);
  EXPECT_TRUE(parseLanguageHeader("[00315]", n));
  EXPECT_EQ(n, 315);
  EXPECT_TRUE(parseLanguageHeader("[END]", n));
  EXPECT_EQ(n, 10000);
  EXPECT_TRUE(parseLanguageHeader("[99999999999999999999999]", n));
  EXPECT_GT(n, 10000);
  for (const char* content :
       {"[]", "[", "]", "[-1]", "[+1]", "[ 1]", "[1] ", "[1x]", "[end]", "x[1]", "[0x1F]", "1"})
    EXPECT_FALSE(parseLanguageHeader(content, n)) << content;
}

TEST(LanguageFile, StoresEachTextAtTheNextHeader) {
  KvTrans2 t = loaded("[0]\r\nENGLISH\r\n[1]\r\nScrubwell\r\n[2]\r\nfirst\r\nsecond\r\n[END]\r\n");
  EXPECT_EQ(t.text(0), "ENGLISH");
  EXPECT_EQ(t.text(1), "Scrubwell");
  EXPECT_EQ(t.text(2), "first\rsecond");  // lines joined with CR
  EXPECT_EQ(t.firstText(), "ENGLISH");
  EXPECT_EQ(t.text(3), "");
}

TEST(LanguageFile, TheLastTextNeedsAHeaderAfterIt) {
  KvTrans2 t = loaded("[0]\r\nENGLISH\r\n[5]\r\nlost\r\n");
  EXPECT_EQ(t.text(0), "ENGLISH");
  EXPECT_EQ(t.text(5), "");
  // [END] stores the text before it and starts text 10000, which itself is lost.
  t.loadFromText("[7]\r\nkept\r\n[END]\r\nafter the end\r\n");
  EXPECT_EQ(t.text(7), "kept");
  EXPECT_EQ(t.text(10000), "");
}

TEST(LanguageFile, TooLargeANumberDropsItsTextAndEveryLaterOne) {
  KvTrans2 t = loaded("[1]\r\none\r\n[10001]\r\nbig\r\n[2]\r\ntwo\r\n[3]\r\nthree\r\n[END]\r\n");
  EXPECT_EQ(t.text(1), "one");
  EXPECT_EQ(t.text(2), "");
  EXPECT_EQ(t.text(3), "");
  EXPECT_EQ(t.text(10000), "");
  // Text 10000 itself can be stored: it is the one [END] starts.
  t.loadFromText("[10000]\r\nlast\r\n[1]\r\n");
  EXPECT_EQ(t.text(10000), "last");
}

TEST(LanguageFile, ContentBeforeTheFirstHeaderIsTextZero) {
  KvTrans2 t = loaded("Deutsch\r\n[1]\r\nScrubwell\r\n[END]\r\n");
  EXPECT_EQ(t.text(0), "Deutsch");
  EXPECT_EQ(t.firstText(), "Deutsch");
  EXPECT_EQ(languageNameFromText("[0]\r\nDeutsch\r\n[1]\r\n"), "Deutsch");
  EXPECT_EQ(languageNameFromText("[0]"), "");
}

TEST(LanguageFile, FirstTextIsTheFirstNonEmptyStoredText) {
  KvTrans2 t = loaded("[0]\r\n[4]\r\nfour\r\n[2]\r\ntwo\r\n[END]\r\n");
  EXPECT_EQ(t.firstText(), "four");
}

TEST(LanguageFile, AcceptsLoneLineFeedsAndCarriageReturns) {
  KvTrans2 t = loaded("[1]\nunix\n[2]\rold mac\r[3]\r\n\r\nafter empty\r\n[END]");
  EXPECT_EQ(t.text(1), "unix");
  EXPECT_EQ(t.text(2), "old mac");
  EXPECT_EQ(t.text(3), "\rafter empty");  // an empty first line still counts
}

TEST(LanguageFile, LookupOutsideTheTableIsEmpty) {
  KvTrans2 t = loaded("[1]\r\none\r\n[END]\r\n");
  EXPECT_EQ(t.text(10001), "");
  EXPECT_EQ(t.text(-1), "");
  EXPECT_EQ(t.text(1 << 30), "");
}

TEST(LanguageFile, ALoadReplacesTheWholeTable) {
  KvTrans2 t = loaded("[1]\r\none\r\n[END]\r\n");
  t.loadFromText("[2]\r\ntwo\r\n[END]\r\n");
  EXPECT_EQ(t.text(1), "");
  EXPECT_EQ(t.text(2), "two");
  t.clear();
  EXPECT_EQ(t.text(2), "");
  EXPECT_EQ(t.firstText(), "");
}

TEST(LanguageFile, BinaryTruncatedAndHugeInputEndDefined) {
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 131) & 0xFF);
  KvTrans2 t = loaded(binary);
  EXPECT_EQ(t.text(10001), "");

  t.loadFromText("[1]\r\none\r\n[2]\r\ntw");  // cut off in the middle of the last text
  EXPECT_EQ(t.text(1), "one");
  EXPECT_EQ(t.text(2), "");

  std::string nul("[1]\r\na\0b\r\n[END]\r\n", 16);
  t.loadFromText(nul);
  EXPECT_EQ(t.text(1), std::string("a\0b", 3));

  // One very long text and many headers.
  std::string big = "[1]\r\n" + std::string(1 << 20, 'x') + "\r\n";
  for (int n = 0; n < 20000; ++n)
    big += "[" + std::to_string(n % 12000) + "]\r\nt" + std::to_string(n) + "\r\n";
  big += "[END]\r\n";
  t.loadFromText(big);
  EXPECT_EQ(t.text(1), "t1");  // the header [1] comes again and replaces the long text
  EXPECT_EQ(t.text(10000), "t10000");
  EXPECT_EQ(t.text(5), "t5");  // the second round, from [10001] on, is dropped
}

// The loose mask pre-filter: it may let through more than the system matches, never less.
#include "scan/mask_prefilter.h"

#include <gtest/gtest.h>

using namespace scrubwell;

TEST(MaskPrefilter, MatchesWhatTheFindFunctionsMatch) {
  const std::pair<const char*, const char*> yes[] = {
      {"*.tmp", "a.tmp"},
      {"*.tmp", "A.TMP"},
      {"*.TMP", "x.y.tmp"},
      {"*.~??", "doc.~1"},
      {"*.~??", "doc.~ab"},
      {"*.~mp", "x.~mp"},
      {"*.$$$", "setup.$$$"},
      {"SwapFile.*", "swapfile"},
      {"SwapFile.*", "SWAPFILE.SYS"},
      {"Chkdsk.chk", "CHKDSK.CHK"},
      {"a?c", "abc"},
      {"a?c", "ac"},
      {"a*z", "az"},
      {"a*z", "a.b.z"},
      {"*.*", "noext"},
      {"*.", "noext"},
      {"abc.", "abc"},
      {"*.tmp ", "a.tmp"},
      {"*.tmp.", "a.tmp"},
      {"*.b?k", "a.bk"},
      {"??", "a"},
      {"*", ""},
      {"a<b", "axxb"},
      {"\xE9*", "\xC9t\xE9.tmp"},
      {"\xB5.tmp", "?.tmp"},  // a character the code page cannot show
      {"*.*.*", "noext"},
      {"*..*", "a"},
      {"a *", "a"},
  };
  for (auto [mask, name] : yes) EXPECT_TRUE(mayMatch(mask, name)) << mask << " / " << name;
}

TEST(MaskPrefilter, RejectsWhatCannotMatch) {
  const std::pair<const char*, const char*> no[] = {
      {"*.tmp", "a.tmx"},      {"*.tmp", "tmp"},
      {"*.tmp", "a.tm"},       {"*.~??", "doc.txt"},
      {"a?c", "abbc"},         {"Chkdsk.chk", "chkdsk.chk1"},
      {"abc", "ab"},           {"a.b", "ab"},
      {"*.bak", "a.bak1"},     {"x", ""},
      {"sub\\*.tmp", "a.tmp"},
  };
  for (auto [mask, name] : no) EXPECT_FALSE(mayMatch(mask, name)) << mask << " / " << name;
}

TEST(MaskPrefilter, LongAndPathologicalMasksStayCheap) {
  std::string stars;
  for (int i = 0; i < 30; ++i) stars += "*?";
  stars += "x";
  std::string name(250, 'a');
  EXPECT_FALSE(mayMatch(stars, name));
  EXPECT_TRUE(mayMatch(stars, name + "x"));
  // Beyond the automaton's 63 positions the filter lets everything through.
  EXPECT_TRUE(mayMatch(std::string(100, 'q'), "anything"));
}

// The mask pre-filter against the system: over many masks and names (dots, no extension, "?",
// "*" in the middle, names longer than 8.3 that match only through their short names), every
// name FindFirstFile returns for a mask passes the pre-filter on its long or short name, and the
// walk that enumerates once finds exactly what the walk with a find per mask finds, in order.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "scan/junk_masks.h"
#include "scan/mask_prefilter.h"
#include "support/scratch.h"
#include "walk_support.h"

using namespace scrubwell;
using namespace scrubwell::test;

namespace {

const char* const kNames[] = {
    "plain.tmp",
    "report.bak",
    "report.bak1",
    "a.tmpx",
    "noext",
    "two.dots.tmp",
    "x.~1",
    "doc.~ab",
    "doc.~mp",
    "setup.$$$",
    "Chkdsk.chk",
    "chkdsk.chk.old",
    "SwapFile",
    "swapfile.sys",
    "swapfile.longext",
    "a long name with spaces.old",
    "verylongname.tmp",
    "verylongname.tm",
    "x.t",
    "x.tm",
    ".tmp",
    "abc.def.ghi",
    "ab",
    "a",
    "~tilde",
    "name~1.txt",
    "Bootlog.txt",
    "bootlog.txt.bak",
    "Modem.log",
    "scandisk.log",
    "caf\xE9.tmp",
    "\xC4rger.bak",
    "\x9Cuvre.old",
    "x.qdk",
    "file.umb",
    "file.umbx",
    "file.gid.txt",
    "weird;name.alt",
    "semi,colon.cor",
    "brackets[1].sik",
    "plus+sign.old",
    "1234567.890",
    "UPPER.SIK",
    "mixed.Tmp",
    "a.b.c.d",
    "x.tmp.tmp",
    "tmp",
    "\xDF.tmp",
    "old.bak.tmp",
    "backup.bakk",
    "data.ta",
    "e",
    "longer than eight",
    "dot.at.end.x",
    "space .tmp",
    "a..b",
};

const char* const kMasks[] = {
    "*.b?k",      "a*.tmp",       "*e*",   "*long*.tmp", "?.t*",       "??.*",  "*.",     "*.?",
    "*.??",       "x.t?",         "*~*",   "*~1*",       "REPORT~1.*", "*.TM?", "r*t.b*", "*.*.*",
    "s?apfile.*", "*e.*d",        "ab?",   "a?",         "*.b",        "*.c?",  "*.tmp*", "*1",
    "verylo~*",   "VERYLO~1.TMP", "*.ta",  "*.$?$",      "*[1]*",      "?????", "*.tmp.", "*.tmp ",
    "a.",         "noext.*",      "*.~*",  "*.~?",       "?",          "*.t",   "*.tm",   "*.bakk",
    "*.bak?",     "caf\xC9.*",    "\xE4*", "*\x8C*",     "*.*",        "*",     "x*.tm",  "*.?mp",
    "?ld.b*",     "a..b",         "*..*",
};

void writeNames(const std::string& folder) {
  for (const char* n : kNames) ASSERT_TRUE(writeFile(folder + n, "junk")) << n;
}

// Fails when the system returns a name for `mask` in `folder` that the pre-filter rejects.
void expectPrefilterKeeps(const std::string& folder, const std::string& mask) {
  MaskPrefilter filter(mask);
  for (const auto& f : systemMatches(folder + mask)) {
    EXPECT_TRUE(filter.mayMatch(f.name) || (!f.shortName.empty() && filter.mayMatch(f.shortName)))
        << "mask \"" << mask << "\" dropped \"" << f.name << "\" (short \"" << f.shortName << "\")";
  }
}

std::vector<std::string> allMasks() {
  std::vector<std::string> masks = defaultJunkMasks();
  masks.insert(masks.end(), std::begin(kMasks), std::end(kMasks));
  return masks;
}

}  // namespace

TEST(PrefilterAgainstSystem, NeverDropsANameTheSystemReturns) {
  ScratchFolder dir('D');
  writeNames(dir.path());
  size_t systemHits = 0;
  for (const auto& mask : allMasks()) {
    expectPrefilterKeeps(dir.path(), mask);
    systemHits += systemMatches(dir / mask).size();
  }
  EXPECT_GT(systemHits, 100u);  // the names and masks really overlap
}

TEST(PrefilterAgainstSystem, ShortNamesMatchToo) {
  // The system matches "*.bak" against report.bak1 through its short name; so must the filter,
  // so that the extension guard (not the filter) is what keeps it out.
  ScratchFolder dir('D');
  ASSERT_TRUE(writeFile(dir / "report.bak1", "x"));
  auto hits = systemMatches(dir / "*.bak");
  ASSERT_EQ(hits.size(), 1u) << "the system no longer matches through short names";
  EXPECT_FALSE(mayMatch("*.bak", hits[0].name));
  EXPECT_TRUE(mayMatch("*.bak", hits[0].shortName)) << hits[0].shortName;
}

TEST(PrefilterAgainstSystem, RandomNamesAndMasks) {
  ScratchFolder dir('D');
  std::mt19937 rnd(20261208);
  const std::string nameChars = "ab.~x$1 ";
  const std::string maskChars = "ab.~x$1*?";
  std::set<std::string> names;
  while (names.size() < 300) {
    std::string n;
    size_t len = 1 + rnd() % 14;
    for (size_t i = 0; i < len; ++i) n += nameChars[rnd() % nameChars.size()];
    // The system drops trailing blanks and dots from names; keep names as they will be stored.
    while (!n.empty() && (n.back() == '.' || n.back() == ' ')) n.pop_back();
    if (!n.empty() && n[0] != ' ') names.insert(n);
  }
  for (const auto& n : names) ASSERT_TRUE(writeFile(dir / n, "")) << n;
  for (int i = 0; i < 400; ++i) {
    std::string m;
    size_t len = 1 + rnd() % 8;
    for (size_t k = 0; k < len; ++k) m += maskChars[rnd() % maskChars.size()];
    expectPrefilterKeeps(dir.path(), m);
  }
}

TEST(WalkAgainstNaiveWalk, SameMatchesInTheSameOrder) {
  ScratchFolder dir('D');
  writeNames(dir.path());
  for (const char* sub : {"sub\\", "a long folder name\\", "dotted.folder.tmp\\", "sub\\deeper\\",
                          "sub\\deeper\\deepest\\", "empty\\"}) {
    if (std::string(sub) == "empty\\") {
      ASSERT_TRUE(makeFolders(dir / sub));
      continue;
    }
    writeNames(dir / sub);
  }
  std::vector<std::string> masks = allMasks();
  masks.erase(std::remove_if(masks.begin(), masks.end(),
                             [](const std::string& m) { return m == "*.*" || m == "*"; }),
              masks.end());
  WalkResult once = runWalk(dir.path(), masks);
  WalkResult naive = runWalk(dir.path(), masks, {}, {}, MaskWalk::Strategy::findPerMask);
  ASSERT_TRUE(once.completed && naive.completed);
  EXPECT_EQ(once.paths, naive.paths);
  EXPECT_GT(once.paths.size(), 500u);
  // The point of enumerating once: far fewer finds.
  EXPECT_LT(once.stats.maskFinds, naive.stats.maskFinds);
  EXPECT_EQ(once.stats.folders, naive.stats.folders);
}

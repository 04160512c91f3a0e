// The system URL cache under Wine, seeded with page (http, https), ftp, file, cookie and visited
// entries: over the four box combinations exactly the expected entries remain, and the freed
// space is the sum of what went.
#include <gtest/gtest.h>

#include <windows.h>
#include <wininet.h>

#include "browser/browser_cleanup.h"
#include "browser/url_cache_support.h"
#include "support/fake_seams.h"

using namespace scrubwell;
using namespace scrubwell::test;

namespace {

struct Seed {
  const char* address;
  size_t bytes;
  bool stays[4];  // neither box, cookies, history, both
};

const Seed kSeeds[] = {
    {"http://pages.test/index.htm", 3000, {false, false, false, false}},
    {"https://secure.test/app.js", 5000, {false, false, false, false}},
    {"ftp://files.test/readme.txt", 700, {true, true, true, true}},
    {"file:///C:/local/page.htm", 800, {true, true, true, true}},
    {"Cookie:user@pages.test/", 90, {true, false, true, false}},
    {"Visited: user@http://pages.test/index.htm", 60, {true, true, false, false}},
};

}  // namespace

TEST(UrlCacheCleanup, EachBoxCombinationLeavesExactlyTheExpectedEntries) {
  ScopedSeams seams;
  for (int combo = 0; combo < 4; ++combo) {
    const BrowserOptions options{(combo & 1) != 0, (combo & 2) != 0};
    SCOPED_TRACE("cookies=" + std::to_string(options.cookies) +
                 " history=" + std::to_string(options.history));
    for (const Seed& s : kSeeds) ASSERT_TRUE(seedUrlCacheEntry(s.address, s.bytes)) << s.address;
    const std::set<std::string> seeded = urlCacheAddresses();
    for (const Seed& s : kSeeds) ASSERT_TRUE(seeded.count(s.address)) << s.address;

    BrowserTraces traces = findBrowserTraces(options);
    traces.profiles.clear();  // the profiles are tested on their own
    NoUrlHistory history;
    const BrowserCleaning done = removeBrowserTraces(traces, options, history, seams.clock, {});

    const std::set<std::string> left = urlCacheAddresses();
    int64_t expectedFreed = 0;
    for (const Seed& s : kSeeds) {
      EXPECT_EQ(left.count(s.address) != 0, s.stays[combo]) << s.address;
      if (!s.stays[combo]) expectedFreed += s.bytes;
    }
    for (const std::string& a : left)
      EXPECT_FALSE(a.rfind("http", 0) == 0) << "a page entry stayed: " << a;
    EXPECT_GE(done.freedBytes, expectedFreed);  // pages from other runs in this prefix may go too
    EXPECT_EQ(done.leftovers, 0);
    EXPECT_EQ(done.removed, traceLines(traces));
    EXPECT_TRUE(seams.clock.systemTimeRequests().empty());
  }
}

TEST(UrlCacheCleanup, AnEntryAlreadyGoneIsNeitherCountedNorListedAsRemoved) {
  ScopedSeams seams;
  ASSERT_TRUE(seedUrlCacheEntry("http://gone.test/a.htm", 4096));
  ASSERT_TRUE(seedUrlCacheEntry("http://stays.test/b.htm", 2048));
  BrowserTraces traces;
  traces.urlEntries = {{"http://gone.test/a.htm", 4096}, {"http://stays.test/b.htm", 2048}};
  ASSERT_TRUE(DeleteUrlCacheEntryA("http://gone.test/a.htm"));
  NoUrlHistory history;
  const BrowserCleaning done = removeBrowserTraces(traces, {}, history, seams.clock, {});
  EXPECT_EQ(done.freedBytes, 2048);
  EXPECT_EQ(done.leftovers, 1);
  EXPECT_EQ(done.removed, std::vector<std::string>{"http://stays.test/b.htm"});
}

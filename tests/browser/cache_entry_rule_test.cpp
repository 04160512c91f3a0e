// Which URL cache entries the browser clean-up takes under each of the four box combinations,
// and the freed-space text.
#include <gtest/gtest.h>

#include "browser/cache_entry_rule.h"
#include "scan/size_text.h"

using scrubwell::BrowserOptions;
using scrubwell::urlCacheEntryGoes;

TEST(CacheEntryRule, PagesAlwaysCookiesAndVisitedOnlyWithTheirBox) {
  struct Case {
    const char* address;
    bool goes[4];  // neither box, cookies, history, both
  };
  const Case cases[] = {
      {"http://example.test/page.htm", {true, true, true, true}},
      {"HTTPS://example.test/", {true, true, true, true}},
      {"hTtP://mixed.case/", {true, true, true, true}},
      {"ftp://example.test/file.zip", {false, false, false, false}},
      {"file:///C:/local.htm", {false, false, false, false}},
      {"Cookie:user@example.test/", {false, true, false, true}},
      {"cookie:user@example.test/", {false, true, false, true}},
      {"Visited: user@http://example.test/", {false, false, true, true}},
      {"", {false, false, false, false}},
      {"HTT", {false, false, false, false}},
      {"Cookie", {false, true, false, true}},
  };
  for (const Case& c : cases)
    for (int combo = 0; combo < 4; ++combo) {
      const BrowserOptions options{(combo & 1) != 0, (combo & 2) != 0};
      EXPECT_EQ(urlCacheEntryGoes(c.address, options), c.goes[combo])
          << c.address << " cookies=" << options.cookies << " history=" << options.history;
    }
}

TEST(CacheEntryRule, FreedSpaceIsWholeKilobytesFollowedByKb) {
  EXPECT_EQ(scrubwell::kilobyteText(0), "0kb");
  EXPECT_EQ(scrubwell::kilobyteText(1023), "0kb");
  EXPECT_EQ(scrubwell::kilobyteText(12 * 1024 + 1023), "12kb");
  EXPECT_EQ(scrubwell::kilobyteText(5LL * 1024 * 1024 * 1024), "5242880kb");  // past 32 bits
}

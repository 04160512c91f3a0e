// The search-icon choice: the six sets by their entries, and "random" over many fresh seeds.
#include "options/search_icon_set.h"

#include <gtest/gtest.h>

#include <array>

namespace scrubwell {
namespace {

TEST(SearchIconSet, EntriesNameTheirSetsAndRandomFavoursTheFirstTwo) {
  for (int entry = 0; entry < kSearchIconSets; ++entry) EXPECT_EQ(searchIconSetFor(entry, 7), entry);
  std::array<int, kSearchIconSets> seen{};
  for (unsigned seed = 1; seed <= 8000; ++seed) {
    int set = searchIconSetFor(kSearchIconSets, seed * 2654435761u);
    ASSERT_GE(set, 0);
    ASSERT_LT(set, kSearchIconSets);
    ++seen[static_cast<size_t>(set)];
  }
  // 8000 draws: sets 0 and 1 about 2000 each, sets 2 to 5 about 1000 each.
  for (int set : {0, 1}) EXPECT_NEAR(seen[static_cast<size_t>(set)], 2000, 250) << set;
  for (int set : {2, 3, 4, 5}) EXPECT_NEAR(seen[static_cast<size_t>(set)], 1000, 200) << set;
  EXPECT_EQ(searchIconSetFor(kSearchIconSets, 42), searchIconSetFor(kSearchIconSets, 42));
}

}  // namespace
}  // namespace scrubwell

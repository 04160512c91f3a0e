// Which search-icon set a choice in the options window shows: entries 0 to 5 are the sets
// themselves; the last entry ("random") draws a number from 0 to 7 from a generator seeded
// freshly with `seed`, where 6 and 7 stand for the sets 0 and 1 (so those two come up twice as
// often as the others).
#pragma once

namespace scrubwell {

inline constexpr int kSearchIconSets = 6;

int searchIconSetFor(int chosenEntry, unsigned seed);

}  // namespace scrubwell

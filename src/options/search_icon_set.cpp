#include "options/search_icon_set.h"

#include <random>

namespace scrubwell {

int searchIconSetFor(int chosenEntry, unsigned seed) {
  if (chosenEntry < kSearchIconSets) return chosenEntry < 0 ? 0 : chosenEntry;
  std::minstd_rand generator(seed);
  const int n = std::uniform_int_distribution<int>(0, 7)(generator);
  return n >= kSearchIconSets ? n - kSearchIconSets : n;
}

}  // namespace scrubwell

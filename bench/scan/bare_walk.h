// The bare enumeration the walk benchmarks measure the scans against: a plain depth-first
// FindFirstFileA/FindNextFileA walk that only counts, with nothing a scan adds.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace scrubwell::bench {

struct Bare {
  size_t files = 0, folders = 0;
  // When it has capacity: the long and short names of the files (for the pre-filter timing).
  std::vector<std::string> names;
};

// Walks `folder` (ending with "\") and everything below it.
void bareWalk(const std::string& folder, Bare& b);
// The same into a fresh `b`, timed: its seconds.
double timedBareWalk(const std::string& folder, Bare& b);

}  // namespace scrubwell::bench

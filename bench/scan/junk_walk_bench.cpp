// The junk search against a bare enumeration, on a generated tree of about 105,000 files in
// 5,000 folders on drive D: (the private prefix's own drive): files per second of a plain
// FindFirstFile/FindNextFile walk, of the walk that enumerates each folder once, and of the walk
// with a find per mask, and whether the two walks found the same.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bare_walk.h"
#include "bench_timer.h"
#include "junk_tree.h"
#include "scan/junk_masks.h"
#include "scan/mask_walk.h"

using namespace scrubwell;
using bench::Bare;
using bench::bareWalk;

namespace {

struct Run {
  std::vector<std::string> paths;
  MaskWalk::Stats stats;
  double seconds = 0;
};

Run junkWalk(const std::string& root, MaskWalk::Strategy strategy,
             const std::vector<std::string>& masks = defaultJunkMasks()) {
  static const SearchExceptions exceptions(defaultSearchExceptions());
  ProcessFlag cancel;
  MaskWalk walk(masks, exceptions, {}, cancel, nullptr);
  walk.setStrategy(strategy);
  Run r;
  bench::Stopwatch t;
  walk.walk(root, [&r](const std::string& p, int64_t) { r.paths.push_back(p); });
  r.seconds = t.seconds();
  r.stats = walk.stats();
  return r;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string root = argc > 1 ? argv[1] : "D:\\bench-tree\\";
  bench::TreeShape shape;
  bench::Stopwatch t;
  bench::TreeCounts made = bench::makeJunkTree(root, shape);
  std::printf("tree: %zu folders, %zu files, %zu junk, %zu look-alikes (made in %.1f s)\n",
              made.folders, made.files, made.junk, made.lookAlikes, t.seconds());

  double bareSeconds = 1e30, onceSeconds = 1e30;
  Bare bare;
  Run once;
  for (int round = 1; round <= 3; ++round) {
    bare = Bare{};
    t.restart();
    bareWalk(root, bare);
    double b = t.seconds();
    once = junkWalk(root, MaskWalk::Strategy::enumerateOnce);
    std::printf("round %d: bare %.2f s (%.0f files/s), junk search %.2f s (%.0f files/s)\n", round,
                b, bare.files / b, once.seconds, bare.files / once.seconds);
    if (b < bareSeconds) bareSeconds = b;
    if (once.seconds < onceSeconds) onceSeconds = once.seconds;
  }
  Run naive = junkWalk(root, MaskWalk::Strategy::findPerMask);
  // The walk's own cost beside the system's: 17 masks that match nothing, so no mask finds.
  std::vector<std::string> none;
  for (int i = 0; i < 17; ++i) none.push_back("*.q" + std::to_string(10 + i));
  Run idle = junkWalk(root, MaskWalk::Strategy::enumerateOnce, none);
  // The pre-filter's own share: every mask against every long and short name.
  Bare named;
  named.names.reserve(2 * bare.files);
  bareWalk(root, named);
  std::vector<MaskPrefilter> filters;
  for (const auto& m : defaultJunkMasks()) filters.emplace_back(m);
  t.restart();
  size_t maybe = 0;
  for (const auto& n : named.names)
    for (const auto& f : filters) maybe += f.mayMatch(n);
  std::printf("pre-filter alone:      %zu names x %zu masks, %.3f s, %zu pass\n",
              named.names.size(), filters.size(), t.seconds(), maybe);
  std::printf("bare enumeration:      %zu files, %zu folders, %.2f s, %.0f files/s\n", bare.files,
              bare.folders, bareSeconds, bare.files / bareSeconds);
  std::printf("junk search (once):    %zu found, %llu mask finds, %.2f s, %.0f files/s\n",
              once.paths.size(), static_cast<unsigned long long>(once.stats.maskFinds), onceSeconds,
              bare.files / onceSeconds);
  std::printf("junk search (naive):   %zu found, %llu mask finds, %.2f s, %.0f files/s\n",
              naive.paths.size(), static_cast<unsigned long long>(naive.stats.maskFinds),
              naive.seconds, bare.files / naive.seconds);
  std::printf("walk, masks never match: %.2f s, %.0f files/s\n", idle.seconds,
              bare.files / idle.seconds);
  std::printf("junk search / bare:    %.2f (best of 3 each)\n", bareSeconds / onceSeconds);
  std::printf("identical to naive:    %s\n", once.paths == naive.paths ? "yes" : "NO");
  return once.paths == naive.paths ? 0 : 1;
}

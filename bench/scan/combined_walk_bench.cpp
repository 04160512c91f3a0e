// The multi-clean's combined walk against a bare enumeration, in one run: on the junk-walk
// benchmark's tree shape (5,000 folders of 21 files on drive D:, the private prefix's own drive),
// with the files holding a few bytes except 20,000 empty ones, 1,000 shortcuts (half broken) and
// a temporary folder of 500 files that TEMP names. Prints, best of 3 interleaved rounds each, the
// seconds and files per second of a plain FindFirstFile/FindNextFile walk, of the junk search
// alone and of the combined walk of all five file scans (each as the product runs it, into a
// fresh system result list), the ratio of each to the bare walk, and the time of 100,000 unique
// adds (the hash-set lookups that keep each path once).
#include <windows.h>
#include <objbase.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bare_walk.h"
#include "bench_timer.h"
#include "junk_tree.h"
#include "base/file_ops.h"
#include "scan/cancel_flag.h"
#include "scan/combined_walk.h"
#include "scan/junk_masks.h"
#include "scan/junk_search.h"
#include "scan/system_result_list.h"
#include "scan/unique_findings.h"

using namespace scrubwell;
using bench::Best;

namespace {

constexpr double kTarget = 0.6;  // the combined walk should reach this share of the bare speed
constexpr double kUniqueAddsTarget = 0.2;  // seconds for 100,000 unique adds
constexpr int kRounds = 3;
constexpr DWORD kSliceMs = 15;  // the walks' default progress slice
const char kDrive[] = "D:\\";
const char kRoot[] = "D:\\bench-tree\\";

// 500 files in a temporary folder of the tree, which TEMP then names.
std::string makeTemporaryFolder() {
  const std::string temp = std::string(kRoot) + "Local Temp\\";
  CreateDirectoryA(temp.c_str(), nullptr);
  for (int i = 0; i < 500; ++i)
    writeWholeFile(temp + "~setup" + std::to_string(i) + ".dat", "installer leftovers");
  SetEnvironmentVariableA("TEMP", temp.c_str());
  return temp;
}

}  // namespace

int main() {
  CoInitialize(nullptr);
  bench::TreeShape shape;  // 5,000 folders of 21 files, as the junk walk benchmark makes
  shape.fileBytes = 100;
  shape.zeroByteFiles = 20000;
  shape.shortcuts = 1000;
  bench::Stopwatch t;
  const bench::TreeCounts made = bench::makeJunkTree(kRoot, shape);
  makeTemporaryFolder();
  std::printf(
      "tree %s: %zu folders, %zu files: %zu zero-byte, %zu shortcuts (%zu broken), %zu junk, "
      "500 in TEMP (made in %.1f s)\n",
      kRoot, made.folders, made.files, made.zeroByte, made.shortcuts, made.brokenShortcuts,
      made.junk, t.seconds());

  const DriveScanInputs inputs{{kDrive}, defaultJunkMasks(), defaultSearchExceptions(), {}};
  const std::vector<CleanupId> all = {CleanupId::junkSearch, CleanupId::brokenShortcuts,
                                      CleanupId::zeroByteFiles, CleanupId::temporaryFolder,
                                      CleanupId::duplicateFiles};
  Best bareBest, junkBest, combinedBest;
  bench::Bare bare;
  size_t junkFound = 0, combinedFound = 0;
  for (int round = 1; round <= kRounds; ++round) {
    const double b = bench::timedBareWalk(kDrive, bare);
    bareBest.take(b);

    ProcessFlag cancel;
    ResultList junk = makeSystemResultList();
    t.restart();
    runJunkSearch(inputs, junk, cancel, nullptr, kSliceMs);
    const double j = t.seconds();
    junkBest.take(j);
    junkFound = junk.size();

    ResultList combined = makeSystemResultList();
    t.restart();
    runCombinedWalk(all, inputs, combined, cancel, nullptr, kSliceMs);
    const double c = t.seconds();
    combinedBest.take(c);
    combinedFound = combined.size();
    std::printf("round %d: bare %.2f s, junk search %.2f s (%.2f), combined walk %.2f s (%.2f)\n",
                round, b, j, b / j, c, b / c);
  }

  // Where the time goes: each scan's rules alone on the same walk, and the list of the combined
  // walk's findings built on its own (sort keys, rows).
  std::printf("\nwhere the time goes (one run each; ratio = best bare / piece):\n");
  for (CleanupId id : all) {
    ProcessFlag cancel;
    ResultList alone = makeSystemResultList();
    t.restart();
    runCombinedWalk({id}, inputs, alone, cancel, nullptr, kSliceMs);
    const double seconds = t.seconds();
    std::printf("  %-28s %7zu found %7.3f s  ratio %.2f\n",
                std::string(cleanup(id).commandName).c_str(), alone.size(), seconds,
                bareBest.seconds / seconds);
  }
  {
    ProcessFlag cancel;
    ResultList combined = makeSystemResultList();
    runCombinedWalk(all, inputs, combined, cancel, nullptr, kSliceMs);
    std::vector<std::pair<std::string, int64_t>> found;
    for (size_t i = 0; i < combined.size(); ++i)
      found.emplace_back(combined.path(i), combined.fileSize(i));
    t.restart();
    ResultList rebuilt = makeSystemResultList();
    for (const auto& [path, size] : found) rebuilt.add(path, size, true);
    rebuilt.rebuildRows(systemFileSize);
    std::printf("  %-28s %7zu rows  %7.3f s\n", "the list alone (add, rows)", found.size(),
                t.seconds());
  }

  // 100,000 unique adds: each path new, then each once more (found again by another scan).
  std::vector<std::string> paths;
  for (int i = 0; i < 100000; ++i)
    paths.push_back(std::string(kRoot) + "folder " + std::to_string(i / 20) + "\\file " +
                    std::to_string(i) + ".tmp");
  ResultList empty = makeSystemResultList();
  Best addsBest, againBest;
  for (int round = 1; round <= kRounds; ++round) {
    UniqueFindings found(empty);
    t.restart();
    for (const auto& p : paths) found.add(p, 0, true);
    addsBest.take(t.seconds());
    t.restart();
    for (const auto& p : paths) found.add(p, 0, false);
    againBest.take(t.seconds());
  }

  const double files = static_cast<double>(bare.files), bs = bareBest.seconds;
  std::printf("\nbest of %d rounds each; ratio = bare seconds / walk seconds\n", kRounds);
  std::printf("%-18s %8s %9s %10s %8s\n", "", "found", "seconds", "files/s", "ratio");
  std::printf("%-18s %8zu %9.3f %10.0f %8.2f\n", "bare enumeration", bare.files, bs, files / bs,
              1.0);
  std::printf("%-18s %8zu %9.3f %10.0f %8.2f\n", "junk search", junkFound, junkBest.seconds,
              files / junkBest.seconds, bs / junkBest.seconds);
  const double ratio = bs / combinedBest.seconds;
  std::printf("%-18s %8zu %9.3f %10.0f %8.2f  target %.2f: %s\n", "combined walk", combinedFound,
              combinedBest.seconds, files / combinedBest.seconds, ratio, kTarget,
              ratio >= kTarget ? "met" : "NOT met");
  std::printf("100,000 unique adds: %.3f s (target %.1f s: %s); the same paths again: %.3f s\n",
              addsBest.seconds, kUniqueAddsTarget,
              addsBest.seconds <= kUniqueAddsTarget ? "met" : "NOT met", againBest.seconds);
  CoUninitialize();
  return 0;
}

// The three drive scans against a bare enumeration of the same drive, in one run: on a generated
// tree of about 100,000 files in 5,000 folders on drive D: (the private prefix's own drive, which
// holds nothing else), with 20,000 zero-byte files and 5,000 shortcut files of which half are
// broken. Prints the files per second of a plain FindFirstFile/FindNextFile walk, of the junk
// search, the zero-byte scan and the broken-shortcut scan (each as the product runs it: the whole
// drive, the default masks and exceptions, a fresh system result list), each scan's ratio to the
// bare walk (best of 3 interleaved rounds each, since the machine is shared), what each scan
// found against what the tree holds, and where the time of the scans goes.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "bare_walk.h"
#include "bench_timer.h"
#include "junk_tree.h"
#include "base/data_folder.h"
#include "base/file_ops.h"
#include "platform/handles.h"
#include "scan/broken_shortcut.h"
#include "scan/cancel_flag.h"
#include "scan/drive_scans.h"
#include "scan/drive_walk.h"
#include "scan/junk_masks.h"
#include "scan/junk_search.h"
#include "scan/listing_scope.h"
#include "scan/mask_prefilter.h"
#include "scan/shell_link_format.h"
#include "scan/shortcut_scan.h"
#include "scan/system_result_list.h"
#include "scan/zero_byte_scan.h"

using namespace scrubwell;
using bench::Best;

namespace {

constexpr double kTarget = 0.8;  // each scan should reach this share of the bare walk's speed
constexpr DWORD kSliceMs = 15;   // the scans' default progress slice

const char kDrive[] = "D:\\";
const char kRoot[] = "D:\\scan-tree\\";

// True when the drive holds nothing yet: every scan walks all of it, so anything else there
// would count in every figure.
bool driveIsEmpty(const std::string& drive) {
  WIN32_FIND_DATAA d;
  HANDLE h = FindFirstFileA((drive + "*").c_str(), &d);
  if (h == INVALID_HANDLE_VALUE) return true;
  bool empty = true;
  do {
    if (std::strcmp(d.cFileName, ".") && std::strcmp(d.cFileName, "..")) empty = false;
  } while (empty && FindNextFileA(h, &d));
  FindClose(h);
  return empty;
}

using Scan = std::function<void(const DriveScanInputs&, ResultList&, ProcessFlag&)>;

struct ScanRun {
  double seconds = 0;
  ResultList list = makeSystemResultList();
};

// One scan as the product runs it, into a fresh result list.
void runScan(const Scan& scan, const DriveScanInputs& inputs, ScanRun& run) {
  run.list = makeSystemResultList();
  ProcessFlag cancel;
  bench::Stopwatch t;
  scan(inputs, run.list, cancel);
  run.seconds = t.seconds();
}

// Rules for the shared walk: a scan's own entry test, then `then` with the path of each entry
// that passes (nothing when empty), and nothing else.
class TestRules : public FolderRules {
 public:
  using Test = std::function<bool(const std::string&, const WIN32_FIND_DATAA&)>;
  using Then = std::function<void(std::string)>;
  TestRules(Test test, bool skipHiddenAndSystem, Then then = {})
      : test_(std::move(test)), skipHiddenAndSystem_(skipHiddenAndSystem), then_(std::move(then)) {}
  void entry(const std::string& folder, const WIN32_FIND_DATAA& entry) override {
    if (!test_ || !test_(folder, entry)) return;
    if (then_) then_(folder + entry.cFileName);
  }
  bool entersFolder(const WIN32_FIND_DATAA& entry) const override {
    return !skipHiddenAndSystem_ || zeroByteScanEnters(entry);
  }

 private:
  Test test_;
  bool skipHiddenAndSystem_;
  Then then_;
};

// The shared drive walk with `rules`, timed.
double timeWalk(const DriveScanInputs& in, const ListingScope& scope, FolderRules& rules,
                bool withNetworkDrives) {
  ProcessFlag cancel;
  DriveWalk walk(scope.exceptions(), cancel, nullptr);
  walk.setSliceMs(kSliceMs);
  bench::Stopwatch t;
  walk.walkDrives(in.driveRoots, withNetworkDrives, rules);
  return t.seconds();
}

// A fresh result list filled with `paths` (sizes known, as the zero-byte scan passes them) and
// its rows rebuilt, timed: the list's share of a scan.
double timeList(const std::vector<std::string>& paths, int64_t knownSize) {
  bench::Stopwatch t;
  ResultList list = makeSystemResultList();
  for (const auto& p : paths) list.add(p, knownSize, true);
  list.rebuildRows(systemFileSize);
  return t.seconds();
}

// The folder part of `path`, ending with "\".
std::string folderOf(const std::string& path) {
  return path.substr(0, path.find_last_of('\\') + 1);
}

// The finds of a single mask the junk search makes, as far as its results tell them: each folder
// with each mask that one of the files found there may match. Returns the pairs (folder + mask).
std::vector<std::string> maskFindsOf(const ResultList& found,
                                     const std::vector<MaskPrefilter>& filters) {
  std::set<std::string> pairs;
  for (size_t i = 0; i < found.size(); ++i) {
    const std::string& p = found.path(i);
    const std::string folder = folderOf(p), name = p.substr(folder.size());
    for (const auto& f : filters)
      if (f.mayMatch(name)) pairs.insert(folder + f.mask());
  }
  return {pairs.begin(), pairs.end()};
}

// Each of `patterns` asked of the system (FindFirstFileA to the end), timed.
double timeFinds(const std::vector<std::string>& patterns) {
  bench::Stopwatch t;
  WIN32_FIND_DATAA d;
  for (const auto& pattern : patterns) {
    HANDLE h = FindFirstFileA(pattern.c_str(), &d);
    if (h == INVALID_HANDLE_VALUE) continue;
    while (FindNextFileA(h, &d)) {
    }
    FindClose(h);
  }
  return t.seconds();
}

// Every mask's pre-filter against every long and short name, timed.
double timePrefilter(const std::vector<std::string>& names,
                     const std::vector<MaskPrefilter>& filters, size_t& passed) {
  bench::Stopwatch t;
  passed = 0;
  for (const auto& n : names)
    for (const auto& f : filters) passed += f.mayMatch(n);
  return t.seconds();
}

// The steps the broken-shortcut test takes for each shortcut, each step over all shortcuts
// and timed on its own.
struct LoadSteps {
  double whole = 0;       // BrokenShortcutTest::isBroken of every shortcut, one test object
  double attributes = 0;  // GetFileAttributesA of the shortcut file
  double read = 0;        // reading the file and its bounds check
  double load = 0;        // IPersistFile::Load and IShellLinkW::GetPath, one object
  double target = 0;      // GetFileAttributesW of each target
  size_t broken = 0, wellFormed = 0, withTarget = 0;
};

LoadSteps timeLoadSteps(const std::vector<std::string>& shortcuts) {
  LoadSteps s;
  bench::Stopwatch t;
  {
    BrokenShortcutTest test;
    for (const auto& p : shortcuts) s.broken += test.isBroken(p);
  }
  s.whole = t.seconds();

  t.restart();
  size_t present = 0;
  for (const auto& p : shortcuts)
    present += GetFileAttributesA(p.c_str()) != INVALID_FILE_ATTRIBUTES;
  s.attributes = t.seconds();
  (void)present;

  t.restart();
  std::string bytes;
  for (const auto& p : shortcuts)
    s.wellFormed += readFileBytes(p, bytes, kMaxShellLinkBytes + 1) && isWellFormedShellLink(bytes);
  s.read = t.seconds();

  std::vector<std::wstring> targets;
  targets.reserve(shortcuts.size());
  const bool comStarted = SUCCEEDED(CoInitialize(nullptr));
  {
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
    t.restart();
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   link.putVoid())) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.putVoid()))) {
      for (const auto& p : shortcuts) {
        wchar_t buffer[MAX_PATH] = {};
        if (SUCCEEDED(file->Load(bench::wide(p).c_str(), STGM_READ)) &&
            link->GetPath(buffer, MAX_PATH, nullptr, SLGP_UNCPRIORITY) == S_OK && buffer[0])
          targets.emplace_back(buffer);
      }
    }
    s.load = t.seconds();
  }
  if (comStarted) CoUninitialize();
  s.withTarget = targets.size();

  t.restart();
  size_t missing = 0;
  for (const auto& target : targets)
    missing += GetFileAttributesW(target.c_str()) == INVALID_FILE_ATTRIBUTES;
  s.target = t.seconds();
  (void)missing;
  return s;
}

const char* verdict(double ratio) { return ratio >= kTarget ? "ok" : "BELOW"; }

bool aboutEqual(size_t found, size_t expected) {
  const double diff = found > expected ? found - expected : expected - found;
  return diff <= 0.01 * static_cast<double>(expected) + 1;
}

}  // namespace

int main(int argc, char** argv) {
  // The rounds of each measurement (3 unless given), interleaved; the best of them counts.
  const int kRounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  if (!driveIsEmpty(kDrive)) {
    std::printf(
        "%s is not empty: every scan walks the whole drive, so it must hold only the "
        "generated tree\n",
        kDrive);
    return 2;
  }
  bench::TreeShape shape;
  shape.folders = 5000;
  shape.filesPerFolder = 19;  // with the shortcuts, 100,000 files
  shape.fileBytes = 100;
  shape.zeroByteFiles = 20000;
  shape.shortcuts = 5000;
  shape.pifShare = 0.05;
  shape.brokenShortcutShare = 0.5;
  bench::Stopwatch t;
  const bench::TreeCounts made = bench::makeJunkTree(kRoot, shape);
  const double makeSeconds = t.seconds();
  std::printf(
      "tree %s: %zu folders, %zu files: %zu zero-byte (%zu of them protected or excepted "
      "names), %zu shortcuts (%zu .pif, %zu broken, %zu not saved), %zu junk, %zu "
      "look-alikes\n",
      kRoot, made.folders, made.files, made.zeroByte, made.zeroByteNeverListed, made.shortcuts,
      made.pifs, made.brokenShortcuts, made.shortcutsFailed, made.junk, made.lookAlikes);
  std::printf("tree made in %.1f s\n", makeSeconds);

  const DriveScanInputs inputs{
      {kDrive}, defaultJunkMasks(), defaultSearchExceptions(), backupFolderPath()};
  uint64_t maskFinds = 0;
  const Scan junk = [&maskFinds](const DriveScanInputs& in, ResultList& list, ProcessFlag& cancel) {
    maskFinds = runJunkSearch(in, list, cancel, nullptr, kSliceMs).stats.maskFinds;
  };
  const Scan zero = [](const DriveScanInputs& in, ResultList& list, ProcessFlag& cancel) {
    runZeroByteScan(in, list, cancel, nullptr, kSliceMs);
  };
  const Scan shortcuts = [](const DriveScanInputs& in, ResultList& list, ProcessFlag& cancel) {
    runBrokenShortcutScan(in, list, cancel, nullptr, kSliceMs);
  };

  // The pieces of the scans, measured in the same rounds.
  const ListingScope scope(inputs.exceptions, inputs.backupFolder);
  const auto zeroTest = [&scope](const std::string& folder, const WIN32_FIND_DATAA& e) {
    return isListedZeroByteFile(folder, e, scope);
  };
  const auto shortcutTest = [&scope](const std::string& folder, const WIN32_FIND_DATAA& e) {
    return isListableShortcut(folder, e, scope);
  };

  Best bareBest, junkBest, zeroBest, shortcutBest;
  Best prefilterBest, junkListBest, findsBest;
  Best walkBest, zeroTestBest, zeroListBest, candidateBest, inWalkBest, inWalkLoadBest;
  Best loadWhole, loadAttributes, loadRead, loadLoad, loadTarget;
  bench::Bare bare;
  ScanRun junkRun, zeroRun, shortcutRun;
  std::vector<std::string> zeroPaths, candidates;
  size_t inWalkBroken = 0;
  LoadSteps steps;
  std::vector<MaskPrefilter> filters;
  for (const auto& m : inputs.masks) filters.emplace_back(m);
  bench::Bare named;  // the names of every file, for the pre-filter timing
  named.names.reserve(220000);
  bench::bareWalk(kDrive, named);
  size_t prefilterPassed = 0;
  std::vector<std::string> junkPaths, junkFinds;
  for (int round = 1; round <= kRounds; ++round) {
    const double b = bench::timedBareWalk(kDrive, bare);
    bareBest.take(b);
    runScan(junk, inputs, junkRun);
    junkBest.take(junkRun.seconds);
    runScan(zero, inputs, zeroRun);
    zeroBest.take(zeroRun.seconds);
    runScan(shortcuts, inputs, shortcutRun);
    shortcutBest.take(shortcutRun.seconds);
    std::printf(
        "round %d: bare %.2f s, junk search %.2f s (%.2f), zero-byte %.2f s (%.2f), "
        "broken shortcuts %.2f s (%.2f)\n",
        round, b, junkRun.seconds, b / junkRun.seconds, zeroRun.seconds, b / zeroRun.seconds,
        shortcutRun.seconds, b / shortcutRun.seconds);

    TestRules nothing(nullptr, false);
    walkBest.take(timeWalk(inputs, scope, nothing, true));

    prefilterBest.take(timePrefilter(named.names, filters, prefilterPassed));
    junkPaths.clear();
    for (size_t i = 0; i < junkRun.list.size(); ++i) junkPaths.push_back(junkRun.list.path(i));
    junkListBest.take(timeList(junkPaths, shape.fileBytes));
    junkFinds = maskFindsOf(junkRun.list, filters);
    findsBest.take(timeFinds(junkFinds));

    zeroPaths.clear();
    TestRules zeroRules(zeroTest, true,
                        [&zeroPaths](std::string p) { zeroPaths.push_back(std::move(p)); });
    zeroTestBest.take(timeWalk(inputs, scope, zeroRules, true));
    zeroListBest.take(timeList(zeroPaths, 0));

    candidates.clear();
    TestRules candidateRules(shortcutTest, false,
                             [&candidates](std::string p) { candidates.push_back(std::move(p)); });
    candidateBest.take(timeWalk(inputs, scope, candidateRules, false));

    // The scan's own order: each candidate loaded as the walk meets it, the loading timed.
    {
      BrokenShortcutTest test;
      double loading = 0;
      inWalkBroken = 0;
      TestRules loadingRules(shortcutTest, false, [&](std::string p) {
        bench::Stopwatch l;
        inWalkBroken += test.isBroken(p);
        loading += l.seconds();
      });
      inWalkBest.take(timeWalk(inputs, scope, loadingRules, false));
      inWalkLoadBest.take(loading);
    }

    steps = timeLoadSteps(candidates);
    loadWhole.take(steps.whole);
    loadAttributes.take(steps.attributes);
    loadRead.take(steps.read);
    loadLoad.take(steps.load);
    loadTarget.take(steps.target);
  }

  const double files = static_cast<double>(bare.files);
  const double bs = bareBest.seconds;
  std::printf(
      "\nbest of %d rounds each; files/s = files on the drive / seconds; ratio = "
      "bare seconds / scan seconds\n",
      kRounds);
  std::printf("%-22s %8s %9s %10s %8s %8s\n", "", "found", "seconds", "files/s", "ratio", "target");
  std::printf("%-22s %8zu %9.3f %10.0f %8.2f\n", "bare enumeration", bare.files, bs, files / bs,
              1.0);
  struct Row {
    const char* name;
    size_t found;
    double seconds;
  };
  const Row rows[] = {{"junk search", junkRun.list.size(), junkBest.seconds},
                      {"zero-byte scan", zeroRun.list.size(), zeroBest.seconds},
                      {"broken-shortcut scan", shortcutRun.list.size(), shortcutBest.seconds}};
  bool allMet = true;
  for (const Row& r : rows) {
    const double ratio = bs / r.seconds;
    allMet = allMet && ratio >= kTarget;
    std::printf("%-22s %8zu %9.3f %10.0f %8.2f %5.2f %s\n", r.name, r.found, r.seconds,
                files / r.seconds, ratio, kTarget, verdict(ratio));
  }

  // What the scans found against what the tree holds.
  const size_t zeroExpected = made.zeroByte - made.zeroByteNeverListed;
  const bool zeroOk = aboutEqual(zeroRun.list.size(), zeroExpected);
  const bool brokenOk = aboutEqual(shortcutRun.list.size(), made.brokenShortcuts);
  const bool junkOk = aboutEqual(junkRun.list.size(), made.junk);
  std::printf(
      "\nsanity: drive %zu files in %zu folders (tree %zu files, %zu folders below %s); "
      "zero-byte found %zu of %zu listable (%s); broken shortcuts found %zu of %zu (%s); "
      "junk found %zu of %zu (%s)\n",
      bare.files, bare.folders, made.files, made.folders, kRoot, zeroRun.list.size(), zeroExpected,
      zeroOk ? "ok" : "OFF", shortcutRun.list.size(), made.brokenShortcuts, brokenOk ? "ok" : "OFF",
      junkRun.list.size(), made.junk, junkOk ? "ok" : "OFF");

  // Where the time goes: the shared walk alone, then what each scan adds to it.
  std::set<std::string> junkFolders;
  for (const auto& p : junkPaths) junkFolders.insert(folderOf(p));
  auto piece = [bs](const char* name, double seconds) {
    std::printf("  %-52s %7.3f s  ratio %.2f\n", name, seconds, bs / seconds);
  };
  std::printf("\nwhere the time goes (best of %d each; ratio = bare / piece):\n", kRounds);
  piece("shared drive walk, rules doing nothing", walkBest.seconds);
  piece("junk search", junkBest.seconds);
  std::printf("  %-52s %7.3f s  (%zu names x %zu masks, %zu pass)\n", "  pre-filter alone",
              prefilterBest.seconds, named.names.size(), filters.size(), prefilterPassed);
  std::printf("  %-52s %7.3f s  (%zu finds; the search made %llu, junk in %zu folders)\n",
              "  finds of a single mask, replayed", findsBest.seconds, junkFinds.size(),
              static_cast<unsigned long long>(maskFinds), junkFolders.size());
  std::printf("  %-52s %7.3f s  (%zu entries)\n", "  its list alone: add and rebuild rows",
              junkListBest.seconds, junkPaths.size());
  piece("zero-byte scan", zeroBest.seconds);
  piece("  its walk and file test only, no list", zeroTestBest.seconds);
  std::printf("  %-52s %7.3f s  (%zu entries)\n", "  its list alone: add and rebuild rows",
              zeroListBest.seconds, zeroPaths.size());
  piece("broken-shortcut scan", shortcutBest.seconds);
  piece("  its walk with the candidate test only", candidateBest.seconds);
  piece("  the walk loading each candidate as met (isBroken)", inWalkBest.seconds);
  std::printf("  %-52s %7.3f s  (%zu broken)\n", "    of it, isBroken", inWalkLoadBest.seconds,
              inWalkBroken);
  const double perShortcut = candidates.empty() ? 0 : 1e3 * loadWhole.seconds / candidates.size();
  std::printf("  %-52s %7.3f s  (%zu candidates, %.3f ms each, %zu broken)\n",
              "  isBroken of the candidates after the walk", loadWhole.seconds, candidates.size(),
              perShortcut, steps.broken);
  std::printf("  %-52s %7.3f s\n", "    GetFileAttributesA of each shortcut",
              loadAttributes.seconds);
  std::printf("  %-52s %7.3f s  (%zu well-formed)\n", "    reading each file and its bounds check",
              loadRead.seconds, steps.wellFormed);
  std::printf("  %-52s %7.3f s  (%zu with a path)\n", "    IPersistFile::Load and GetPath",
              loadLoad.seconds, steps.withTarget);
  std::printf("  %-52s %7.3f s\n", "    GetFileAttributesW of each target", loadTarget.seconds);
  std::printf("\nall scans at %.2f or better: %s\n", kTarget, allMet ? "yes" : "no");
  return zeroOk && brokenOk && junkOk ? 0 : 1;
}

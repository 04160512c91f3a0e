// The duplicate-DLL scan against a bare enumeration of the same drive, in one run: on a generated
// tree of 2,000 folders on drive D: (the private prefix's own drive, which holds nothing else)
// with 20,000 DLL files, of which 3,000 carry names of DLLs in the prefix's system folder and
// 1,000 of those (5 % of all) have the same size in 128-byte blocks as their Windows copy.
// Prints both times, their ratio (best of 3 interleaved rounds each, since the machine is
// shared), what the scan found against what the tree holds, and how often it opened a file.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "bare_walk.h"
#include "bench_timer.h"
#include "base/data_folder.h"
#include "base/file_ops.h"
#include "platform/find.h"
#include "scan/cancel_flag.h"
#include "scan/drive_walk.h"
#include "scan/duplicate_dll_scan.h"
#include "scan/is_allowed.h"
#include "scan/junk_masks.h"
#include "scan/mask_prefilter.h"
#include "scan/system_result_list.h"

using namespace scrubwell;
using bench::Best;

namespace {

constexpr double kTarget = 0.7;  // the scan should reach this share of the bare walk's speed
constexpr DWORD kSliceMs = 15;   // the scans' default progress slice
constexpr size_t kFolders = 2000, kDlls = 20000, kSystemNamed = 3000, kDuplicates = 1000;

const char kDrive[] = "D:\\";
const char kRoot[] = "D:\\dll-tree\\";

bool driveIsEmpty(const std::string& drive) {
  FindFiles all(drive + "*", 63);
  while (all.next())
    if (!all.isDots()) return false;
  return true;
}

// A file of `size` bytes that takes no room on the host: its end is set, nothing written.
bool makeFile(const std::string& path, int64_t size) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER end;
  end.QuadPart = size;
  const bool ok = SetFilePointerEx(h, end, nullptr, FILE_BEGIN) && SetEndOfFile(h);
  CloseHandle(h);
  return ok;
}

struct SystemDll {
  std::string name;
  int64_t size;
};

// The DLLs of the system folder of at least one block, as their Windows copies give them, except
// names that would make their folder an installation source (setupapi.dll) or that the protected
// names keep out (mfc42.dll): the scan rightly lists no copy of those.
std::vector<SystemDll> systemDlls(WindowsCopies& copies) {
  std::vector<SystemDll> dlls;
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  FindFiles files(std::string(system) + "\\*.dll", 47);
  while (files.next()) {
    const OpenedFileFacts* facts = copies.factsOf(files.name());
    const bool setupName =
        mayMatch("setup*.*", files.name()) || mayMatch("install.*", files.name());
    if (facts && facts->size >= 256 && !setupName &&
        isAllowed(kRoot, files.name(), "*.dll", true, SearchExceptions(defaultSearchExceptions())))
      dlls.push_back({files.name(), facts->size});
  }
  return dlls;
}

struct Made {
  size_t folders = 0, files = 0, duplicates = 0;
};

// 40 top folders of 49 subfolders each (2,000 folders with the tops), 10 DLLs in each folder.
// DLL k carries a system name when k % 20 < 3 (3,000 of 20,000); a third of those (1,000)
// keep their copy's block count, the others differ by one block or more.
Made makeTree(const std::vector<SystemDll>& dlls) {
  Made m;
  std::mt19937 random(7);
  std::vector<std::string> folders;
  CreateDirectoryA(kRoot, nullptr);
  for (size_t top = 0; folders.size() < kFolders; ++top) {
    const std::string t = std::string(kRoot) + "app" + std::to_string(top) + "\\";
    CreateDirectoryA(t.c_str(), nullptr);
    folders.push_back(t);
    for (size_t sub = 0; sub < 49 && folders.size() < kFolders; ++sub) {
      const std::string s = t + "module" + std::to_string(sub) + "\\";
      CreateDirectoryA(s.c_str(), nullptr);
      folders.push_back(s);
    }
  }
  m.folders = folders.size();
  size_t systemNamed = 0;
  for (size_t k = 0; k < kDlls; ++k) {
    const std::string& folder = folders[k % folders.size()];
    if (k % 20 < 3 && !dlls.empty()) {
      const SystemDll& d = dlls[random() % dlls.size()];
      const bool duplicate = systemNamed++ % 3 == 0;
      const int64_t size =
          duplicate ? d.size / 128 * 128 + random() % 128 : d.size + 128 * (1 + random() % 8);
      if (makeFile(folder + d.name, size)) {
        ++m.files;
        m.duplicates += duplicate;
      }
    } else if (makeFile(folder + "lib" + std::to_string(k) + ".dll", 1000 + random() % 100000)) {
      ++m.files;
    }
  }
  return m;
}

// Rules that do nothing: the shared walk's own cost.
struct NoRules : FolderRules {
  void entry(const std::string&, const WIN32_FIND_DATAA&) override {}
};

}  // namespace

int main(int argc, char** argv) {
  const int kRounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  if (!driveIsEmpty(kDrive)) {
    std::printf(
        "%s is not empty: the scan walks the whole drive, so it must hold only the "
        "generated tree\n",
        kDrive);
    return 2;
  }
  WindowsCopies probe = WindowsCopies::ofSystem();
  const std::vector<SystemDll> dlls = systemDlls(probe);
  bench::Stopwatch t;
  const Made made = makeTree(dlls);
  std::printf(
      "tree %s: %zu folders, %zu DLLs (%zu with names of the %zu system DLLs used, "
      "%zu true duplicates); made in %.1f s\n",
      kRoot, made.folders, made.files, kSystemNamed, dlls.size(), made.duplicates, t.seconds());

  const DriveScanInputs inputs{
      {kDrive}, defaultJunkMasks(), defaultSearchExceptions(), backupFolderPath()};
  Best bareBest, scanBest, lookupBest, walkBest, openBest, listBest;
  std::vector<std::string> foundPaths;
  size_t found = 0, copiesKnown = 0;
  bench::Bare bare;
  for (int round = 1; round <= kRounds; ++round) {
    const double b = bench::timedBareWalk(kDrive, bare);
    bareBest.take(b);

    // The scan as the product runs it: the Windows copies read once, then the drive walked.
    ResultList list = makeSystemResultList();
    ProcessFlag cancel;
    t.restart();
    WindowsCopies copies = WindowsCopies::ofSystem();
    lookupBest.take(t.seconds());
    runDuplicateDllScan(inputs, copies, list, cancel, nullptr, kSliceMs);
    const double s = t.seconds();
    scanBest.take(s);
    found = list.size();

    // Its pieces: the shared walk with rules that do nothing, opening each found file once
    // more, and the result list alone.
    {
      const ListingScope scope(inputs.exceptions, inputs.backupFolder);
      DriveWalk walk(scope.exceptions(), cancel, nullptr);
      walk.setSliceMs(kSliceMs);
      NoRules none;
      t.restart();
      walk.walkDrives(inputs.driveRoots, true, none);
      walkBest.take(t.seconds());
    }
    foundPaths.clear();
    for (size_t i = 0; i < list.size(); ++i) foundPaths.push_back(list.path(i));
    t.restart();
    for (const auto& p : foundPaths) (void)openedFileFacts(p);
    openBest.take(t.seconds());
    t.restart();
    {
      ResultList again = makeSystemResultList();
      for (const auto& p : foundPaths) again.add(p, 1000, true);
      again.rebuildRows(systemFileSize);
    }
    listBest.take(t.seconds());
    copiesKnown = copies.size();
    std::printf("round %d: bare %.3f s, duplicate-DLL scan %.3f s (ratio %.2f)\n", round, b, s,
                b / s);
  }
  const double ratio = bareBest.seconds / scanBest.seconds;
  std::printf("\nbest of %d rounds each; ratio = bare seconds / scan seconds\n", kRounds);
  std::printf("bare enumeration   %8.3f s  %zu files in %zu folders\n", bareBest.seconds,
              bare.files, bare.folders);
  std::printf("duplicate-DLL scan %8.3f s  ratio %.2f (target %.2f: %s)\n", scanBest.seconds, ratio,
              kTarget, ratio >= kTarget ? "ok" : "BELOW");
  std::printf("  of it, reading the Windows copies once: %.3f s (%zu names)\n", lookupBest.seconds,
              copiesKnown);
  auto piece = [&](const char* name, double seconds) {
    std::printf("  %-44s %7.3f s  ratio %.2f\n", name, seconds, bareBest.seconds / seconds);
  };
  piece("of it, the shared walk with rules doing nothing", walkBest.seconds);
  piece("of it, opening each found file (size, index)", openBest.seconds);
  piece("of it, the result list: add and rebuild rows", listBest.seconds);
  const bool sane = found == made.duplicates;
  std::printf("sanity: found %zu of %zu true duplicates (%s)\n", found, made.duplicates,
              sane ? "ok" : "OFF");
  return sane ? 0 : 1;
}

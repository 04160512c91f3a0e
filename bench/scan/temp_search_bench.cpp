// The automatic search for temp folders against a bare enumeration of the same tree, in one run:
// on a generated tree of 50,000 folders (10 files each in a tenth of them) on drive D: with 500
// temp folders among them, each holding subfolders the search must not enter. Prints the seconds
// of a plain FindFirstFile/FindNextFile walk over the whole tree, of the search (as the own-folder
// window runs it), the search's ratio to the bare walk (bare / search, best of 3 interleaved
// rounds, since the machine is shared), and what it found against what the tree holds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bare_walk.h"
#include "bench_timer.h"
#include "scan/cancel_flag.h"
#include "scan/search_exceptions.h"
#include "scan/temp_folder_search.h"

using namespace scrubwell;

namespace {

constexpr double kTarget = 0.8;
constexpr int kTop = 50, kMiddle = 40, kLeaves = 25;  // 50 * 40 * 25 = 50,000 leaf folders
const char kRoot[] = "D:\\temp-search-tree\\";

void touch(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
}

// The tree: kRoot\app<i>\part<j>\leaf<k>; every hundredth leaf is named "Temp" instead and holds
// a subfolder; every tenth leaf holds ten files. Returns the number of temp folders made.
size_t makeTree() {
  size_t temps = 0, n = 0;
  CreateDirectoryA(kRoot, nullptr);
  for (int i = 0; i < kTop; ++i) {
    const std::string app = std::string(kRoot) + "app" + std::to_string(i) + "\\";
    CreateDirectoryA(app.c_str(), nullptr);
    for (int j = 0; j < kMiddle; ++j) {
      const std::string part = app + "part" + std::to_string(j) + "\\";
      CreateDirectoryA(part.c_str(), nullptr);
      for (int k = 0; k < kLeaves; ++k, ++n) {
        const bool temp = n % 100 == 0;
        const std::string leaf = part + (temp ? "Temp" : "leaf" + std::to_string(k)) + "\\";
        if (temp && !CreateDirectoryA(leaf.c_str(), nullptr)) continue;
        if (!temp) CreateDirectoryA(leaf.c_str(), nullptr);
        if (temp) {
          ++temps;
          CreateDirectoryA((leaf + "inside").c_str(), nullptr);
        }
        if (n % 10 == 0)
          for (int f = 0; f < 10; ++f) touch(leaf + "file" + std::to_string(f) + ".dat");
      }
    }
  }
  return temps;
}

}  // namespace

int main() {
  bench::Stopwatch making;
  const size_t temps = makeTree();
  std::printf("tree of %d folders (%zu temp folders) made in %.1f s\n", kTop * kMiddle * kLeaves,
              temps, making.seconds());
  const TemporaryFolderNames names(std::vector<std::string>{});
  const SearchExceptions exceptions(defaultSearchExceptions());
  double bare = 1e30, search = 1e30;
  size_t found = 0, folders = 0;
  for (int round = 0; round < 3; ++round) {
    bench::Bare b;
    bench::Stopwatch sw;
    bench::bareWalk(kRoot, b);
    bare = std::min(bare, sw.seconds());
    folders = b.folders;
    ProcessFlag cancel;
    sw.restart();
    found = findTemporaryFolders({kRoot}, names, exceptions, cancel, nullptr).size();
    search = std::min(search, sw.seconds());
  }
  const double ratio = bare / search;
  std::printf("\nbest of 3 rounds each; ratio = bare seconds / search seconds\n");
  std::printf("%-24s %9s %9s %8s\n", "", "seconds", "ratio", "target");
  std::printf("%-24s %9.3f   (%zu folders)\n", "bare enumeration", bare, folders);
  std::printf("%-24s %9.3f %9.2f %8.2f %s\n", "automatic temp search", search, ratio, kTarget,
              ratio >= kTarget ? "ok" : "BELOW");
  std::printf("found %zu of %zu temp folders\n", found, temps);
  return found == temps ? 0 : 1;
}

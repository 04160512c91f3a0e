// The bare enumeration of the walk benchmarks.
#include "bare_walk.h"

#include <windows.h>

#include <cstring>

#include "bench_timer.h"

namespace scrubwell::bench {

void bareWalk(const std::string& folder, Bare& b) {
  ++b.folders;
  WIN32_FIND_DATAA d;
  HANDLE h = FindFirstFileA((folder + "*.*").c_str(), &d);
  if (h == INVALID_HANDLE_VALUE) return;
  std::vector<std::string> subs;
  do {
    if (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (std::strcmp(d.cFileName, ".") && std::strcmp(d.cFileName, ".."))
        subs.emplace_back(d.cFileName);
    } else {
      ++b.files;
      if (b.names.capacity()) {
        b.names.emplace_back(d.cFileName);
        if (d.cAlternateFileName[0]) b.names.emplace_back(d.cAlternateFileName);
      }
    }
  } while (FindNextFileA(h, &d));
  FindClose(h);
  for (const auto& s : subs) bareWalk(folder + s + "\\", b);
}

double timedBareWalk(const std::string& folder, Bare& b) {
  b = Bare{};
  Stopwatch t;
  bareWalk(folder, b);
  return t.seconds();
}

}  // namespace scrubwell::bench

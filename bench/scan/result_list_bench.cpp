// Fills, rebuilds, marks and arranges a result list of 200,000 entries with the system's sort
// keys and prints the time of each step.
#include <cstdio>
#include <string>
#include <vector>

#include "bench_timer.h"
#include "scan/system_result_list.h"

using namespace scrubwell;

int main(int argc, char** argv) {
  const size_t count = argc > 1 ? std::stoul(argv[1]) : 200000;
  const char* exts[] = {"tmp", "bak", "old", "txt", "exe", "dll", "~mp", "gid", "log", "chk"};
  std::vector<std::string> paths;
  paths.reserve(count);
  uint32_t x = 12345;
  for (size_t i = 0; i < count; ++i) {
    x = x * 1103515245u + 12345u;
    paths.push_back("C:\\Documents and Settings\\User\\Folder " + std::to_string(x % 997) +
                    "\\Sub" + std::to_string((x >> 10) % 53) + "\\file " + std::to_string(i) + "." +
                    exts[(x >> 20) % 10]);
  }
  ResultList list = makeSystemResultList();
  bench::Stopwatch t;
  for (size_t i = 0; i < count; ++i) list.add(paths[i], static_cast<int64_t>(i % 50000));
  double add = t.seconds();
  t.restart();
  size_t n = list.size();  // the first read merges the appended entries into order
  double sort = t.seconds();
  t.restart();
  list.rebuildRows(nullptr);
  double rebuild = t.seconds();
  t.restart();
  list.markEverything(true);
  double mark = t.seconds();
  t.restart();
  list.toggleRow(n / 2);
  list.copyRowMarksToRaw();
  int64_t marked = list.markedSize();
  double click = t.seconds();
  t.restart();
  list.arrange();
  double arrange = t.seconds();
  std::printf("entries %zu\n", n);
  std::printf("add (sort keys)     %8.3f s\n", add);
  std::printf("order on first read %8.3f s\n", sort);
  std::printf("rebuild rows        %8.3f s\n", rebuild);
  std::printf("mark everything     %8.3f s\n", mark);
  std::printf("row click + total   %8.3f s  (%lld kb marked)\n", click,
              static_cast<long long>(marked / 1024));
  std::printf("arrange entries     %8.3f s\n", arrange);
  std::printf("first rows: %s | %s\n", list.rowText(0).c_str(), list.rowText(n - 1).c_str());
  return 0;
}

// The URL cache part of the browser clean-up against a bare enumeration and deletion of the same
// entries: 20,000 page entries are seeded and removed by the bare loop, then seeded again and
// removed by the clean-up (with a progress callback that repaints and pumps, as the window's
// does). Prints entries per second for both and their ratio.
#include <windows.h>
#include <wininet.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "browser/browser_cleanup.h"
#include "platform/message_pump.h"
#include "scan/bench_timer.h"

using namespace scrubwell;

namespace {

constexpr int kEntries = 20000;

int seed(int entries) {
  int seeded = 0;
  const FILETIME never{};
  for (int i = 0; i < entries; ++i) {
    const std::string url = "http://bench" + std::to_string(i % 50) + ".test/p" + std::to_string(i);
    char file[MAX_PATH] = {};
    if (!CreateUrlCacheEntryA(url.c_str(), 0, "htm", file, 0)) continue;
    HANDLE h = CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      WriteFile(h, "<html></html>", 13, &written, nullptr);
      CloseHandle(h);
    }
    seeded += CommitUrlCacheEntryA(url.c_str(), file, never, never, NORMAL_CACHE_ENTRY, nullptr, 0,
                                   nullptr, nullptr) != FALSE;
  }
  return seeded;
}

// Enumerates every entry with one large buffer, then deletes them: the least a clean-up can do.
int bareEnumerateAndDelete() {
  std::vector<char> buffer(64 * 1024);
  auto* record = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer.data());
  DWORD size = static_cast<DWORD>(buffer.size());
  std::vector<std::string> urls;
  HANDLE find = FindFirstUrlCacheEntryA(nullptr, record, &size);
  if (!find) return 0;
  do {
    urls.push_back(record->lpszSourceUrlName);
    size = static_cast<DWORD>(buffer.size());
  } while (FindNextUrlCacheEntryA(find, record, &size));
  FindCloseUrlCache(find);
  int deleted = 0;
  for (const std::string& url : urls) deleted += DeleteUrlCacheEntryA(url.c_str()) != FALSE;
  return deleted;
}

// Seeds the cache and times one way of removing it: entries removed and seconds taken.
struct Timing {
  size_t removed = 0;
  double seconds = 0;
};

Timing timeBare(int entries) {
  seed(entries);
  bench::Stopwatch watch;
  const size_t removed = static_cast<size_t>(bareEnumerateAndDelete());
  return {removed, watch.seconds()};
}

Timing timeCleanUp(int entries) {
  seed(entries);
  HWND label =
      CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 300, 20, nullptr, nullptr, nullptr, nullptr);
  NoUrlHistory history;
  bench::Stopwatch watch;
  const BrowserOptions options{};
  BrowserTraces traces = findBrowserTraces(options);
  traces.profiles.clear();
  const BrowserCleaning done = removeBrowserTraces(traces, options, history, theClock(),
                                                   [label](const std::string& item, int64_t) {
                                                     SetWindowTextA(label, item.c_str());
                                                     pumpMessages();
                                                   });
  const Timing t{done.removed.size(), watch.seconds()};
  DestroyWindow(label);
  return t;
}

}  // namespace

// Arguments: the number of entries (20000 unless given) and of rounds (1 unless given). The
// rounds alternate which way goes first; the best time of each way counts.
int main(int argc, char** argv) {
  const int entries = argc > 1 && std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : kEntries;
  const int rounds = argc > 2 && std::atoi(argv[2]) > 0 ? std::atoi(argv[2]) : 1;
  Timing bare, cleanUp;
  auto keepBest = [](Timing& best, const Timing& t) {
    if (best.seconds == 0 || t.seconds < best.seconds) best = t;
  };
  for (int round = 0; round < rounds; ++round) {
    if (round % 2) keepBest(cleanUp, timeCleanUp(entries));
    keepBest(bare, timeBare(entries));
    if (round % 2 == 0) keepBest(cleanUp, timeCleanUp(entries));
  }

  const double bareRate = bare.removed / bare.seconds,
               cleanRate = cleanUp.removed / cleanUp.seconds;
  std::printf("bare enumeration and delete: %zu entries in %.2f s, %.0f entries/s\n", bare.removed,
              bare.seconds, bareRate);
  std::printf("browser clean-up:            %zu entries in %.2f s, %.0f entries/s\n",
              cleanUp.removed, cleanUp.seconds, cleanRate);
  std::printf("clean-up / bare: %.2f (target 0.8 or better)\n", cleanRate / bareRate);
  return 0;
}

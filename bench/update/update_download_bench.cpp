// Prints, for files of 256 KiB, 2 MiB and 8 MiB served from a loopback server, the time of a bare
// wininet read of the file (read into memory and dropped) beside the update engine's download of
// the same file (to a temporary name, checked and renamed) to a new name and over an earlier copy,
// and their ratios: bare / engine, so 1.0 is as fast as the bare read; the target is 0.8 or more
// for a new name, the case of an update's files.
#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/handles.h"
#include "support/http_server.h"
#include "support/scratch.h"
#include "update/update_download.h"

using namespace scrubwell;

namespace {

double nowMs() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

// The same calls as the engine, without a file: what the network part alone costs.
bool bareRead(const std::string& url, size_t expected) {
  InternetHandle session(InternetOpenA("", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  InternetHandle request(InternetOpenUrlA(session.get(), url.c_str(), nullptr, 0,
                                          INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0));
  if (!request) return false;
  std::vector<char> buf(64 * 1024);
  size_t total = 0;
  DWORD got = 0;
  while (InternetReadFile(request.get(), buf.data(), static_cast<DWORD>(buf.size()), &got) &&
         got > 0)
    total += got;
  return total == expected;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main() {
  test::LoopbackHttpServer server;
  test::ScratchFolder dir('D', "bench");
  constexpr int kRounds = 9;
  // "new": the file of an update goes to a name that does not exist yet (the updater deletes
  // its sources once it has applied them), the target case; "replacing": over an earlier copy,
  // as the update description is fetched at every check.
  std::printf("%-10s %9s %9s %9s %10s %10s\n", "size", "bare ms", "new ms", "replace ms",
              "ratio new", "ratio repl");
  for (size_t size : {size_t(256) << 10, size_t(2) << 20, size_t(8) << 20}) {
    std::string body(size, '\0');
    for (size_t i = 0; i < size; ++i) body[i] = static_cast<char>((i * 7919) >> 5);
    const std::string path = "/file" + std::to_string(size) + ".dat";
    server.serve(path, body);
    const std::string url = server.baseUrl() + path.substr(1);
    const std::string file = dir / "file.dat";
    std::vector<double> bare, fresh, replacing;
    // Rotating which goes first keeps the order from favouring any.
    for (int r = 0; r < kRounds; ++r) {
      for (int k = 0; k < 3; ++k) {
        const int turn = (k + r) % 3;
        if (turn == 1) DeleteFileA(file.c_str());
        const double t0 = nowMs();
        const bool ok =
            turn == 0 ? bareRead(url, size) : downloadWhole(url, file) == DownloadResult::Done;
        if (!ok) return std::fprintf(stderr, "download failed\n"), 1;
        (turn == 0 ? bare : turn == 1 ? fresh : replacing).push_back(nowMs() - t0);
      }
    }
    const double b = median(bare), n = median(fresh), e = median(replacing);
    std::printf("%-10s %9.1f %9.1f %9.1f %10.2f %10.2f\n",
                (size >= (1u << 20) ? std::to_string(size >> 20) + " MiB"
                                    : std::to_string(size >> 10) + " KiB")
                    .c_str(),
                b, n, e, b / n, b / e);
  }
  return 0;
}

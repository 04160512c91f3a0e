// Benchmark of "remove" with the backup option on: many small marked files go through
// removeMarkedEntries (windows replaced by do-nothing sinks that note the time of each phase) and
// the program prints files per second for the whole run and for its backup and deletion phases.
// In the same run it times the bare work a removal cannot avoid on the same files (open, read,
// close and delete each file, and zlib at the point's level on its bytes in memory) and prints
// the removal's rate as a share of that bare rate.
// Run: tools/wine-run build/<windows build>/bench/backup/removal_bench.exe [files] [folder]
// (default 20000 files in D:\removal-bench\, a test drive of the run's private prefix).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "../scan/bench_timer.h"
#include "small_files.h"
#include "backup/archive_format.h"
#include "backup/block_codec.h"
#include "base/file_ops.h"
#include "platform/path_text.h"
#include "scan/removal.h"
#include "scan/system_result_list.h"

using namespace scrubwell;
using bench::pathOf;

namespace {

// The windows of a removal, doing nothing but noting when the files were added to the point (the
// backup progress window is shown then) and when the point was written (it is closed).
struct TimedSinks : StatusReportSink, DeletionProgress, BackupProgress {
  const bench::Stopwatch& clock;
  double added = 0, pointDone = 0;
  explicit TimedSinks(const bench::Stopwatch& c) : clock(c) {}
  void clear() override {}
  void appendLine(const std::string&) override {}
  void start(int) override {}
  void step(const std::string&) override {}
  void stop() override {}
  void showWindow() override { added = clock.seconds(); }
  void closeWindow() override { pointDone = clock.seconds(); }
  void setPercent(int) override {}
  void setFileText(const std::string&) override {}
};

// Microseconds per call of the file-system calls a removal makes for each file, over all files.
void printCallCosts(const std::string& root, int count) {
  bench::Stopwatch t;
  for (int i = 0; i < count; ++i) GetFileAttributesA(pathOf(root, i).c_str());
  const double attributes = t.seconds();
  t.restart();
  for (int i = 0; i < count; ++i) {
    HANDLE h = CreateFileA(pathOf(root, i).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    CloseHandle(h);
  }
  const double open = t.seconds();
  t.restart();
  for (int i = 0; i < count; ++i) {
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA(pathOf(root, i).c_str(), &found);
    if (h != INVALID_HANDLE_VALUE) FindClose(h);
  }
  const double find = t.seconds();
  std::printf(
      "per file: GetFileAttributesA %.0f us, CreateFileA + CloseHandle %.0f us, "
      "FindFirstFileA + FindClose %.0f us\n",
      attributes * 1e6 / count, open * 1e6 / count, find * 1e6 / count);
}

// Seconds for the bare work on every file: open, read, close, delete, and each 16384-byte piece
// compressed as the point compresses it. The files are gone afterwards.
double bareRemoval(const std::string& root, int count) {
  BlockEncoder encoder(archive::zlibLevel(clMax));
  std::vector<uint8_t> bytes(1 << 20), packed(archive::kBlockSize);
  bench::Stopwatch t;
  for (int i = 0; i < count; ++i) {
    const std::string path = pathOf(root, i);
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    DWORD got = 0;
    ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    CloseHandle(h);
    DeleteFileA(path.c_str());
    for (DWORD at = 0; at < got; at += archive::kBlockSize)
      encoder.encode(bytes.data() + at, std::min<size_t>(got - at, archive::kBlockSize),
                     packed.data());
  }
  return t.seconds();
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 20000;
  const std::string root = withTrailingBackslash(argc > 2 ? argv[2] : "D:\\removal-bench\\");
  CreateDirectoryA(root.c_str(), nullptr);
  const int64_t bytes = bench::makeFiles(root, count);

  ResultList list = makeSystemResultList();
  for (int i = 0; i < count; ++i) list.add(pathOf(root, i));
  list.rebuildRows(systemFileSize);
  list.markEverything(true);

  RemovalSettings settings;
  settings.backupFolder = root + "BACKUP\\";
  bench::Stopwatch clock;
  TimedSinks sinks(clock);
  RemovalParts parts{sinks, sinks, sinks, {}};
  clock.restart();
  RemovalOutcome o = removeMarkedEntries(list, settings, parts);
  const double whole = clock.seconds(), backup = sinks.pointDone, deletion = whole - backup;
  const int64_t point = fileSize(settings.backupFolder + "1.bck");
  // The bare work on the same files, made again.
  bench::makeFiles(root, count);
  printCallCosts(root, count);
  const double bare = bareRemoval(root, count);

  std::printf("%d files, %.1f MB, backup option on; point %.1f MB\n", count, bytes / 1e6,
              point / 1e6);
  std::printf("backup + deletion: %8.0f files/s  (%.2f s)\n", count / whole, whole);
  std::printf("backup point:      %8.0f files/s  (%.2f s: %.2f s adding, %.2f s writing)\n",
              count / backup, backup, sinks.added, backup - sinks.added);
  std::printf("deletion:          %8.0f files/s  (%.2f s)\n", count / deletion, deletion);
  std::printf("bare work:         %8.0f files/s  (%.2f s: open, read, close, delete, zlib)\n",
              count / bare, bare);
  std::printf("removal / bare:    %8.2f\n", bare / whole);
  std::printf("removed %d, unremovable %d\n", o.counts.removed, o.counts.unremovable);

  DeleteFileA((settings.backupFolder + "1.bck").c_str());
  RemoveDirectoryA(settings.backupFolder.c_str());
  bench::removeFolders(root, count);
  return o.counts.removed == count ? 0 : 1;
}

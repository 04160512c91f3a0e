// Benchmark of restoring from a backup point: many small files are stored in one point, deleted,
// and brought back by MyBackup::RestorePoint with every file chosen, as the backup window's
// restore does. In the same run it times the bare writing of the same files (create, write,
// close) and prints the restore's rate as a share of that bare rate.
// Run: tools/wine-run build/<windows build>/bench/backup/restore_bench.exe [files] [folder]
// (default 20000 files in D:\restore-bench\, a test drive of the run's private prefix).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "../scan/bench_timer.h"
#include "backup/my_backup.h"
#include "platform/path_text.h"
#include "small_files.h"

using namespace scrubwell;

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 20000;
  const std::string root = withTrailingBackslash(argc > 2 ? argv[2] : "D:\\restore-bench\\");
  const std::string point = root + "1.bck";
  CreateDirectoryA(root.c_str(), nullptr);
  const int64_t bytes = bench::makeFiles(root, count);

  bench::removeFiles(root, count);
  bench::Stopwatch t;
  for (int i = 0; i < count; ++i) bench::writeFileOf(root, i);
  const double bare = t.seconds();

  MyBackup backup;
  for (int i = 0; i < count; ++i) backup.AddFile(bench::pathOf(root, i));
  if (!backup.CreatePoint(point)) return std::printf("the point could not be written\n"), 1;
  bench::removeFiles(root, count);

  MyBackup restore;
  for (int i = 0; i < count; ++i) restore.AddRestoreFile(bench::pathOf(root, i));
  t.restart();
  const bool restored = restore.RestorePoint(point);
  const double whole = t.seconds();

  std::printf("%d files, %.1f MB, restored from one point\n", count, bytes / 1e6);
  std::printf("restore:        %8.0f files/s  (%.2f s)\n", count / whole, whole);
  std::printf("bare writing:   %8.0f files/s  (%.2f s: create, write, close)\n", count / bare,
              bare);
  std::printf("restore / bare: %8.2f\n", bare / whole);
  const size_t back = restore.restoredFiles().size();
  std::printf("restored %zu of %d\n", back, count);

  bench::removeFiles(root, count);
  DeleteFileA(point.c_str());
  bench::removeFolders(root, count);
  return restored && back == static_cast<size_t>(count) ? 0 : 1;
}

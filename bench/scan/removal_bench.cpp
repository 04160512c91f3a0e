// Prints how fast "remove" handles many small marked files with the backup option on: files per
// second for the whole run (backup point plus deletion), and for the backup and the deletion
// alone. Run with: tools/wine-run build/windows/bench/scan/bench_removal.exe [files]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "backup/backup_protocol.h"
#include "bench_timer.h"
#include "scan/removal.h"
#include "scan/system_result_list.h"

using namespace scrubwell;

namespace {

struct QuietSinks : StatusReportSink, DeletionProgress, BackupProgress {
  void clear() override {}
  void appendLine(const std::string&) override {}
  void start(int) override {}
  void step(const std::string&) override {}
  void stop() override {}
  void showWindow() override {}
  void closeWindow() override {}
  void setPercent(int) override {}
  void setFileText(const std::string&) override {}
};

void makeFiles(const std::string& root, int count) {
  CreateDirectoryA(root.c_str(), nullptr);
  std::string content(600, 'x');
  for (int i = 0; i < count; ++i) {
    if (i % 100 == 0) CreateDirectoryA((root + "\\d" + std::to_string(i / 100)).c_str(), nullptr);
    std::string path = root + "\\d" + std::to_string(i / 100) + "\\f" + std::to_string(i) + ".tmp";
    content[i % content.size()] = static_cast<char>('a' + i % 26);
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD w;
    WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &w, nullptr);
    CloseHandle(h);
  }
}

void fill(ResultList& list, const std::string& root, int count) {
  for (int i = 0; i < count; ++i)
    list.add(root + "\\d" + std::to_string(i / 100) + "\\f" + std::to_string(i) + ".tmp");
  list.rebuildRows(systemFileSize);
  list.markEverything(true);
}

}  // namespace

int main(int argc, char** argv) {
  int count = argc > 1 ? std::atoi(argv[1]) : 20000;
  const std::string root = "D:\\removal-bench";
  QuietSinks sinks;

  makeFiles(root, count);
  ResultList list = makeSystemResultList();
  fill(list, root, count);
  BackupRequest request;
  for (size_t i = 0; i < list.size(); ++i) request.files.push_back(list.path(i));
  bench::Stopwatch backupOnly;
  backUpBeforeDeleting(request, root + "\\points\\", sinks);
  double backupSeconds = backupOnly.seconds();

  RemovalSettings settings;
  settings.backupFolder = root + "\\BACKUP\\";
  RemovalParts parts{sinks, sinks, sinks, {}};
  bench::Stopwatch whole;
  RemovalOutcome o = removeMarkedEntries(list, settings, parts);
  double wholeSeconds = whole.seconds();

  std::printf("%d files of 600 bytes, backup option on\n", count);
  std::printf("remove (backup point + deletion): %.0f files/s (%.1f s), %d removed\n",
              count / wholeSeconds, wholeSeconds, o.counts.removed);
  std::printf("backup point alone:               %.0f files/s (%.1f s)\n", count / backupSeconds,
              backupSeconds);
  std::printf("deletion alone (the difference):  %.0f files/s\n",
              count / (wholeSeconds - backupSeconds > 0 ? wholeSeconds - backupSeconds : 1e-9));
  return o.counts.removed == count ? 0 : 1;
}

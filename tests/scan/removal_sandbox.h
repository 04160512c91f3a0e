// What the removal tests share: a scratch folder on test drive D: with the seams replaced, the
// settings of a removal whose backup folder lies in that folder, the report's texts loaded, and
// stand-ins for the windows a removal talks to that record what they are told.
#pragma once
#include <string>
#include <vector>

#include "backup/my_backup_test_support.h"
#include "base/texts.h"
#include "scan/removal_run.h"
#include "support/fake_seams.h"
#include "support/scratch.h"

namespace scrubwell::test {

// The status report, the deletion progress and the backup window of a removal, and whether the
// results window was hidden.
struct RecordingRemovalWindows : StatusReportSink, DeletionProgress {
  std::vector<std::string> lines, stepped;
  int startedWith = -1;
  bool resultsHidden = false;
  RecordingBackupProgress backup;
  void clear() override { lines.clear(); }
  void appendLine(const std::string& l) override { lines.push_back(l); }
  void start(int n) override { startedWith = n; }
  void step(const std::string& path) override { stepped.push_back(path); }
  void stop() override {}
};

struct RemovalSandbox {
  ScopedSeams seams;
  ScratchFolder dir{'D'};
  RecordingRemovalWindows windows;
  // The parts a removal reports to: all recorded by `windows`.
  RemovalParts parts{windows, windows, windows.backup, [this] { windows.resultsHidden = true; }};
  RemovalSettings settings;
  // `texts`: a language file with the report texts the test's removals write.
  explicit RemovalSandbox(const char* texts) {
    settings.backupFolder = dir / "BACKUP\\";
    translation().loadFromText(texts);
  }
  ~RemovalSandbox() { translation().clear(); }
  RemovalSandbox(const RemovalSandbox&) = delete;
  RemovalSandbox& operator=(const RemovalSandbox&) = delete;

  // True when the status report holds `line`.
  bool reported(const std::string& line) const {
    for (const auto& l : windows.lines)
      if (l == line) return true;
    return false;
  }
};

}  // namespace scrubwell::test

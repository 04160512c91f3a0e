// What the removal of marked entries needs from the windows: the results window steps aside,
// the status report collects the run's lines, the deletion progress window follows the deletions,
// and the backup progress window shows the backup point being written. The windows implement
// these; the removal engine only calls them.
#pragma once
#include <cstdint>
#include <string>

#include "backup/backup_progress.h"

namespace scrubwell {

class StatusReportSink {
 public:
  virtual ~StatusReportSink() = default;
  virtual void clear() = 0;
  virtual void appendLine(const std::string& line) = 0;  // "" appends an empty line
};

class DeletionProgress {
 public:
  virtual ~DeletionProgress() = default;
  // Shows the window with its animation; the bar runs from 0 to `steps`.
  virtual void start(int steps) = 0;
  // One file: its path centred in the label, the bar one further, repaint and pump.
  virtual void step(const std::string& path) = 0;
  virtual void stop() = 0;
};

// The counters of one removal run.
struct RemovalCounts {
  int32_t removed = 0;
  int32_t unremovable = 0;
  int32_t unmarked = 0;
  int64_t freedBytes = 0;
};

}  // namespace scrubwell

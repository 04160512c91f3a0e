// The multi-clean run's collected report.
#include "multiclean/multi_clean_report.h"

namespace scrubwell {

void MultiCleanReport::clear() {
  if (!lines_.empty()) lines_.emplace_back();
}

void MultiCleanReport::appendLine(const std::string& line) { lines_.push_back(line); }

void MultiCleanReport::note(const std::string& line) {
  clear();
  lines_.push_back(line);
}

void MultiCleanReport::addCounts(const RemovalCounts& counts) {
  counts_.removed += counts.removed;
  counts_.unremovable += counts.unremovable;
  counts_.unmarked += counts.unmarked;
  counts_.freedBytes += counts.freedBytes;
}

}  // namespace scrubwell

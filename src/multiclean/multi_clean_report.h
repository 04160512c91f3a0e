// The one status report of a multi-clean run. Its unattended steps remove without showing their
// own reports, so what each wrote — and what it could not remove — is kept here, part after
// part, and shown to the user once at the end of the run.
#pragma once
#include <string>
#include <vector>

#include "scan/removal_ui.h"

namespace scrubwell {

class MultiCleanReport : public StatusReportSink {
 public:
  // A step's removal starts its report afresh; here that begins a new part below the last.
  void clear() override;
  void appendLine(const std::string& line) override;
  // A line of its own, e.g. about a step that stopped or left files behind.
  void note(const std::string& line);
  // Adds a step's counts to the run's summary.
  void addCounts(const RemovalCounts& counts);

  bool empty() const { return lines_.empty(); }
  const std::vector<std::string>& lines() const { return lines_; }
  const RemovalCounts& counts() const { return counts_; }

 private:
  std::vector<std::string> lines_;
  RemovalCounts counts_;
};

}  // namespace scrubwell

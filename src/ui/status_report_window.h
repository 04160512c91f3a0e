// The status report: the text of what a run removed, four summary labels, and buttons to save
// or print the text and to go back. Created once and reused by every run that deletes.
#pragma once
#include <string>
#include <vector>

#include "scan/removal_ui.h"
#include "ui/framework/window.h"

namespace scrubwell::ui {

// The current date and time in the user's default formats, as the saved and printed reports show.
std::string reportDateTime();
// Writes report lines to `path`, each ended by CR LF, as "save report" does; false on failure.
bool writeReportFile(const std::string& path, const std::vector<std::string>& lines);

class StatusReportWindow : public Window, public StatusReportSink {
 public:
  StatusReportWindow();
  void applyTexts() override;

  void clear() override;
  void appendLine(const std::string& line) override;
  const std::vector<std::string>& lines() const { return report.lines(); }

  // The four labels and the summary lines at the end of the text.
  void setSummary(const RemovalCounts& counts);
  // Shows the report (with the finish sound).
  void showReport();

  // "save report": asks for a file, appends the date block, writes the text, confirms.
  void saveReport();
  // "print report": prints the text on the default printer, page by page. Without a printer it
  // says so and leaves the report as it was.
  void printReport();
  void back();

  Memo report;
  Label removed, unremovable, freed, unmarked;

 protected:
  void onClose() override { back(); }

 private:
  Button save_, print_, back_;
};

}  // namespace scrubwell::ui

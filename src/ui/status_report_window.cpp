// The status report window: summary, save and print.
#include "ui/status_report_window.h"

#include <winspool.h>

#include <fstream>

#include "app/app_windows.h"
#include "base/texts.h"
#include "platform/seams.h"
#include "report_windows_res.h"
#include "scan/report_text.h"
#include "ui/sounds.h"

namespace scrubwell::ui {

std::string reportDateTime() {
  SYSTEMTIME t = theClock().localTime();
  char date[64] = {}, time[64] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, date, sizeof date);
  GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &t, nullptr, time, sizeof time);
  return std::string(date) + " " + time;
}

bool writeReportFile(const std::string& path, const std::vector<std::string>& lines) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (const auto& line : lines) out << line << "\r\n";
  out.close();
  return static_cast<bool>(out);
}

namespace {

std::string defaultPrinter() {
  char name[512] = {};
  DWORD size = sizeof name;
  if (!GetDefaultPrinterA(name, &size)) return {};
  return name;
}

}  // namespace

StatusReportWindow::StatusReportWindow()
    : Window("report", IDD_REPORT),
      report(IDC_REP_TEXT),
      removed(IDC_REP_REMOVED),
      unremovable(IDC_REP_UNREMOVABLE),
      freed(IDC_REP_FREED),
      unmarked(IDC_REP_UNMARKED),
      save_(IDC_REP_SAVE),
      print_(IDC_REP_PRINT),
      back_(IDC_REP_BACK) {
  bind({&report, &removed, &unremovable, &freed, &unmarked, &save_, &print_, &back_});
  save_.onClick = [this] {
    playClick();
    saveReport();
  };
  print_.onClick = [this] {
    playClick();
    printReport();
  };
  back_.onClick = [this] {
    playClick();
    back();
  };
}

void StatusReportWindow::applyTexts() {
  setCaption(tr(1) + " - " + tr(91));
  removed.setText(tr(93));
  unremovable.setText(tr(95));
  freed.setText(tr(94));
  unmarked.setText(tr(96));
  save_.setText(tr(5221));
  print_.setText(tr(5222));
  back_.setText(tr(44));
}

void StatusReportWindow::clear() { report.clear(); }

void StatusReportWindow::appendLine(const std::string& line) { report.addLine(line); }

void StatusReportWindow::setSummary(const RemovalCounts& c) {
  removed.setText(countLabelText(tr(93), c.removed));
  unremovable.setText(countLabelText(tr(95), c.unremovable));
  freed.setText(freedSpaceText(tr(94), c.freedBytes));
  unmarked.setText(countLabelText(tr(96), c.unmarked));
}

void StatusReportWindow::showReport() {
  appWindows().results.setReportOpen(true);
  show();
  playFinish();
}

void StatusReportWindow::saveReport() {
  std::string path = prompts().saveFileName(hwnd(), "Text (*.txt)|*.txt|*.*|*.*",
                                            tr(1) + " - " + tr(91) + ".txt", "txt");
  if (path.empty()) return;
  for (const auto& line : saveDateBlock(reportDateTime())) appendLine(line);
  if (!writeReportFile(path, lines())) {
    prompts().messageBox(hwnd(), tr(5223) + "\n" + path, tr(1), MB_OK | MB_ICONERROR);
    return;
  }
  appWindows().message.showMessage(tr(258), path);
}

void StatusReportWindow::printReport() {
  std::string printer = defaultPrinter();
  HDC dc = printer.empty() ? nullptr : CreateDCA(nullptr, printer.c_str(), nullptr, nullptr);
  DOCINFOA doc{};
  doc.cbSize = sizeof doc;
  std::string title = tr(1) + " - " + tr(91);
  doc.lpszDocName = title.c_str();
  if (!dc || StartDocA(dc, &doc) <= 0) {
    if (dc) DeleteDC(dc);
    prompts().messageBox(hwnd(), tr(5224), tr(1), MB_OK | MB_ICONWARNING);
    return;
  }
  for (const auto& line : printDateBlock(reportDateTime())) appendLine(line);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  int lineHeight = tm.tmHeight < 0 ? -tm.tmHeight : tm.tmHeight;
  int pageHeight = GetDeviceCaps(dc, VERTRES);
  StartPage(dc);
  int y = 0;
  for (const auto& line : lines()) {
    TextOutA(dc, 0, y, line.c_str(), static_cast<int>(line.size()));
    y += lineHeight;
    if (y + 100 >= pageHeight) {
      EndPage(dc);
      StartPage(dc);
      y = 0;
    }
  }
  EndPage(dc);
  EndDoc(dc);
  DeleteDC(dc);
}

void StatusReportWindow::back() {
  hide();
  appWindows().results.showWindow();
  appWindows().results.setReportOpen(false);
}

}  // namespace scrubwell::ui

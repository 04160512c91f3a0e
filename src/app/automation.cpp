// The unattended runs: parse the switches, load the saved settings into windows that are never
// shown, run the chosen scans through the results window's session, write the list or remove its
// marked entries with the "remove" button's removal, and write the text to the console or the
// /out: file.
#include "app/automation.h"

#include <windows.h>

#include <cstdlib>
#include <memory>

#include "app/app_windows.h"
#include "app/command_line.h"
#include "app/language_step.h"
#include "app/startup.h"
#include "base/app_state.h"
#include "base/data_folder.h"
#include "base/file_ops.h"
#include "base/texts.h"
#include "platform/handles.h"
#include "platform/seams.h"
#include "backup/my_backup.h"
#include "browser/browser_cleanup.h"
#include "multiclean/multi_clean_run.h"
#include "registry/registry_removal.h"
#include "registry/registry_scan.h"
#include "scan/cancel_flag.h"
#include "scan/drives.h"
#include "scan/removal.h"
#include "scan/report_text.h"
#include "scan/result_csv.h"
#include "ui/status_report_window.h"

namespace scrubwell {
namespace {

// A standard handle of this process: the one the parent passed (a redirection), else the
// parent's console, attached once.
HANDLE standardHandle(DWORD which) {
  HANDLE h = GetStdHandle(which);
  if (h && h != INVALID_HANDLE_VALUE) return h;
  static bool attached = AttachConsole(ATTACH_PARENT_PROCESS) != 0;
  if (!attached) return nullptr;
  h = GetStdHandle(which);
  if (h && h != INVALID_HANDLE_VALUE) return h;
  static HANDLE console =
      CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  return console == INVALID_HANDLE_VALUE ? nullptr : console;
}

void writeTo(HANDLE h, const std::string& text) {
  DWORD written = 0;
  if (h && !text.empty())
    WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

void printError(const std::string& message) {
  writeTo(standardHandle(STD_ERROR_HANDLE), "Scrubwell: " + message + "\r\n");
}

// Where the run's text goes: the /out: file, else standard output.
class Output {
 public:
  bool openFile(const std::string& path) {
    file_.reset(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(file_);
  }
  void text(const std::string& text) { writeTo(handle(), text); }
  void line(const std::string& text) { writeTo(handle(), text + "\r\n"); }

 private:
  HANDLE handle() const { return file_ ? file_.get() : standardHandle(STD_OUTPUT_HANDLE); }
  FileHandle file_;
};

// Nobody is there to answer: messages go to standard error and every question gets the
// cautious answer (no, cancel), so an unattended run never waits on a window.
class UnattendedPrompts : public QuietPrompts {
 public:
  int messageBox(HWND owner, const std::string& text, const std::string& caption,
                 UINT flags) override {
    printError(caption + ": " + text);
    return QuietPrompts::messageBox(owner, text, caption, flags);
  }
};

class PromptsInstalled {
 public:
  explicit PromptsInstalled(Prompts* p) : previous_(setPrompts(p)) {}
  ~PromptsInstalled() { setPrompts(previous_); }
  PromptsInstalled(const PromptsInstalled&) = delete;
  PromptsInstalled& operator=(const PromptsInstalled&) = delete;

 private:
  Prompts* previous_;
};

// The removal's windows, replaced by a text collector and two silent progress displays.
class CollectedReport : public StatusReportSink {
 public:
  void clear() override { lines.clear(); }
  void appendLine(const std::string& line) override { lines.push_back(line); }
  std::vector<std::string> lines;
};

class SilentDeletion : public DeletionProgress {
 public:
  void start(int) override {}
  void step(const std::string&) override {}
  void stop() override {}
};

class SilentBackup : public BackupProgress {
 public:
  void showWindow() override {}
  void closeWindow() override {}
  void setPercent(int) override {}
  void setFileText(const std::string&) override {}
};

bool driveOffered(const DriveOffer& offer, char letter) {
  std::string root = std::string(1, letter) + ":\\";
  for (const auto& r : offer.slots)
    if (r == root) return true;
  for (const auto& r : offer.list)
    if (r == root) return true;
  return false;
}

// Checks exactly the requested drives in the results window's slots and list.
void chooseDrives(ui::TForm1& results, const std::vector<char>& drives) {
  auto wanted = [&drives](const std::string& root) {
    for (char c : drives)
      if (!root.empty() && root[0] == c) return true;
    return false;
  };
  for (int i = 0; i < ui::TForm1::kDriveSlots; ++i)
    results.driveChecks[i].setChecked(wanted(results.driveLabels[i].text()));
  for (int k = 0; k < results.driveList.count(); ++k)
    results.driveList.setChecked(k, wanted(results.driveList.item(k)));
}

// How /preview writes a line that /auto would not remove.
constexpr const char* kUnmarkedPrefix = "(unmarked) ";

// The texts of the saved language; before a language was ever chosen, the English file.
void loadTexts() {
  translation().copyLanguageFilesAtStart();
  translation().loadFromDataFolder();
  if (!languageChosenBefore(backupFolderPath()) || translation().firstText().empty())
    translation().loadFile(locateFile(kProductName, translation().textFileName(0)));
}

// Removes the entries the scans left marked, as "remove" would in the window.
int removeMarked(AppWindows& w, const AutomationRequest& request, Output& out) {
  RemovalSettings settings = w.results.removalSettings();
  settings.askBeforeRemoving = false;  // /auto is the consent; nobody is there to answer
  CollectedReport report;
  SilentDeletion deletion;
  SilentBackup backup;
  RemovalParts parts{report, deletion, backup, nullptr};
  RemovalOutcome outcome = w.results.session().remove(settings, parts);
  if (outcome.end != RemovalEnd::done) {
    printError("the backup point could not be written; nothing was deleted");
    return kExitStoppedByError;
  }
  for (const auto& line : report.lines) out.line(line);
  if (!request.reportFile.empty()) {
    std::vector<std::string> saved = report.lines;
    for (const auto& line : saveDateBlock(ui::reportDateTime())) saved.push_back(line);
    if (!ui::writeReportFile(request.reportFile, saved)) {
      printError("the report could not be saved to " + request.reportFile);
      return kExitStoppedByError;
    }
  }
  return kExitDone;
}

// The registry check of /scans:registry: /preview lists its findings, /auto exports them into a
// registry point and removes them as the registry window's "remove" does.
int runRegistry(const AutomationRequest& request, const RemovalSettings& windowSettings,
                Output& out) {
  RegistryFindings findings;
  ScanProblems problems;
  fullRegistryCheck(findings, problems);
  for (const std::string& source : problems.unreadable) printError(tr(5309) + " " + source);
  if (findings.empty()) return kExitNothingFound;
  if (request.action != AutomationAction::autoClean) {
    for (const RegistryFinding& f : findings.lines()) out.line(previewLine(f));
    return kExitDone;
  }
  RemovalSettings settings = windowSettings;
  settings.askBeforeRemoving = false;
  CollectedReport report;
  SilentDeletion deletion;
  SilentBackup backup;
  RemovalParts parts{report, deletion, backup, nullptr};
  const RegistryRemovalOutcome outcome =
      removeRegistryItems(removalItems(findings), 0, settings, kRegistryExportFile, parts);
  for (const auto& line : report.lines) out.line(line);
  if (outcome.end != RegistryRemovalEnd::done) {
    printError(outcome.end == RegistryRemovalEnd::exportFailed
                   ? "the registry export could not be written; nothing was removed"
                   : "the backup point could not be written; nothing was removed");
    return kExitStoppedByError;
  }
  return kExitDone;
}

// The browser clean-up of /scans:browser: /preview lists the URL cache entries and profile files
// it would remove, /auto removes exactly those and lists what went.
int runBrowser(const AutomationRequest& request, Output& out) {
  const BrowserOptions options{request.cookies, request.history};
  const BrowserTraces traces = findBrowserTraces(options);
  const std::vector<std::string> lines = traceLines(traces);
  if (request.action != AutomationAction::autoClean) {
    for (const std::string& line : lines) out.line(line);
    return lines.empty() ? kExitNothingFound : kExitDone;
  }
  const BrowserCleaning done = removeBrowserTraces(traces, options, {});
  for (const std::string& line : done.removed) out.line(line);
  if (done.leftovers > 0)
    printError(std::to_string(done.leftovers) + " browser entries could not be removed");
  if (options.history && !done.historyCleared)
    printError("the system's URL history could not be cleared");
  return lines.empty() ? kExitNothingFound : kExitDone;
}

int run(const AutomationRequest& request, Output& out) {
  UnattendedPrompts unattended;
  PromptsInstalled installed(&unattended);
  migrateFiles(kProductName, false, migrationList());
  std::string backupFolder = backupFolderPath();
  if (!folderExists(backupFolder)) CreateDirectoryA(backupFolder.c_str(), nullptr);
  loadTexts();

  // The windows hold the settings as the program uses them; none of them is ever created.
  auto windows = std::make_unique<AppWindows>();
  AppWindows& w = *windows;
  appState().backupFolder = backupFolder;
  w.results.offerDrives(offeredDrives());
  loadSettingsNow();
  if (!request.drives.empty()) chooseDrives(w.results, request.drives);

  bool registry = false, browser = false;
  std::vector<CleanupId> fileScans;
  for (CleanupId scan : request.scans) {
    registry = registry || scan == CleanupId::registry;
    browser = browser || scan == CleanupId::browserCache;
    if (scan != CleanupId::registry && scan != CleanupId::browserCache) fileScans.push_back(scan);
  }
  if (request.multi) {
    // The file scans of the multi-clean's saved boxes join the named ones in one walk; its
    // other steps need the user or change the system and never run from here.
    for (CleanupId id : chosenWalkCleanups(w.chooser.choice())) fileScans.push_back(id);
    w.results.session().scanTogether(fileScans, w.results.driveScanInputs(), cancelFlag(), nullptr);
  } else {
    for (CleanupId scan : fileScans)
      w.results.session().scan(scan, w.results.driveScanInputs(), cancelFlag(), nullptr);
  }
  int code = kExitNothingFound;
  ResultList& list = w.results.results();
  if (!list.empty()) {
    if (request.action == AutomationAction::autoClean) {
      code = removeMarked(w, request, out);
      if (code != kExitDone) return code;
    } else {
      if (request.csv) out.line(kResultCsvHeader);
      for (size_t i = 0; i < list.size(); ++i) {
        if (request.csv)
          out.line(resultCsvLine(list, i));
        else
          out.line(list.isRowMarked(i) ? list.path(i) : kUnmarkedPrefix + list.path(i));
      }
      code = kExitDone;
    }
  }
  // Each further clean-up keeps the first answer unless it found something or failed.
  auto merge = [&code](int next) {
    if (next != kExitNothingFound && code != kExitStoppedByError) code = next;
  };
  if (registry) merge(runRegistry(request, w.results.removalSettings(), out));
  if (browser) merge(runBrowser(request, out));
  return code;
}

}  // namespace

std::vector<std::string> programArguments() {
  std::vector<std::string> arguments;
  for (int i = 1; i < __argc; ++i) arguments.push_back(__argv[i]);
  return arguments;
}

int runAutomation(const std::vector<std::string>& arguments) {
  AutomationRequest request = parseAutomationArguments(arguments);
  if (!request.error.empty()) {
    printError(request.error);
    return kExitBadCommandLine;
  }
  DriveOffer offer = offeredDrives();
  for (char letter : request.drives)
    if (!driveOffered(offer, letter)) {
      printError(std::string("drive ") + letter + ": is not offered for the scans");
      return kExitBadCommandLine;
    }
  Output out;
  if (!request.outFile.empty() && !out.openFile(request.outFile)) {
    printError("cannot write the output file " + request.outFile);
    return kExitBadCommandLine;
  }
  if (request.action == AutomationAction::usage) {
    out.text(automationUsage());
    return kExitDone;
  }
  try {
    return run(request, out);
  } catch (const std::exception& e) {
    printError(std::string("stopped: ") + e.what());
    return kExitStoppedByError;
  }
}

}  // namespace scrubwell

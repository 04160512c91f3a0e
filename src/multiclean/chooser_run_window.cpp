// The multi-clean run that the chooser's "go on" starts: the run's steps are the clean-ups' own
// window-free functions, run unattended (no question: "go on" was the consent; the backup option
// holds as always), then the combined drive walk ends in the results window and the registry
// check in the registry windows, each waiting for the user. What the unattended steps removed,
// and what they could not, is shown as one status report at the end.
#include "app/app_windows.h"
#include "backup/my_backup.h"
#include "base/app_state.h"
#include "base/recycle.h"
#include "base/texts.h"
#include "browser/browser_cleanup.h"
#include "multiclean/chooser_window.h"
#include "multiclean/minidump_cleanup.h"
#include "multiclean/multi_clean_report.h"
#include "multiclean/own_folder_cleanup.h"
#include "multiclean/update_uninstall_folders.h"
#include "platform/message_pump.h"
#include "registry/registry_removal.h"
#include "registry/registry_scan.h"
#include "scan/prefetch_cleanup.h"
#include "scan/recent_documents.h"
#include "ui/sounds.h"

namespace scrubwell::ui {
namespace {

// While an unattended step runs nobody is asked anything: a message of the clean-up's engines
// (a backup that could not be written, say) becomes a line of the run's report and gets the
// cautious answer. The status window's own message, about its "cancel", still shows.
class UnattendedStepPrompts : public QuietPrompts {
 public:
  UnattendedStepPrompts(MultiCleanReport& report, HWND statusWindow)
      : report_(report), statusWindow_(statusWindow), previous_(setPrompts(this)) {}
  ~UnattendedStepPrompts() override { setPrompts(previous_); }
  UnattendedStepPrompts(const UnattendedStepPrompts&) = delete;
  UnattendedStepPrompts& operator=(const UnattendedStepPrompts&) = delete;

  int messageBox(HWND owner, const std::string& text, const std::string& caption,
                 UINT flags) override {
    if (owner && owner == statusWindow_) return previous_->messageBox(owner, text, caption, flags);
    report_.note(text);
    return QuietPrompts::messageBox(owner, text, caption, flags);
  }

 private:
  MultiCleanReport& report_;
  HWND statusWindow_;
  Prompts* previous_;
};

// `step` run with nobody asked.
std::function<void()> unattended(MultiCleanReport& report, std::function<void()> step) {
  return [&report, step = std::move(step)] {
    UnattendedStepPrompts quiet(report, appWindows().multiCleanStatus.hwnd());
    step();
  };
}

// The user's removal options without the question: the chooser's "go on" was the consent.
RemovalSettings unattendedSettings() {
  RemovalSettings settings = appWindows().results.removalSettings();
  settings.askBeforeRemoving = false;
  return settings;
}

// The deletion progress window as the unattended steps show it: the animation, no bar.
void showUnattendedProgress() {
  DeletionProgressWindow& deleting = appWindows().deleting;
  deleting.start(100);
  deleting.bar.setVisible(false);
  deleting.path.setText("");
}

void hideUnattendedProgress() {
  DeletionProgressWindow& deleting = appWindows().deleting;
  deleting.stop();
  deleting.bar.setVisible(true);
}

// "<clean-up>: some files could not be deleted ..." when a step left any behind.
void noteLeftovers(MultiCleanReport& report, CleanupId id, int32_t leftovers) {
  if (leftovers > 0) report.note(tr(cleanup(id).chooserText) + ": " + tr(5228) + " " + tr(5229));
}

void freed(MultiCleanReport& report, int64_t bytes) {
  RemovalCounts counts;
  counts.freedBytes = bytes;
  report.addCounts(counts);
}

void removeUninstallEntries(MultiCleanReport& report) {
  AppWindows& w = appWindows();
  UninstallFindings found;
  ScanProblems problems;
  PumpSlice pump;
  uninstallCheck(found, problems, [&pump] { pump(); });
  found.setAllSelected(true);
  if (multiCleanCancelFlag().isSet() || found.lines.empty()) return;
  // The keys go into the registry export and its point first, as the registry window's removal
  // does: never deleted without a way back.
  RemovalParts parts{report, w.deleting, w.backupProgress, nullptr};
  const RegistryRemovalOutcome outcome =
      removeRegistryItems(removalItems(found), 0, unattendedSettings(), kRegistryExportFile, parts);
  report.addCounts(outcome.counts);
  if (outcome.end != RegistryRemovalEnd::done)
    report.note(tr(outcome.end == RegistryRemovalEnd::exportFailed ? 5307 : 5308) + " " +
                kRegistryExportFile);
  showUnattendedProgress();
}

void cleanBrowsers(MultiCleanReport& report) {
  const BrowserOptions options = appWindows().browser.options();
  const BrowserCleaning done =
      cleanBrowserTraces(options, [](const std::string&, int64_t) { pumpMessages(); });
  freed(report, done.freedBytes);
  noteLeftovers(report, CleanupId::browserCache, done.leftovers);
  if (options.history && !done.historyCleared) report.note(tr(5391));
}

// A removal of folder trees inside the run: its lines and counts go into the run's report.
void addTreeRemoval(MultiCleanReport& report, const FolderTreesOutcome& outcome) {
  report.addCounts(outcome.run.counts);
  appWindows().backupProgress.closeWindow();
}

void walkDrives(const std::vector<CleanupId>& ids) {
  TForm1& results = appWindows().results;
  results.scanTogether(ids);
  // The user removes what they want; the run goes on once the results window is back in search
  // mode and its status report has been closed.
  waitUntil([&results] { return !results.resultMode() && !results.reportOpen(); });
  results.hideWindow();
  pumpMessages();
}

void handOverToRegistry() {
  AppWindows& w = appWindows();
  appState().registryCleanBusy = 1;
  w.registrySearch.startCheck(true);
  // The registry windows clear the flag when the user leaves them.
  waitUntil([] { return appState().registryCleanBusy == 0; });
  w.results.hideWindow();
}

MultiCleanSteps windowSteps(MultiCleanReport& report) {
  AppWindows& w = appWindows();
  MultiCleanSteps steps;
  steps.recycleBin = unattended(report, [&w] { emptyRecycleBin(w.chooser.hwnd()); });
  steps.recentDocuments = unattended(report, [] { clearShellRecentList(); });
  steps.prefetchAndDownloads = unattended(report, [&w, &report] {
    const ListingScope scope(w.options.exceptions.items(), appState().backupFolder);
    const FolderEmptying done = emptyPrefetchAndDownloadFolders(scope, {});
    freed(report, done.freedBytes);
    noteLeftovers(report, CleanupId::prefetchAndDownloads, done.leftovers);
  });
  steps.minidumps = unattended(report, [&w, &report] {
    const MinidumpCleaning done =
        cleanMinidumpFolder(minidumpLocatorPath(), unattendedSettings(), w.backupProgress);
    // Said in the report, not in a message box: nobody is asked anything during the run.
    if (done.libraryMissing) report.note(tr(332));
    freed(report, done.emptied.freedBytes);
    noteLeftovers(report, CleanupId::minidumps, done.emptied.leftovers);
    w.backupProgress.closeWindow();
  });
  steps.uninstallEntries = unattended(report, [&report] { removeUninstallEntries(report); });
  steps.browserCache = unattended(report, [&report] { cleanBrowsers(report); });
  steps.updateUninstallFolders = unattended(report, [&w, &report] {
    // With no such folders there is nothing to do.
    const std::vector<std::string> folders = findUpdateUninstallFolders();
    if (folders.empty()) return;
    RemovalParts parts{report, w.deleting, w.backupProgress, nullptr};
    addTreeRemoval(report, removeUpdateUninstallFolders(folders, unattendedSettings(), parts));
    showUnattendedProgress();
  });
  steps.beforeDriveWalk = hideUnattendedProgress;
  steps.driveWalk = walkDrives;
  steps.ownFolders = unattended(report, [&w, &report] {
    const std::vector<std::string> folders = w.ownFolders.folders.items();
    if (folders.empty()) return;
    RemovalParts parts{report, w.deleting, w.backupProgress, nullptr};
    addTreeRemoval(report, cleanOwnFolders(folders, unattendedSettings(), parts));
    w.deleting.stop();
  });
  steps.registry = handOverToRegistry;
  steps.finished = [&w] {
    pumpMessages();
    pumpMessages();
    w.multiCleanStatus.blink.setEnabled(false);
    w.message.showMessage(tr(234));
  };
  return steps;
}

}  // namespace

void ChooserWindow::goOn() {
  AppWindows& w = appWindows();
  playClick();
  w.multiCleanStatus.start();
  hide();
  cancelFlag().clear();
  pumpMessages();
  showUnattendedProgress();
  pumpMessages();

  MultiCleanReport report;
  const std::vector<CleanupId> ran =
      runMultiClean(choice(), windowSteps(report), w.multiCleanStatus, multiCleanCancelFlag());

  w.multiCleanStatus.stop();
  hideUnattendedProgress();
  cancelFlag().clear();  // a cancel outside a walk is not left for the next scan
  for (CleanupId id : ran) w.results.setDoneMark(cleanup(id).mark);
  w.main.refreshMarks();
  w.results.showWindow();
  if (!report.empty()) {
    w.report.clear();
    for (const std::string& line : report.lines()) w.report.appendLine(line);
    w.report.setSummary(report.counts());
    w.report.showReport();
  }
}

}  // namespace scrubwell::ui

// The clean-ups started by their own window or at once.
#include "ui/cleanup_launchers.h"

#include <string>

#include "app/app_windows.h"
#include "base/app_state.h"
#include "base/texts.h"
#include "multiclean/minidump_cleanup.h"
#include "multiclean/own_folder_cleanup.h"
#include "platform/message_pump.h"
#include "platform/seams.h"
#include "scan/prefetch_cleanup.h"
#include "ui/sounds.h"

namespace scrubwell::ui {
namespace {

void openTemporaryFolderWindow() {
  AppWindows& w = appWindows();
  playClick();
  w.results.hideWindow();
  w.temporaryFolder.open();
  w.results.setDoneMark(DoneMark::temporaryFolder);
}

void runPrefetchAndDownloadCleanup() {
  AppWindows& w = appWindows();
  playClick();
  w.deleting.start(100);
  const ListingScope scope(w.options.exceptions.items(), appState().backupFolder);
  const FolderEmptying done = emptyPrefetchAndDownloadFolders(scope, [&w](int percent) {
    w.deleting.bar.setPosition(percent);
    pumpMessages();
  });
  waitPumping(1500);
  w.deleting.bar.setPosition(100);
  w.deleting.stop();
  w.information.showEmptied(done.freedBytes, done.leftovers == 0 && !done.refused);
  w.results.setDoneMark(DoneMark::prefetchAndDownloads);
}

void openUpdateUninstallWindow() {
  AppWindows& w = appWindows();
  playClick();
  w.results.hideWindow();
  w.updateUninstall.show();
  w.results.setDoneMark(DoneMark::updateUninstallFolders);
}

void openWindowsToolsWindow() {
  AppWindows& w = appWindows();
  playClick();
  w.results.hideWindow();
  w.windowsTools.show();
  w.results.setDoneMark(DoneMark::windowsTools);
}

void runOwnFolderCleanup() {
  AppWindows& w = appWindows();
  playClick();
  w.results.hideWindow();
  const std::vector<std::string> folders = w.ownFolders.folders.items();
  if (folders.empty()) {
    // Nothing to clean: say where folders are added. The press still counts as done.
    w.message.showMessage(tr(5400));
    w.results.showWindow();
    w.results.setDoneMark(DoneMark::ownFolders);
    return;
  }
  RemovalParts parts{w.report, w.deleting, w.backupProgress, [&w] { w.results.hideWindow(); }};
  finishFolderTreeRemoval(cleanOwnFolders(folders, w.results.removalSettings(), parts));
  w.results.setDoneMark(DoneMark::ownFolders);
}

void runMinidumpCleanup() {
  AppWindows& w = appWindows();
  playClick();
  w.deleting.start(100);
  w.deleting.bar.setVisible(false);  // one folder: the animation alone shows the work going on
  const MinidumpCleaning done =
      cleanMinidumpFolder(minidumpLocatorPath(), w.results.removalSettings(), w.backupProgress);
  w.deleting.stop();
  w.deleting.bar.setVisible(true);
  if (done.libraryMissing) prompts().messageBox(w.main.hwnd(), tr(332), tr(1), MB_OK | MB_ICONWARNING);
  w.information.showEmptied(done.emptied.freedBytes, done.emptied.leftovers == 0);
  w.results.setDoneMark(DoneMark::minidumps);
}

void openRegistryCheck(bool full) {
  playClick();
  appWindows().registrySearch.startCheck(full);
  appWindows().results.setDoneMark(full ? DoneMark::registry : DoneMark::uninstallEntries);
}

struct Launcher {
  CleanupId id;
  CleanupLauncher launch;
};

constexpr Launcher kLaunchers[] = {
    {CleanupId::temporaryFolder, openTemporaryFolderWindow},
    {CleanupId::prefetchAndDownloads, runPrefetchAndDownloadCleanup},
    {CleanupId::recentDocuments, [] { appWindows().results.cleanRecentDocuments(); }},
    {CleanupId::updateUninstallFolders, openUpdateUninstallWindow},
    {CleanupId::windowsTools, openWindowsToolsWindow},
    {CleanupId::ownFolders, runOwnFolderCleanup},
    {CleanupId::minidumps, runMinidumpCleanup},
    {CleanupId::registry, [] { openRegistryCheck(true); }},
    {CleanupId::uninstallEntries, [] { openRegistryCheck(false); }},
};

}  // namespace

void finishFolderTreeRemoval(const FolderTreesOutcome& outcome) {
  AppWindows& w = appWindows();
  switch (outcome.run.end) {
    case RemovalEnd::declined:
      w.results.showWindow();
      return;
    case RemovalEnd::stoppedBeforeDeleting:
      // Nothing was deleted: the backup's message has been shown.
      w.deleting.stop();
      w.backupProgress.closeWindow();
      w.results.showWindow();
      return;
    case RemovalEnd::done:
      break;
  }
  w.report.setSummary(outcome.run.counts);
  w.report.showReport();
  w.deleting.stop();
}

CleanupLauncher launcherOf(CleanupId id) {
  for (const Launcher& l : kLaunchers)
    if (l.id == id) return l.launch;
  return nullptr;
}

}  // namespace scrubwell::ui

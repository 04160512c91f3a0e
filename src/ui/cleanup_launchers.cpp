// The clean-ups started by their own window or at once.
#include "ui/cleanup_launchers.h"

#include <string>

#include "app/app_windows.h"
#include "base/app_state.h"
#include "platform/message_pump.h"
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
    {CleanupId::registry, [] { openRegistryCheck(true); }},
    {CleanupId::uninstallEntries, [] { openRegistryCheck(false); }},
};

}  // namespace

CleanupLauncher launcherOf(CleanupId id) {
  for (const Launcher& l : kLaunchers)
    if (l.id == id) return l.launch;
  return nullptr;
}

}  // namespace scrubwell::ui

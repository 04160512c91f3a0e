// The results window's direct clean-ups of the user's shell folders: recent documents and empty
// start-menu folders. Each shows the deletion progress window while it works and then says in
// the information window what it did.
#include "app/app_windows.h"
#include "base/texts.h"
#include "scan/cancel_flag.h"
#include "scan/recent_documents.h"
#include "scan/start_menu_cleanup.h"
#include "ui/results_window.h"
#include "ui/sounds.h"

namespace scrubwell::ui {

void TForm1::cleanRecentDocuments() {
  AppWindows& w = appWindows();
  playClick();
  w.deleting.start(0);
  const RecentDocumentsCleanup result = deleteRecentDocuments(systemRecentFolder());
  clearShellRecentList();
  w.deleting.stop();
  if (!result.folderFound)
    w.information.showInformation(tr(5233), "");
  else
    w.information.showInformation(
        tr(5232) + " " + std::to_string(result.deleted),
        result.stayed ? tr(5234) + " " + std::to_string(result.stayed) : std::string());
  setDoneMark(DoneMark::recentDocuments);
}

void TForm1::emptyStartMenuFolders() {
  AppWindows& w = appWindows();
  playClick();
  w.deleting.start(0);
  const StartMenuSweep result =
      sweepStartMenu(systemStartMenuFolders(), w.options.exceptions.items(), cancelFlag(), nullptr);
  cancelFlag().clear();
  w.deleting.stop();
  if (result.found)
    w.information.showInformation(tr(5270), std::to_string(result.removed));
  else
    w.information.showInformation(tr(5271), "");
}

}  // namespace scrubwell::ui

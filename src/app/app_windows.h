// Every window of the program, created once at start-up in this order (the main window first, so
// it is the application's main window) and living until exit. Adding a window is one member here.
#pragma once
#include "multiclean/chooser_window.h"
#include "multiclean/multi_clean_status_window.h"
#include "multiclean/own_folder_window.h"
#include "multiclean/update_uninstall_selection_window.h"
#include "multiclean/update_uninstall_window.h"
#include "multiclean/windows_tools_window.h"
#include "options/mask_entry_window.h"
#include "options/options_window.h"
#include "ui/backup_dialogs.h"
#include "ui/backup_progress_window.h"
#include "ui/backup_window.h"
#include "ui/browser_progress_window.h"
#include "ui/browser_window.h"
#include "ui/deletion_progress_window.h"
#include "ui/information_window.h"
#include "ui/language_window.h"
#include "ui/main_window.h"
#include "ui/message_window.h"
#include "ui/registry_check_window.h"
#include "ui/registry_result_window.h"
#include "ui/registry_search_window.h"
#include "ui/results_window.h"
#include "ui/search_progress_window.h"
#include "ui/splash_window.h"
#include "ui/status_report_window.h"
#include "ui/temporary_folder_window.h"
#include "ui/uninstall_results_window.h"
#include "update/update_window.h"

namespace scrubwell {

struct AppWindows {
  ui::MainWindow main;
  ui::TForm1 results;
  ui::SplashWindow splash;
  ui::OptionsWindow options;
  ui::MaskEntryWindow maskEntry;
  ui::BackupWindow backup;
  ui::RemoveAllPointsWindow removeAllPoints;
  ui::BackupNoticeWindow backupNotice;
  ui::ChooserWindow chooser;
  ui::MultiCleanStatusWindow multiCleanStatus;
  ui::OwnFolderWindow ownFolders;
  ui::LanguageWindow language;
  ui::SearchProgressWindow searchProgress;
  ui::MessageWindow message;
  ui::StatusReportWindow report;
  ui::InformationWindow information;
  ui::DeletionProgressWindow deleting;
  ui::BackupProgressWindow backupProgress;
  ui::TemporaryFolderWindow temporaryFolder;
  ui::UpdateUninstallWindow updateUninstall;
  ui::UpdateUninstallSelectionWindow updateUninstallSelection;
  ui::WindowsToolsWindow windowsTools;
  ui::RegistrySearchWindow registrySearch;
  ui::RegistryCheckWindow registryCheck;
  ui::UninstallResultsWindow uninstallResults;
  ui::RegistryResultWindow registryResult;
  ui::UpdateWindow update;
  ui::BrowserWindow browser;
  ui::BrowserProgressWindow browserProgress;

  AppWindows();
  ~AppWindows();
  AppWindows(const AppWindows&) = delete;
  AppWindows& operator=(const AppWindows&) = delete;
};

// The program's windows; only valid while an AppWindows object exists (one at a time).
AppWindows& appWindows();
bool appWindowsExist();

}  // namespace scrubwell

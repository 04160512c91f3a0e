// The entry sequence of Scrubwell.exe: data folder, update script, language files, windows, the
// language step, the second start-up phase on the results window's 10 ms timer, the event loop.
#include "app/startup.h"

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "app/app_windows.h"
#include "app/automation.h"
#include "app/command_line.h"
#include "app/language_step.h"
#include "app/settings_binding.h"
#include "backup/auto_removal.h"
#include "backup/retention.h"
#include "base/app_state.h"
#include "base/data_folder.h"
#include "base/file_ops.h"
#include "base/settings_file.h"
#include "base/texts.h"
#include "base/update_script.h"
#include "platform/message_pump.h"
#include "platform/seams.h"
#include "platform/text_upper.h"
#include "scan/drives.h"
#include "ui/sounds.h"
#include "ui/framework/timer.h"
#include "ui/survey_window.h"

namespace scrubwell {
namespace {

void log(const std::string& line) { OutputDebugStringA(("Scrubwell: " + line + "\n").c_str()); }

// Start-up phases with the milliseconds since the process started, for the debug log.
void logPhase(const char* phase) {
  FILETIME created, exited, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  GetSystemTimeAsFileTime(&now);
  auto v = [](FILETIME f) { return (static_cast<ULONGLONG>(f.dwHighDateTime) << 32) | f.dwLowDateTime; };
  log(std::string(phase) + " at " + std::to_string((v(now) - v(created)) / 10000) + " ms");
}

void initCommonControls() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES |
                                           ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
}

// Steps 9 and 10: the windows, then the look settings.
void createWindows(AppWindows& w) {
  w.main.create();
  w.results.create();
  appState().backupFolder = backupFolderPath();
  w.results.offerDrives(offeredDrives());
  w.splash.show();
  UpdateWindow(w.splash.hwnd());
  applyLookFromSettingsFile();
}

// The event loop; the first paint of the main window goes to the start-up log, as the moment
// the user sees the program.
void runEventLoop(HWND main) {
  bool painted = false;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (!ui::Window::preTranslate(msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (!painted && main && msg.message == WM_PAINT && msg.hwnd == main) {
      painted = true;
      logPhase("main window painted");
    }
  }
}

}  // namespace

void runUninstallMode() {
  if (prompts().messageBox(nullptr, tr(315), tr(1), MB_YESNO | MB_ICONQUESTION) == IDYES) {
    ui::SurveyWindow survey;
    survey.setCaption(tr(1));
    survey.navigate(tr(316));
    removeDataFolder(kProductName);
    survey.runUntilClosed();
    ui::Window::destroyAll();
  } else {
    removeDataFolder(kProductName);
  }
}

int runProgram(const std::string& arg) {
  // The automation switches run without any window.
  if (isAutomationSwitch(arg)) return runAutomation(programArguments());
  initCommonControls();                                    // 1
  migrateFiles(kProductName, false, migrationList());      // 2
  std::string backup = backupFolderPath();                 // 3
  if (!folderExists(backup)) CreateDirectoryA(backup.c_str(), nullptr);
  if (arg == "update" || arg == "/update") {               // 4
    try {
      applyUpdateScript(kProductName);
    } catch (const std::exception& e) {
      log(std::string("update script failed: ") + e.what());
      return 1;
    }
  }
  translation().copyLanguageFilesAtStart();                // 5
  translation().loadFromDataFolder();                      // 6
  // 7: the application title is the main window's caption, set with the texts below.
  if (arg == "uninstall" || arg == "/uninstall") {         // 8
    runUninstallMode();
    return 0;
  }

  logPhase("prepared");
  auto windows = std::make_unique<AppWindows>();           // 9
  AppWindows& w = *windows;
  createWindows(w);                                        // 9, 10
  logPhase("windows created");
  w.language.stepTimer.setEnabled(true);                   // 11
  waitUntil([&] { return w.language.stepDone(); });
  logPhase("language step done");
  pumpMessages();                                          // 12
  if (quitRequested()) {  // the language step restarted the program
    ui::Window::destroyAll();
    return 0;
  }
  for (ui::Window* window : ui::Window::all()) window->applyTexts();
  // The program's two one-shot timers: the second start-up phase and the update check.
  ui::Timer startupTimer{10, false}, updateTimer{100, false};
  appState().startupBusy = 1;                              // 13
  startupTimer.onTimer = [&startupTimer] {
    startupTimer.setEnabled(false);
    secondStartupPhase();
  };
  startupTimer.setEnabled(true);
  waitUntil([&] { return appState().startupBusy == 0; });  // 14
  if (quitRequested()) {
    ui::Window::destroyAll();
    return 0;
  }
  logPhase("second phase done");
  w.splash.hide();                                         // 15
  updateTimer.onTimer = [&updateTimer] {
    updateTimer.setEnabled(false);
    updateTimerTick();
  };
  updateTimer.setEnabled(true);                            // 16
  if (!appState().restartPending) {
    w.main.show();
    logPhase("main window shown");
  }
  runEventLoop(w.main.hwnd());                             // 17
  ui::Window::destroyAll();
  return 0;
}

void secondStartupPhase() {
  AppWindows& w = appWindows();
  deleteOldBackupPoints(appState().backupFolder);
  loadSettingsNow();
  if (w.options.enhancedSounds.checked()) ui::playStart();
  // The options window's language list, with the loaded language selected: the names the
  // language step has just read into the language window, without its empty first entry.
  auto& list = w.options.languages;
  std::vector<std::string> names = w.language.languages.items();
  if (!names.empty()) names.erase(names.begin());
  list.setItems(names);
  list.setSelectedIndex(0);
  for (int i = 0; i < list.count(); ++i)
    if (equalsIgnoringCase(list.item(i), translation().firstText())) {
      list.setSelectedIndex(i);
      break;
    }
  w.backup.autoRemove.setChecked(autoRemovalRegistered());
  appState().startupBusy = 0;
}

void updateTimerTick() {
  AppWindows& w = appWindows();
  // The window opens with its introduction; the check itself starts when the user goes on.
  if (daysSinceLastUpdateCheck(w.main.lastUpdate.text()) >= 14 && w.main.autoUpdate.checked())
    w.update.open();
}

void restartProgram() {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  openDocument(self);
  appState().restartPending = true;
  appWindows().results.closeProgram(false);
}

}  // namespace scrubwell

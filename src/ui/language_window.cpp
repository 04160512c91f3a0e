// The language window and the language step of start-up.
#include "ui/language_window.h"

#include "app/app_windows.h"
#include "app/language_step.h"
#include "app/settings_binding.h"
#include "app/startup.h"
#include "base/app_state.h"
#include "base/settings_file.h"
#include "base/texts.h"
#include "language_window_res.h"
#include "platform/message_pump.h"
#include "ui/sounds.h"

namespace scrubwell::ui {

LanguageWindow::LanguageWindow()
    : Window("language", IDD_LANGUAGE),
      languages(IDC_LNG_LIST),
      confirmButton(IDC_LNG_CONFIRM),
      prompt_(IDC_LNG_PROMPT),
      busy_(IDC_LNG_BUSY),
      busyBar_(IDC_LNG_BUSYBAR) {
  busy_.setVisible(false);
  busyBar_.setVisible(false);
  bind({&languages, &confirmButton, &prompt_, &busy_, &busyBar_});
  languages.onSelect = [this] { updateConfirm(); };
  confirmButton.onClick = [this] {
    playClick();
    confirm();
  };
  stepTimer.onTimer = [this] {
    stepTimer.setEnabled(false);
    runStartupStep();
  };
}

void LanguageWindow::applyTexts() { setCaption(tr(1)); }

void LanguageWindow::updateConfirm() {
  int i = languages.selectedIndex();
  confirmButton.setEnabled(i > 0 && !languages.item(i).empty());
}

void LanguageWindow::fillLanguages() {
  std::vector<std::string> entries = languageEntries();
  languages.setItems(entries);
  languages.setSelectedIndex(preselectedLanguageEntry(entries, userInterfaceLanguage()));
  updateConfirm();
}

void LanguageWindow::runStartupStep() {
  deleteBackupCheckerShortcut();
  fillLanguages();
  if (languageChosenBefore(appState().backupFolder)) {
    languages.setSelectedIndex(readLanguageNumber() + 1);
    if (languages.selectedIndex() > 0)
      translation().applyLanguage(languages.item(languages.selectedIndex()));
    stepDone_ = true;
    return;
  }
  appWindows().main.hide();
  busy_.setVisible(true);
  busyBar_.setVisible(true);
  pumpMessages();
  wipeBackupFolderFiles(appState().backupFolder);
  busy_.setVisible(false);
  busyBar_.setVisible(false);
  if (languages.count() == 2) {
    languages.setSelectedIndex(1);
    confirm();
  } else {
    appWindows().splash.hide();
    showModal();
  }
  stepDone_ = true;
}

void LanguageWindow::confirm() {
  int entry = languages.selectedIndex();
  if (entry <= 0) return;
  SettingsControls controls = settingsControls();
  confirmLanguage(languages.items(), entry, &controls);
  if (modalRunning()) endModal(IDOK);
  restartProgram();
}

}  // namespace scrubwell::ui

// The options window's controls, their defaults and its buttons.
#include "options/options_window.h"

#include "app/app_windows.h"
#include "app/language_step.h"
#include "app/settings_binding.h"
#include "app/startup.h"
#include "base/app_state.h"
#include "base/file_ops.h"
#include "base/texts.h"
#include "ui/look_choice.h"
#include "options_window_res.h"
#include "platform/text_upper.h"
#include "scan/junk_masks.h"
#include "scan/search_exceptions.h"
#include "ui/sounds.h"

namespace scrubwell::ui {
namespace {

constexpr int kBackupFrameWithButtons = 172;
constexpr int kBackupFrameWithoutButtons = 136;

}  // namespace

OptionsWindow::OptionsWindow()
    : Window("options", IDD_OPTIONS),
      masks(IDC_OPT_MASKS),
      exceptions(IDC_OPT_EXCEPTIONS),
      maskChange(IDC_OPT_MASK_CHANGE),
      maskAdd(IDC_OPT_MASK_ADD),
      maskDelete(IDC_OPT_MASK_DELETE),
      exceptionChange(IDC_OPT_EXCEPTION_CHANGE),
      exceptionAdd(IDC_OPT_EXCEPTION_ADD),
      exceptionDelete(IDC_OPT_EXCEPTION_DELETE),
      askBeforeRemoving(IDC_OPT_BOX1),
      saveAutomatically(IDC_OPT_BOX3),
      deactivateDangerous(IDC_OPT_BOX4),
      immediateEffect(IDC_OPT_BOX5),
      normalSounds(IDC_OPT_BOX6),
      enhancedSounds(IDC_OPT_BOX7),
      backupOption(IDC_OPT_BACKUP),
      backgrounds(IDC_OPT_BACKGROUND),
      searchIcons(IDC_OPT_ICON),
      languages(IDC_OPT_LANGUAGE),
      deleteBackups(IDC_OPT_DELETE_BACKUPS),
      restoreBackups(IDC_OPT_RESTORE_BACKUPS),
      save(IDC_OPT_SAVE),
      restore(IDC_OPT_RESTORE),
      back(IDC_OPT_BACK),
      band_(IDC_OPT_BAND),
      masksCaption_(IDC_OPT_MASKS_CAPTION),
      exceptionsCaption_(IDC_OPT_EXCEPTIONS_CAPTION),
      optionsFrame_(IDC_OPT_OPTIONS_FRAME),
      backupFrame_(IDC_OPT_BACKUP_FRAME),
      backgroundCaption_(IDC_OPT_BACKGROUND_CAPTION),
      iconCaption_(IDC_OPT_ICON_CAPTION),
      languageCaption_(IDC_OPT_LANGUAGE_CAPTION) {
  masks.setItems(defaultJunkMasks());
  exceptions.setItems(defaultSearchExceptions());
  askBeforeRemoving.setVisible(false);
  deactivateDangerous.setChecked(true);
  immediateEffect.setChecked(true);
  normalSounds.setChecked(true);
  enhancedSounds.setChecked(true);
  backupOption.setChecked(true);
  backgrounds.setItems({"Endless Blue", "Formula 1", "Evergreen", "Magical"});
  backgrounds.setSelectedIndex(0);
  searchIcons.setItems({"1", "2", "3", "4", "5", "6", "random"});
  searchIcons.setSelectedIndex(0);
  band_.setToolBand(true);
  for (int i = 0; i < 6; ++i) explanation_[i].setId(IDC_OPT_EXPLAIN1 + i);
  bind({&masks, &exceptions, &maskChange, &maskAdd, &maskDelete, &exceptionChange, &exceptionAdd,
        &exceptionDelete, &askBeforeRemoving, &saveAutomatically, &deactivateDangerous,
        &immediateEffect, &normalSounds, &enhancedSounds, &backupOption, &backgrounds,
        &searchIcons, &languages, &deleteBackups, &restoreBackups, &save, &restore, &back, &band_,
        &masksCaption_, &exceptionsCaption_, &optionsFrame_, &backupFrame_, &backgroundCaption_,
        &iconCaption_, &languageCaption_});
  for (auto& line : explanation_) bind(line);

  maskChange.onClick = [this] { edit(masks, PatternEdit::change); };
  maskAdd.onClick = [this] { edit(masks, PatternEdit::add); };
  maskDelete.onClick = [this] { edit(masks, PatternEdit::remove); };
  exceptionChange.onClick = [this] { edit(exceptions, PatternEdit::change); };
  exceptionAdd.onClick = [this] { edit(exceptions, PatternEdit::add); };
  exceptionDelete.onClick = [this] { edit(exceptions, PatternEdit::remove); };
  for (CheckBox* box : {&saveAutomatically, &deactivateDangerous, &immediateEffect, &normalSounds,
                        &enhancedSounds})
    box->onChange = [] { playClick(); };
  backupOption.onChange = [this] {
    playClick();
    backupOptionToggled(*this, backupOption, appWindows().backup.backupOption);
  };
  backgrounds.onSelect = [this] { showBackground(backgrounds.selectedIndex()); };
  searchIcons.onSelect = [this] { showSearchIcons(searchIcons.selectedIndex()); };
  languages.onSelect = [this] { languageChosen(); };
  deleteBackups.onClick = [] {
    playClick();
    appWindows().removeAllPoints.showModal();
  };
  restoreBackups.onClick = [] {
    playClick();
    appWindows().backup.fillPointList();
    appWindows().backup.showModal();
  };
  save.onClick = [] {
    playClick();
    saveSettingsNow();
  };
  restore.onClick = [] {
    playClick();
    loadSettingsNow();
  };
  back.onClick = [this] {
    playClick();
    hide();
  };
}

void OptionsWindow::applyTexts() {
  setCaption(tr(69));
  band_.setText(tr(45));
  masksCaption_.setText(tr(70));
  exceptionsCaption_.setText(tr(74));
  for (Button* b : {&maskChange, &exceptionChange}) b->setText(tr(71));
  for (Button* b : {&maskAdd, &exceptionAdd}) b->setText(tr(72));
  for (Button* b : {&maskDelete, &exceptionDelete}) b->setText(tr(73));
  optionsFrame_.setText(tr(61));
  askBeforeRemoving.setText(tr(62));
  saveAutomatically.setText(tr(63));
  deactivateDangerous.setText(tr(64));
  immediateEffect.setText(tr(65));
  normalSounds.setText(tr(66));
  enhancedSounds.setText(tr(67));
  backupFrame_.setText(tr(76));
  backupOption.setText(tr(78));
  for (int i = 0; i < 6; ++i) explanation_[i].setText(tr(79 + i));
  deleteBackups.setText(tr(75));
  restoreBackups.setText(tr(183));
  backgroundCaption_.setText(tr(264));
  iconCaption_.setText(tr(265));
  languageCaption_.setText(tr(77));
  std::vector<std::string> icons = searchIcons.items();
  if (!icons.empty()) {
    int selected = searchIcons.selectedIndex();
    icons.back() = tr(266);
    searchIcons.setItems(std::move(icons));
    searchIcons.setSelectedIndex(selected);
  }
  save.setText(tr(57));
  restore.setText(tr(58));
  back.setText(tr(44));
}

// However the lists were filled before, the window never shows a dangerous entry.
void OptionsWindow::onCreated() {
  std::vector<std::string> maskEntries = masks.items(), exceptionEntries = exceptions.items();
  removeDangerousPatterns(maskEntries, exceptionEntries);
  if (maskEntries != masks.items()) masks.setItems(std::move(maskEntries));
  if (exceptionEntries != exceptions.items()) exceptions.setItems(std::move(exceptionEntries));
}

// The backup buttons are offered only while the backup folder holds files (any file, hidden
// and system files too), and the frame around the backup option grows to hold them.
void OptionsWindow::onShown() {
  const bool holdsFiles = !listNames(appState().backupFolder, "*").empty();
  deleteBackups.setVisible(holdsFiles);
  restoreBackups.setVisible(holdsFiles);
  backupFrameHeight_ = holdsFiles ? kBackupFrameWithButtons : kBackupFrameWithoutButtons;
  if (HWND frame = backupFrame_.hwnd()) {
    RECT r;
    GetWindowRect(frame, &r);
    SetWindowPos(frame, nullptr, 0, 0, r.right - r.left, backupFrameHeight_,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void OptionsWindow::edit(ListBox& list, PatternEdit edit) {
  playClick();
  PatternList edited{list.items(), list.selectedIndex()};
  editPatternList(edit, edited,
                  [](const std::string& initial) { return appWindows().maskEntry.ask(initial); });
  std::vector<std::string> maskEntries = &list == &masks ? edited.entries : masks.items();
  std::vector<std::string> exceptionEntries =
      &list == &exceptions ? edited.entries : exceptions.items();
  removeDangerousPatterns(maskEntries, exceptionEntries);
  const std::string selected =
      edited.selected >= 0 && edited.selected < static_cast<int>(edited.entries.size())
          ? edited.entries[static_cast<size_t>(edited.selected)]
          : std::string();
  masks.setItems(std::move(maskEntries));
  exceptions.setItems(std::move(exceptionEntries));
  for (int i = 0; i < list.count(); ++i)
    if (list.item(i) == selected) {
      list.setSelectedIndex(i);
      break;
    }
}

void OptionsWindow::languageChosen() {
  const int chosen = languages.selectedIndex();
  if (chosen < 0 || equalsIgnoringCase(languages.item(chosen), translation().firstText())) return;
  const SettingsControls controls = settingsControls();
  switchToLanguage(languages.items(), chosen, controls, saveAutomatically.checked());
  restartProgram();
}

}  // namespace scrubwell::ui

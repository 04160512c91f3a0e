// The results window `TForm1`: drive slots, status bar, done marks, timers and shut down.
#include "ui/results_window.h"

#include "app/app_windows.h"
#include "app/startup.h"
#include "base/app_state.h"
#include "base/texts.h"
#include "core_version.h"
#include "platform/message_pump.h"
#include "results_window_res.h"
#include "scan/system_result_list.h"
#include "ui/sounds.h"

namespace scrubwell::ui {

TForm1::TForm1()
    : Window("results", IDD_RESULTS),
      driveList(IDC_RES_DRIVELIST),
      statusBar(IDC_RES_STATUSBAR),
      statusLine(IDC_RES_STATUSLINE),
      rows(IDC_RES_RESULTLIST),
      searchJunk(IDC_RES_SEARCH_JUNK),
      closeButton(IDC_RES_CLOSE),
      remove(IDC_RES_REMOVE),
      markAll(IDC_RES_MARKALL),
      arrange(IDC_RES_ARRANGE),
      unmarkAll(IDC_RES_UNMARKALL),
      cancel(IDC_RES_CANCEL),
      saveListButton(IDC_RES_SAVELIST),
      driveFrame_(IDC_RES_DRIVEFRAME),
      foundCaption_(IDC_RES_FOUND_CAPTION),
      results_(makeSystemResultList()) {
  for (int i = 0; i < kDriveSlots; ++i) {
    driveChecks[i].setId(IDC_RES_DRIVECHECK1 + i);
    driveLabels[i].setId(IDC_RES_DRIVELABEL1 + i);
    driveChecks[i].setVisible(false);
    bind({&driveChecks[i], &driveLabels[i]});
  }
  driveList.setVisible(false);
  bind({&driveList, &statusBar, &statusLine, &driveFrame_, &foundCaption_, &rows, &searchJunk,
        &closeButton, &remove, &markAll, &arrange, &unmarkAll, &cancel, &saveListButton});
  for (int i = 0; i < 20; ++i) {
    classPictures_[i].setId(IDC_RES_CLASSPIC1 + i);
    classPictures_[i].setVisible(false);
    bind(classPictures_[i]);
  }
  statusBar.setPanels({std::string("Scrubwell ") + kVersionText, ""});
  for (Button* b : {&remove, &markAll, &arrange, &unmarkAll, &cancel, &saveListButton})
    b->setVisible(false);

  rows.rowCount = [this] { return results_.rowCount(); };
  rows.rowText = [this](size_t i) { return results_.rowText(i); };
  rows.rowMarked = [this](size_t i) { return results_.isRowMarked(i); };
  rows.onRowClick = [this](size_t i) { rowClicked(i); };
  rows.onRowHover = [this](int i) { rowHovered(i); };
  searchJunk.onClick = [this] { junkSearchLauncher(); };
  remove.onClick = [this] { removeMarked(); };
  closeButton.onClick = [this] { closeProgram(true); };
  markAll.onClick = [this] {
    playClick();
    markEverything(true);
  };
  unmarkAll.onClick = [this] {
    playClick();
    markEverything(false);
  };
  arrange.onClick = [this] {
    playClick();
    arrangeEntries();
  };
  cancel.onClick = [this] {
    playClick();
    cancelProcess();
  };
  saveListButton.onClick = [this] { saveList(); };
  picturesTimer.onTimer = [this] {
    if (results_.rowCount() > 0) refreshClassPictures();
  };
}

TForm1::~TForm1() {
  if (fixedFont_) DeleteObject(fixedFont_);
}

void TForm1::onCreated() {
  // The rows are drawn in Courier with 16-pixel rows, so the size texts line up in a column.
  fixedFont_ = CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           FIXED_PITCH | FF_MODERN, "Courier New");
  if (rows.hwnd()) SendMessageA(rows.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(fixedFont_), TRUE);
  // The column widths of the row text: 36 columns of path, 3 blanks, the size, then the class.
  rows.setHeader(std::string("Filename") + std::string(31, ' ') + "Size" + std::string(5, ' ') + "Security");
  rows.refresh();
  layout();
}

void TForm1::applyTexts() {
  setCaption(tr(1) + " " + kVersionText + " " + tr(68));
  statusBar.setPanelText(0, tr(1) + " " + kVersionText);
  driveFrame_.setText(tr(5132));
  foundCaption_.setText(tr(5140));
  searchJunk.setText(tr(5110));
  closeButton.setText(tr(5148));
  remove.setText(tr(5143));
  markAll.setText(tr(23));
  arrange.setText(tr(5145));
  unmarkAll.setText(tr(24));
  cancel.setText(tr(5147));
  saveListButton.setText(tr(5444));
}

void TForm1::offerDrives(const DriveOffer& offer) {
  for (int i = 0; i < kDriveSlots; ++i) {
    bool used = static_cast<size_t>(i) < offer.slots.size();
    driveLabels[i].setText(used ? offer.slots[i] : "");
    driveChecks[i].setVisible(used);
    driveChecks[i].setChecked(offer.slotChecked(i));
  }
  driveList.setItems(offer.list);
  driveList.setVisible(offer.listShown());
  driveFrameHeight_ = offer.frameHeight();
}

std::vector<std::string> TForm1::checkedDrives() const {
  std::vector<DriveChoice> slots, list;
  for (int i = 0; i < kDriveSlots; ++i)
    slots.push_back({driveLabels[i].text(), driveChecks[i].checked(), driveChecks[i].visible()});
  for (int k = 0; k < driveList.count(); ++k) list.push_back({driveList.item(k), driveList.checked(k)});
  return chosenDriveRoots(slots, list, driveList.visible());
}

void TForm1::setDoneMark(DoneMark mark) { doneMarks_.set(mark); }

void TForm1::closeProgram(bool closeButton) {
  if (closeButton) {
    playFinish();
    if (appWindows().options.enhancedSounds.checked()) waitPumping(1000);
  }
  if (appWindows().options.saveAutomatically.checked()) saveSettingsNow();
  PostQuitMessage(0);
}

void TForm1::onClose() { closeProgram(false); }

}  // namespace scrubwell::ui

// The main window: page switching, the welcome page's dates, the drive selection guard and the
// buttons that hand over to the windows that do the work.
#include "ui/main_window.h"

#include "app/app_windows.h"
#include "base/app_state.h"
#include "base/data_folder.h"
#include "base/file_ops.h"
#include "base/settings_file.h"
#include "base/texts.h"
#include "core_version.h"
#include "main_window_res.h"
#include "platform/seams.h"
#include "resource_ids.h"
#include "scan/cleanup_table.h"
#include "ui/sounds.h"
#include "update/kv_update.h"

namespace scrubwell::ui {
namespace {

// Checking a drive other than C: that holds a Windows folder needs the user's consent.
bool driveCheckAccepted(const std::string& root, bool checking) {
  if (!checking || root == "C:\\") return true;
  if (!folderExists(root + "Windows\\")) return true;
  return prompts().messageBox(appWindows().main.hwnd(), tr(352), tr(1),
                              MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// The page a done mark is shown on: the page of its clean-up's button.
int pageOfMark(int n) {
  for (const Cleanup& c : cleanups())
    if (static_cast<int>(c.mark) == n) return c.page;
  return -1;
}

}  // namespace

MainWindow::MainWindow()
    : Window("main", IDD_MAIN),
      lastScan(IDC_MAIN_LASTSCAN),
      lastUpdate(IDC_MAIN_LASTUPDATE),
      autoUpdate(IDC_MAIN_AUTOUPDATE),
      checkUpdates(IDC_MAIN_CHECKUPDATES),
      driveList(IDC_MAIN_DRIVELIST),
      welcome_(IDC_MAIN_WELCOME),
      lastScanCaption_(IDC_MAIN_LASTSCAN_CAPTION),
      lastUpdateCaption_(IDC_MAIN_LASTUPDATE_CAPTION),
      autoUpdateLabel_(IDC_MAIN_AUTOUPDATE_LABEL),
      backup_(IDC_MAIN_BACKUP),
      options_(IDC_MAIN_OPTIONS),
      info_(IDC_MAIN_INFO),
      help_(IDC_MAIN_HELP),
      docs_(IDC_MAIN_DOCS),
      homepage_(IDC_MAIN_HOMEPAGE),
      feedback_(IDC_MAIN_FEEDBACK),
      driveFrame_(IDC_MAIN_DRIVEFRAME) {
  lastScan.setText("never");
  lastUpdate.setText("never");
  autoUpdate.setChecked(true);
  for (int i = 0; i < kPages; ++i) {
    side_[i].setId(IDC_MAIN_SIDE1 + i);
    side_[i].onClick = [this, i] {
      playClick();
      showPage(i);
    };
    bind(side_[i]);
  }
  pages_[0] = {&welcome_,   &lastScanCaption_, &lastScan,         &lastUpdateCaption_,
               &lastUpdate, &autoUpdate,       &autoUpdateLabel_, &checkUpdates};
  auto addButtons = [this](auto& buttons, int firstId, int page) {
    for (size_t i = 0; i < buttons.size(); ++i) {
      buttons[i].setId(firstId + static_cast<int>(i));
      pages_[page].push_back(&buttons[i]);
    }
  };
  addButtons(clean_, IDC_MAIN_CLEAN1, 1);
  addButtons(tidy_, IDC_MAIN_TIDY1, 2);
  addButtons(misc_, IDC_MAIN_MISC1, 3);
  pages_[4] = {&backup_,   &options_,  &info_,       &help_,    &docs_,
               &homepage_, &feedback_, &driveFrame_, &driveList};
  for (int i = 0; i < TForm1::kDriveSlots; ++i) {
    driveChecks[i].setId(IDC_MAIN_DRIVECHECK1 + i);
    driveLabels[i].setId(IDC_MAIN_DRIVELABEL1 + i);
    driveChecks[i].setVisible(false);
    pages_[4].push_back(&driveChecks[i]);
    pages_[4].push_back(&driveLabels[i]);
    driveChecks[i].onChange = [this, i] {
      if (mirroring_) return;
      CheckBox& box = driveChecks[i];
      if (driveCheckAccepted(driveLabels[i].text(), box.checked()))
        appWindows().results.driveChecks[i].setChecked(box.checked());
      else
        box.setChecked(false);
    };
  }
  driveList.setVisible(false);
  driveList.onCheck = [this](int) {
    if (mirroring_) return;
    CheckListBox& engine = appWindows().results.driveList;
    for (int k = 0; k < driveList.count() && k < engine.count(); ++k) {
      if (driveCheckAccepted(driveList.item(k), driveList.checked(k)))
        engine.setChecked(k, driveList.checked(k));
      else
        driveList.setChecked(k, false);
    }
  };
  for (int m = 0; m < kMarks; ++m) {
    marks_[m].setId(IDC_MAIN_MARK1 + m);
    marks_[m].setVisible(false);
    marks_[m].setImage(IDI_DONE_MARK);
  }
  for (auto& page : pages_)
    for (Control* c : page) bind(*c);
  for (auto& m : marks_) bind(m);

  autoUpdateLabel_.onClick = [this] { autoUpdate.click(); };
  options_.onClick = [] {
    playClick();
    appWindows().options.show();
  };
  backup_.onClick = [] {
    playClick();
    appWindows().backup.open();
  };
  homepage_.onClick = [] {
    playClick();
    openAddress(tr(3));
  };
  feedback_.onClick = [] {
    playClick();
    openAddress("mailto:" + tr(4));
  };
  help_.onClick = [] {
    playClick();
    openDocument(locateFile(kProductName, "Scrubwell.chm"));
  };
  docs_.onClick = [] {
    playClick();
    openDocument(locateFile(kProductName, "Scrubwell.doc"));
  };
  info_.onClick = [this] {
    playClick();
    const std::string version = versionWithSubversion(kVersionText, dataFolder(kProductName));
    prompts().messageBox(hwnd(), tr(1) + " " + version + "\n\n" + tr(5133), tr(5127),
                         MB_OK | MB_ICONINFORMATION);
    playHover();
  };
  // Every clean-up button starts its clean-up from the table; one that cannot start yet, and the
  // other buttons of the pages, stay disabled until what they start exists.
  for (auto& b : clean_) b.setEnabled(false);
  for (auto& b : tidy_) b.setEnabled(false);
  for (auto& b : misc_) b.setEnabled(false);
  // The start-menu clean-up has no done mark and no chooser box, so no entry in the table.
  tidy_[5].setEnabled(true);
  tidy_[5].onClick = [] { appWindows().results.emptyStartMenuFolders(); };
  for (const Cleanup& c : cleanups()) {
    Button& b = pageButton(c.page, c.row);
    b.setEnabled(TForm1::canStart(c.id));
    b.onClick = [this, id = c.id] {
      appWindows().results.startCleanup(id);
      refreshMarks();
    };
  }
  Button& manageFolders = misc_[3];
  manageFolders.setEnabled(true);
  manageFolders.onClick = [] {
    playClick();
    appWindows().ownFolders.show();
  };
  checkUpdates.onClick = [] {
    playClick();
    appWindows().update.open();
  };
  showPage(0);
}

void MainWindow::applyTexts() {
  setCaption(tr(1));
  const std::string sideTexts[kPages] = {tr(5100), tr(5101), tr(5102), tr(5103), tr(5104)};
  for (int i = 0; i < kPages; ++i) side_[i].setText(sideTexts[i]);
  welcome_.setText(tr(5105));
  lastScanCaption_.setText(tr(5106));
  lastUpdateCaption_.setText(tr(5107));
  autoUpdateLabel_.setText(tr(5108));
  checkUpdates.setText(tr(5109));
  for (const Cleanup& c : cleanups()) pageButton(c.page, c.row).setText(tr(c.buttonText));
  tidy_[5].setText(tr(5134));  // empty start-menu folders
  misc_[1].setText(tr(5122));  // check multiple items
  misc_[3].setText(tr(5124));  // manage own folders
  backup_.setText(tr(247));
  options_.setText(tr(5126));
  info_.setText(tr(5127));
  help_.setText(tr(5128));
  docs_.setText(tr(5129));
  homepage_.setText(tr(5130));
  feedback_.setText(tr(5131));
  driveFrame_.setText(tr(5132));
}

void MainWindow::showPage(int page) {
  if (page < 0 || page >= kPages) return;
  page_ = page;
  for (int p = 0; p < kPages; ++p) {
    for (Control* c : pages_[p]) {
      if (p == page) {
        // Slots without a drive and an unneeded drive list stay hidden.
        bool keepHidden = false;
        for (int i = 0; i < TForm1::kDriveSlots; ++i)
          if (c == &driveChecks[i]) keepHidden = driveLabels[i].text().empty();
        if (c == &driveList) keepHidden = driveList.count() == 0;
        c->setVisible(!keepHidden);
      } else {
        c->setVisible(false);
      }
    }
  }
  for (int m = 0; m < kMarks; ++m) marks_[m].setVisible(markShown_[m] && pageOfMark(m + 1) == page);
}

void MainWindow::mirrorDrives() {
  mirroring_ = true;
  const auto& results = appWindows().results;
  for (int i = 0; i < TForm1::kDriveSlots; ++i) {
    driveChecks[i].setChecked(results.driveChecks[i].checked());
    driveLabels[i].setText(results.driveLabels[i].text());
    driveChecks[i].setVisible(results.driveChecks[i].visible() && page_ == 4);
  }
  driveList.setItems(results.driveList.items());
  for (int k = 0; k < driveList.count(); ++k) driveList.setChecked(k, results.driveList.checked(k));
  driveList.setVisible(results.driveList.visible() && page_ == 4);
  mirroring_ = false;
}

void MainWindow::setMark(int n, bool shown) {
  if (n < 1 || n > kMarks) return;
  markShown_[n - 1] = shown;
  marks_[n - 1].setVisible(shown && pageOfMark(n) == page_);
}

void MainWindow::refreshMarks() {
  const auto& results = appWindows().results;
  for (int n = 1; n <= 12; ++n) setMark(n, results.doneMark(n));
  lastScan.setText(todayAsShortDate());
}

void MainWindow::onCreated() {
  // Each mark's picture stands right of its clean-up's button.
  for (const Cleanup& c : cleanups()) {
    const int m = static_cast<int>(c.mark) - 1;
    HWND button = pageButton(c.page, c.row).hwnd();
    RECT r;
    GetWindowRect(button, &r);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(marks_[m].hwnd(), nullptr, r.right + 6, r.top + 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  showPage(page_);
}

Button& MainWindow::pageButton(int page, int row) {
  if (page == 1) return clean_.at(row);
  if (page == 2) return tidy_.at(row);
  return misc_.at(row);
}

void MainWindow::onClose() { appWindows().results.closeProgram(false); }

}  // namespace scrubwell::ui

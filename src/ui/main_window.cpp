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
#include "ui/sounds.h"

namespace scrubwell::ui {
namespace {

// Checking a drive other than C: that holds a Windows folder needs the user's consent.
bool driveCheckAccepted(const std::string& root, bool checking) {
  if (!checking || root == "C:\\") return true;
  if (!folderExists(root + "Windows\\")) return true;
  return prompts().messageBox(appWindows().main.hwnd(), tr(352), tr(1), MB_YESNO | MB_ICONQUESTION) ==
         IDYES;
}

// Where each done mark is shown: the page and the row of its clean-up's button.
struct MarkPlace {
  int page, row;
};
constexpr MarkPlace kMarkPlaces[14] = {{1, 0}, {2, 0}, {1, 1}, {1, 3}, {2, 1}, {1, 2}, {2, 2},
                                       {2, 3}, {2, 4}, {1, 5}, {3, 0}, {1, 4}, {3, 2}, {3, 4}};

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
  pages_[0] = {&welcome_, &lastScanCaption_, &lastScan, &lastUpdateCaption_, &lastUpdate,
               &autoUpdate, &autoUpdateLabel_, &checkUpdates};
  auto addButtons = [this](auto& buttons, int firstId, int page) {
    for (size_t i = 0; i < buttons.size(); ++i) {
      buttons[i].setId(firstId + static_cast<int>(i));
      pages_[page].push_back(&buttons[i]);
    }
  };
  addButtons(clean_, IDC_MAIN_CLEAN1, 1);
  addButtons(tidy_, IDC_MAIN_TIDY1, 2);
  addButtons(misc_, IDC_MAIN_MISC1, 3);
  pages_[4] = {&backup_, &options_, &info_, &help_, &docs_, &homepage_, &feedback_, &driveFrame_,
               &driveList};
  for (int i = 0; i < 10; ++i) {
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
  for (int m = 0; m < 14; ++m) {
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
    prompts().messageBox(hwnd(), tr(1) + " " + kVersionText + "\n\n" + tr(5133), tr(5127),
                         MB_OK | MB_ICONINFORMATION);
    playHover();
  };
  clean_[0].onClick = [this] {
    appWindows().results.junkSearchLauncher();
    refreshMarks();
  };
  // The other clean-ups and the update check are wired by the windows that own them once they
  // exist; until then their buttons are shown disabled.
  for (size_t i = 1; i < clean_.size(); ++i) clean_[i].setEnabled(false);
  for (auto& b : tidy_) b.setEnabled(false);
  for (auto& b : misc_) b.setEnabled(false);
  checkUpdates.setEnabled(false);
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
  const std::string cleanTexts[] = {tr(5110), tr(5111), tr(5112), tr(5113), tr(5114), tr(5115)};
  for (size_t i = 0; i < clean_.size(); ++i) clean_[i].setText(cleanTexts[i]);
  const std::string tidyTexts[] = {tr(5116), tr(5117), tr(5118), tr(5119), tr(5120)};
  for (size_t i = 0; i < tidy_.size(); ++i) tidy_[i].setText(tidyTexts[i]);
  const std::string miscTexts[] = {tr(5121), tr(5122), tr(5123), tr(5124), tr(5125)};
  for (size_t i = 0; i < misc_.size(); ++i) misc_[i].setText(miscTexts[i]);
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
        for (int i = 0; i < 10; ++i)
          if (c == &driveChecks[i]) keepHidden = driveLabels[i].text().empty();
        if (c == &driveList) keepHidden = driveList.count() == 0;
        c->setVisible(!keepHidden);
      } else {
        c->setVisible(false);
      }
    }
  }
  for (int m = 0; m < 14; ++m)
    marks_[m].setVisible(markShown_[m] && kMarkPlaces[m].page == page);
}

void MainWindow::mirrorDrives() {
  mirroring_ = true;
  const auto& results = appWindows().results;
  for (int i = 0; i < 10; ++i) {
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
  if (n < 1 || n > 14) return;
  markShown_[n - 1] = shown;
  marks_[n - 1].setVisible(shown && kMarkPlaces[n - 1].page == page_);
}

void MainWindow::refreshMarks() {
  const auto& results = appWindows().results;
  for (int n = 1; n <= 12; ++n) setMark(n, results.doneMark(n));
  lastScan.setText(todayAsShortDate());
}

void MainWindow::onCreated() {
  // Each mark's picture stands right of its clean-up's button.
  for (int m = 0; m < 14; ++m) {
    const MarkPlace& place = kMarkPlaces[m];
    const int firstId[] = {0, IDC_MAIN_CLEAN1, IDC_MAIN_TIDY1, IDC_MAIN_MISC1};
    HWND button = GetDlgItem(hwnd(), firstId[place.page] + place.row);
    RECT r;
    GetWindowRect(button, &r);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(marks_[m].hwnd(), nullptr, r.right + 6, r.top + 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  showPage(page_);
}

void MainWindow::onClose() { appWindows().results.closeProgram(false); }

}  // namespace scrubwell::ui

// The main window: page switching, the welcome page's dates, the drive selection guard and the
// buttons that hand over to the windows that do the work.
#include "ui/main_window.h"

#include "app/app_windows.h"
#include "base/app_state.h"
#include "base/data_folder.h"
#include "base/file_ops.h"
#include "base/settings_file.h"
#include "base/texts.h"
#include "base/web_address.h"
#include "core_version.h"
#include "main_window_res.h"
#include "platform/seams.h"
#include "platform/text_upper.h"
#include "resource_ids.h"
#include "ui/sounds.h"
#include "update/kv_update.h"

namespace scrubwell::ui {
namespace {

// The root of the drive the running Windows lives on, "C:\" when it cannot be told.
std::string windowsDriveRoot() {
  const std::string windows = windowsFolder();
  return windows.size() >= 2 && windows[1] == ':' ? windows.substr(0, 2) + "\\" : "C:\\";
}

// Checking a drive other than the running Windows' own that holds a Windows folder (another
// Windows installation) needs the user's consent.
bool driveCheckAccepted(const std::string& root, bool checking) {
  if (!checking || equalsIgnoringCase(root, windowsDriveRoot())) return true;
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

// The width of `text` in the control's own font, in pixels.
int textWidthIn(HWND control, const std::string& text) {
  HDC dc = GetDC(control);
  HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
  SIZE size{0, 0};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return size.cx;
}

// Opens a web or mail address from the language file; any other text opens nothing.
void openLanguageAddress(const std::string& address) {
  if (isWebOrMailAddress(address)) openAddress(address);
}

}  // namespace

MainWindow::MainWindow()
    : Window("main", IDD_MAIN),
      lastScan(IDC_MAIN_LASTSCAN),
      lastUpdate(IDC_MAIN_LASTUPDATE),
      autoUpdate(IDC_MAIN_AUTOUPDATE),
      checkUpdates(IDC_MAIN_CHECKUPDATES),
      driveList(IDC_MAIN_DRIVELIST),
      backup(IDC_MAIN_BACKUP),
      options(IDC_MAIN_OPTIONS),
      info(IDC_MAIN_INFO),
      help(IDC_MAIN_HELP),
      docs(IDC_MAIN_DOCS),
      homepage(IDC_MAIN_HOMEPAGE),
      feedback(IDC_MAIN_FEEDBACK),
      band_(IDC_MAIN_BAND),
      welcome_(IDC_MAIN_WELCOME),
      lastScanCaption_(IDC_MAIN_LASTSCAN_CAPTION),
      lastUpdateCaption_(IDC_MAIN_LASTUPDATE_CAPTION),
      autoUpdateLabel_(IDC_MAIN_AUTOUPDATE_LABEL),
      driveFrame_(IDC_MAIN_DRIVEFRAME) {
  lastScan.setText("never");
  lastUpdate.setText("never");
  autoUpdate.setChecked(true);
  band_.setToolBand(true);
  bind(band_);
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
  pages_[4] = {&backup,   &options,  &info,        &help,     &docs,
               &homepage, &feedback, &driveFrame_, &driveList};
  for (int i = 0; i < DriveOffer::kSlots; ++i) {
    driveChecks[i].setId(IDC_MAIN_DRIVECHECK1 + i);
    driveLabels[i].setId(IDC_MAIN_DRIVELABEL1 + i);
    driveChecks[i].setVisible(false);
    pages_[4].push_back(&driveChecks[i]);
    pages_[4].push_back(&driveLabels[i]);
  }
  driveList.setVisible(false);
  for (int m = 0; m < kMarks; ++m) {
    marks_[m].setId(IDC_MAIN_MARK1 + m);
    marks_[m].setVisible(false);
    marks_[m].setImage(IDI_DONE_MARK);
  }
  for (auto& page : pages_)
    for (Control* c : page) bind(*c);
  for (auto& m : marks_) bind(m);
  wireDriveGuard();
  wireButtons();
  showPage(0);
}

// Each drive box, and each entry of the drive list, is guarded on its own: only the entry the
// user changed is asked about and copied to the results window.
void MainWindow::wireDriveGuard() {
  for (int i = 0; i < DriveOffer::kSlots; ++i) {
    driveChecks[i].onChange = [this, i] {
      if (mirroring_) return;
      CheckBox& box = driveChecks[i];
      if (driveCheckAccepted(driveLabels[i].text(), box.checked()))
        appWindows().results.driveChecks[i].setChecked(box.checked());
      else
        box.setChecked(false);
    };
  }
  driveList.onCheck = [this](int k) {
    CheckListBox& engine = appWindows().results.driveList;
    if (mirroring_ || k < 0 || k >= driveList.count() || k >= engine.count()) return;
    const bool checking = driveList.checked(k);
    if (driveCheckAccepted(driveList.item(k), checking))
      engine.setChecked(k, checking);
    else
      driveList.setChecked(k, false);
  };
}

void MainWindow::wireButtons() {
  autoUpdateLabel_.onClick = [this] { autoUpdate.click(); };
  options.onClick = [] {
    playClick();
    appWindows().options.show();
  };
  backup.onClick = [] {
    playClick();
    appWindows().backup.open();
  };
  homepage.onClick = [] {
    playClick();
    openLanguageAddress(tr(3));
  };
  feedback.onClick = [] {
    playClick();
    openLanguageAddress(mailLinkFor(tr(4)));
  };
  help.onClick = [] {
    playClick();
    openDocument(locateFile(kProductName, "Scrubwell.chm"));
  };
  docs.onClick = [] {
    playClick();
    openDocument(locateFile(kProductName, "Scrubwell.doc"));
  };
  info.onClick = [this] {
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
  Button& multiClean = misc_[1];
  multiClean.setEnabled(true);
  multiClean.onClick = [] {
    playClick();
    appWindows().results.hideWindow();
    appWindows().chooser.show();
  };
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
}

void MainWindow::applyTexts() {
  setCaption(tr(1));
  const std::string sideTexts[kPages] = {tr(5100), tr(5101), tr(5102), tr(5103), tr(5104)};
  for (int i = 0; i < kPages; ++i) side_[i].setText(sideTexts[i]);
  band_.setText(" " + side_[page_].text());
  welcome_.setText(tr(5105));
  lastScanCaption_.setText(tr(5106));
  lastUpdateCaption_.setText(tr(5107));
  autoUpdateLabel_.setText(tr(5108));
  checkUpdates.setText(tr(5109));
  for (const Cleanup& c : cleanups()) pageButton(c.page, c.row).setText(tr(c.buttonText));
  tidy_[5].setText(tr(5134));  // empty start-menu folders
  misc_[1].setText(tr(5122));  // check multiple items
  misc_[3].setText(tr(5124));  // manage own folders
  backup.setText(tr(247));
  options.setText(tr(5126));
  info.setText(tr(5127));
  help.setText(tr(5128));
  docs.setText(tr(5129));
  homepage.setText(tr(5130));
  feedback.setText(tr(5131));
  driveFrame_.setText(tr(5132));
}

void MainWindow::showPage(int page) {
  if (page < 0 || page >= kPages) return;
  page_ = page;
  for (int p = 0; p < kPages; ++p) side_[p].setActive(p == page);
  if (!side_[page].text().empty()) band_.setText(" " + side_[page].text());
  for (int p = 0; p < kPages; ++p) {
    for (Control* c : pages_[p]) {
      if (p == page) {
        // Slots without a drive and an unneeded drive list stay hidden.
        bool keepHidden = false;
        for (int i = 0; i < DriveOffer::kSlots; ++i)
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
  for (int i = 0; i < DriveOffer::kSlots; ++i) {
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
  for (int n = 1; n <= kMarks; ++n) setMark(n, results.doneMark(n));
  lastScan.setText(todayAsShortDate());
}

void MainWindow::showLastUpdateCheck(const std::string& date) {
  lastUpdate.setText(date);
  placeCheckUpdatesBesideDate();
}

// The date label is as wide as its text, and the button follows it on its row, whatever the
// length of the date in the user's format.
void MainWindow::placeCheckUpdatesBesideDate() {
  HWND label = lastUpdate.hwnd(), button = checkUpdates.hwnd();
  if (!label || !button) return;
  RECT date, b;
  GetWindowRect(label, &date);
  MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&date), 2);
  GetWindowRect(button, &b);
  const int width = textWidthIn(label, lastUpdate.text()) + 2;
  SetWindowPos(label, nullptr, 0, 0, width, date.bottom - date.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const int height = b.bottom - b.top;
  SetWindowPos(button, nullptr, date.left + width + 10, (date.top + date.bottom - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::onCreated() {
  placeCheckUpdatesBesideDate();
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

Button& MainWindow::cleanupButton(CleanupId id) {
  const Cleanup& c = cleanup(id);
  return pageButton(c.page, c.row);
}

Button& MainWindow::pageButton(int page, int row) {
  if (page == 1) return clean_.at(row);
  if (page == 2) return tidy_.at(row);
  return misc_.at(row);
}

void MainWindow::onClose() { appWindows().results.closeProgram(false); }

}  // namespace scrubwell::ui

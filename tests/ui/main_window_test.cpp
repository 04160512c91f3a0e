// The main window as the user meets it: page switching with the side buttons' styles, the drive
// guard on the boxes and the list, the addresses it opens, every clean-up button and its marks,
// and every caption of both shipped languages fitting its control.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "app/app_windows.h"
#include "base/settings_file.h"
#include "base/texts.h"
#include "main_window_res.h"
#include "support/fake_seams.h"
#include "support/scratch.h"
#include "ui/test_program.h"

using namespace scrubwell;

namespace {

// Shown on its window (the window itself may be hidden).
bool shown(const ui::Control& c) { return (GetWindowLongA(c.hwnd(), GWL_STYLE) & WS_VISIBLE) != 0; }

DriveOffer offerOf(std::vector<std::string> roots) {
  std::vector<DriveInfo> drives;
  for (const auto& r : roots) drives.push_back({r[0], DriveType::fixed});
  return offerDrives(drives);
}

// Ten slots, then D: and E: in the drive list.
const std::vector<std::string> kTwelveDrives = {"C:\\", "F:\\", "G:\\", "H:\\", "I:\\", "J:\\",
                                                "K:\\", "L:\\", "M:\\", "O:\\", "D:\\", "E:\\"};

// Ticks or clears entry k of the created window's drive list natively, as a click on its box.
void tickListEntry(ui::CheckListBox& list, int k, bool ticked) {
  ListView_SetCheckState(list.hwnd(), k, ticked);
}

// "X:\Windows" on a test drive for the length of a test: the drive looks like another
// Windows installation.
struct WindowsFolderOn {
  std::string path;
  explicit WindowsFolderOn(char drive) : path(std::string(1, drive) + ":\\Windows") {
    test::makeFolders(path);
  }
  ~WindowsFolderOn() { test::removeTree(path); }
};

std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(MainWindow, SideButtonsShowOnePageAndMarkItActive) {
  test::TestProgram p("[5100]\r\nWelcome\r\n[5101]\r\nClean the system\r\n");
  ui::MainWindow& main = p.w.main;
  main.applyTexts();
  main.create();
  for (int page : {2, 0, 4, 1, 3}) {
    SCOPED_TRACE(page);
    SendMessageA(main.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_MAIN_SIDE1 + page, BN_CLICKED),
                 reinterpret_cast<LPARAM>(main.sideButton(page).hwnd()));
    EXPECT_EQ(main.currentPage(), page);
    for (int q = 0; q < ui::MainWindow::kPages; ++q) {
      const ui::SideButton& side = main.sideButton(q);
      EXPECT_EQ(side.active(), q == page);
      RECT r;
      GetWindowRect(side.hwnd(), &r);
      EXPECT_EQ(r.right - r.left, q == page ? 188 : 150) << "the active button is wider";
      if (q == page) continue;
      for (const ui::Control* c : main.pageControls(q)) EXPECT_FALSE(shown(*c)) << c->id();
    }
  }
  // Page 3 shows all its buttons; the drives page shows no empty drive slot.
  for (const ui::Control* c : main.pageControls(3)) EXPECT_TRUE(shown(*c));
  main.showPage(4);
  EXPECT_FALSE(shown(main.driveChecks[0])) << "no drive offered";
  EXPECT_TRUE(shown(main.help));
  main.showPage(1);
  char band[64] = {};
  GetDlgItemTextA(main.hwnd(), IDC_MAIN_BAND, band, sizeof band);
  EXPECT_STREQ(band, " Clean the system") << "the tool band names the page";
}

TEST(MainWindow, ClickingTheAutomaticUpdateTextTogglesItsBox) {
  test::TestProgram p("");
  ui::MainWindow& main = p.w.main;
  main.create();
  ASSERT_TRUE(main.autoUpdate.checked());
  HWND label = GetDlgItem(main.hwnd(), IDC_MAIN_AUTOUPDATE_LABEL);
  SendMessageA(main.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_MAIN_AUTOUPDATE_LABEL, STN_CLICKED),
               reinterpret_cast<LPARAM>(label));
  EXPECT_FALSE(main.autoUpdate.checked());
  EXPECT_EQ(SendMessageA(main.autoUpdate.hwnd(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST(MainWindow, DriveListAsksOnlyAboutTheEntryTheUserTicked) {
  test::TestProgram p("");
  WindowsFolderOn windowsD('D'), windowsE('E');
  ui::MainWindow& main = p.w.main;
  p.w.results.offerDrives(offerOf(kTwelveDrives));
  main.create();
  main.mirrorDrives();
  main.showPage(4);
  ASSERT_EQ(main.driveList.items(), (std::vector<std::string>{"D:\\", "E:\\"}));
  auto& engine = p.w.results.driveList;

  p.seams.prompts.answerMessage(IDYES);
  tickListEntry(main.driveList, 0, true);  // D: holds a Windows folder: asked, accepted
  EXPECT_EQ(p.seams.prompts.countOf("message"), 1);
  EXPECT_TRUE(engine.checked(0));

  p.seams.prompts.answerMessage(IDNO);
  tickListEntry(main.driveList, 1, true);  // E: too: asked, refused
  EXPECT_EQ(p.seams.prompts.countOf("message"), 2) << "D: is not asked about again";
  EXPECT_FALSE(main.driveList.checked(1));
  EXPECT_FALSE(engine.checked(1));
  EXPECT_TRUE(main.driveList.checked(0)) << "the accepted entry stays ticked";
  EXPECT_TRUE(engine.checked(0));
  EXPECT_FALSE(ListView_GetCheckState(main.driveList.hwnd(), 1)) << "the screen agrees";

  tickListEntry(main.driveList, 0, false);  // clearing never asks
  EXPECT_EQ(p.seams.prompts.countOf("message"), 2);
  EXPECT_FALSE(engine.checked(0));
}

TEST(MainWindow, MirroringCheckedDrivesWithWindowsFoldersAsksNothing) {
  test::TestProgram p("");
  WindowsFolderOn windowsD('D'), windowsE('E');
  p.w.results.offerDrives(offerOf(kTwelveDrives));
  p.w.results.driveList.setChecked(0, true);
  p.w.results.driveList.setChecked(1, true);
  p.w.main.create();
  p.w.main.mirrorDrives();
  EXPECT_EQ(p.seams.prompts.countOf("message"), 0);
  EXPECT_TRUE(p.w.main.driveList.checked(0));
  EXPECT_TRUE(ListView_GetCheckState(p.w.main.driveList.hwnd(), 1));
}

TEST(MainWindow, HomePageAndFeedbackOpenOnlyWebAndMailAddresses) {
  {
    test::TestProgram p(
        "[3]\r\nhttps://www.korvantis.example/scrubwell/\r\n[4]\r\nfb@korvantis.example\r\n");
    p.w.main.homepage.click();
    p.w.main.feedback.click();
    ASSERT_EQ(p.seams.launcher.launches().size(), 2u);
    EXPECT_EQ(p.seams.launcher.launches()[0].file, "https://www.korvantis.example/scrubwell/");
    EXPECT_EQ(p.seams.launcher.launches()[1].file, "mailto:fb@korvantis.example");
  }
  for (const char* texts : {"", "[3]\r\nC:\\Windows\\regedit.exe\r\n[4]\r\nfb at example\r\n",
                            "[3]\r\nfile:///C:/x.bat\r\n[4]\r\n\"x@y\" /c\r\n"}) {
    test::TestProgram p(texts);
    p.w.main.homepage.click();
    p.w.main.feedback.click();
    EXPECT_TRUE(p.seams.launcher.launches().empty()) << texts;
  }
}

// Every enabled clean-up button starts its clean-up; afterwards the main window shows the
// results window's done marks and today's date as the last scan.
TEST(MainWindow, EveryEnabledCleanUpButtonRunsAndCopiesTheMarks) {
  test::TestProgram p("");
  ui::MainWindow& main = p.w.main;
  int enabled = 0;
  for (const Cleanup& c : cleanups()) {
    ui::Button& button = main.cleanupButton(c.id);
    EXPECT_EQ(button.enabled(), ui::TForm1::canStart(c.id)) << static_cast<int>(c.mark);
    if (!button.enabled()) continue;
    ++enabled;
    main.lastScan.setText("never");
    button.click();
    SCOPED_TRACE(static_cast<int>(c.mark));
    EXPECT_TRUE(p.w.results.doneMark(static_cast<int>(c.mark)));
    EXPECT_TRUE(main.mark(static_cast<int>(c.mark)));
    EXPECT_EQ(main.lastScan.text(), todayAsShortDate());
  }
  EXPECT_GE(enabled, 12);
  for (int n = 1; n <= ui::MainWindow::kMarks; ++n)
    EXPECT_EQ(main.mark(n), p.w.results.doneMark(n)) << n;
}

TEST(MainWindow, OwnFoldersWithAnEmptyListSaysWhereToAddThemAndCountsAsDone) {
  test::TestProgram p("[5400]\r\nYour list of own folders is empty.\r\n");
  ASSERT_EQ(p.w.ownFolders.folders.count(), 0);
  p.w.main.cleanupButton(CleanupId::ownFolders).click();
  EXPECT_EQ(p.w.message.lines[0].text(), "Your list of own folders is empty.");
  EXPECT_EQ(p.seams.prompts.countOf("modal"), 1);
  EXPECT_TRUE(p.w.main.mark(static_cast<int>(DoneMark::ownFolders)));
}

namespace {

// What of a control's caption does not fit it, measured with the control's own font: empty
// when everything fits.
std::string overflowOf(HWND control) {
  char text[512] = {}, cls[32] = {};
  GetWindowTextA(control, text, sizeof text);
  GetClassNameA(control, cls, sizeof cls);
  if (!*text) return {};
  RECT client;
  GetClientRect(control, &client);
  const int width = client.right, height = client.bottom;
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
  RECT need{0, 0, width, 0};
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  const bool isButton = lstrcmpiA(cls, "Button") == 0;
  const LONG type = style & BS_TYPEMASK;
  int margin = 0;
  if (isButton && type == BS_GROUPBOX)
    margin = 16;
  else if (isButton && (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX))
    margin = 18;
  else if (isButton)
    margin = 8;  // push and side buttons: edges and a little room
  if (isButton) {
    need.right = 0;
    DrawTextA(dc, text, -1, &need, DT_CALCRECT | DT_SINGLELINE);
  } else {
    DrawTextA(dc, text, -1, &need, DT_CALCRECT | DT_WORDBREAK);
  }
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  std::string problem;
  if (need.right + margin > width)
    problem = "\"" + std::string(text) + "\" needs " + std::to_string(need.right + margin) +
              " pixels, has " + std::to_string(width);
  else if (!isButton && need.bottom > height)
    problem = "\"" + std::string(text) + "\" needs " + std::to_string(need.bottom) +
              " pixel rows, has " + std::to_string(height);
  return problem;
}

struct Shown {
  HWND hwnd;
  RECT rect;
  bool frame;
};

BOOL CALLBACK collectShown(HWND child, LPARAM lp) {
  if (!(GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE)) return TRUE;
  char cls[32] = {};
  GetClassNameA(child, cls, sizeof cls);
  Shown s{child, {}, false};
  GetWindowRect(child, &s.rect);
  s.frame = lstrcmpiA(cls, "Button") == 0 &&
            (GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
  if (GetDlgCtrlID(child) == IDC_MAIN_BAND) s.frame = true;  // the band spans the window
  if (GetParent(child) == GetAncestor(child, GA_ROOT))
    reinterpret_cast<std::vector<Shown>*>(lp)->push_back(s);
  return TRUE;
}

}  // namespace

// Both shipped languages, every page, with all ten drive slots and the drive list shown: no
// caption is wider (or, wrapped, taller) than its control, and no two controls overlap.
TEST(MainWindow, EveryCaptionFitsItsControlInBothLanguages) {
  for (const char* file : {"Scrubwell.t00", "Scrubwell.t01"}) {
    SCOPED_TRACE(file);
    test::TestProgram p("");
    translation().loadFromText(readAll(std::string(SCRUBWELL_LANG_DIR) + "\\" + file));
    ASSERT_GT(translation().text(5110).size(), 3u);
    ui::MainWindow& main = p.w.main;
    p.w.results.offerDrives(offerOf(kTwelveDrives));
    main.applyTexts();
    main.create();
    main.mirrorDrives();
    for (int page = 0; page < ui::MainWindow::kPages; ++page) {
      SCOPED_TRACE(page);
      main.showPage(page);
      std::vector<Shown> shown;
      EnumChildWindows(main.hwnd(), collectShown, reinterpret_cast<LPARAM>(&shown));
      for (const Shown& s : shown) EXPECT_EQ(overflowOf(s.hwnd), "") << GetDlgCtrlID(s.hwnd);
      for (size_t a = 0; a < shown.size(); ++a)
        for (size_t b = a + 1; b < shown.size(); ++b) {
          if (shown[a].frame || shown[b].frame) continue;
          RECT both;
          EXPECT_FALSE(IntersectRect(&both, &shown[a].rect, &shown[b].rect))
              << GetDlgCtrlID(shown[a].hwnd) << " overlaps " << GetDlgCtrlID(shown[b].hwnd);
        }
    }
  }
}

TEST(MainWindow, TheCaptionMeasureSeesACaptionTooWide) {
  test::TestProgram p("");
  p.w.main.create();
  p.w.main.help.setText(std::string(80, 'W'));
  EXPECT_NE(overflowOf(p.w.main.help.hwnd()), "");
  p.w.main.help.setText("Help");
  EXPECT_EQ(overflowOf(p.w.main.help.hwnd()), "");
}

// "check multiple items" steps the results window aside for the chooser; the chooser's "back"
// brings the main window again.
TEST(MainWindow, CheckMultipleItemsOpensTheChooser) {
  test::TestProgram p("");
  p.w.main.show();
  p.w.main.showPage(3);
  const HWND button = GetDlgItem(p.w.main.hwnd(), IDC_MAIN_MISC1 + 1);
  ASSERT_TRUE(IsWindowEnabled(button));
  SendMessageA(p.w.main.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_MAIN_MISC1 + 1, BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
  EXPECT_TRUE(p.w.chooser.visible());
  EXPECT_FALSE(p.w.main.visible());
  p.w.chooser.hide();
}

// The tooltip text a window shows for one of its controls; empty when it has none.
std::string tooltipOf(HWND window, HWND control) {
  struct Search {
    HWND window, control;
    std::string text;
  } search{window, control, {}};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND tip, LPARAM l) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(l);
        char cls[64] = {};
        GetClassNameA(tip, cls, sizeof cls);
        if (lstrcmpiA(cls, TOOLTIPS_CLASSA) != 0 || GetWindow(tip, GW_OWNER) != s.window)
          return TRUE;
        char text[256] = {};
        TOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = s.window;
        tool.uId = reinterpret_cast<UINT_PTR>(s.control);
        tool.lpszText = text;
        SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
        s.text = text;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.text;
}

// The multi-clean status window with its longest step text and its hint, in both shipped
// languages.
TEST(MainWindow, TheMultiCleanStatusCaptionsFitInBothLanguages) {
  for (const char* file : {"Scrubwell.t00", "Scrubwell.t01"}) {
    SCOPED_TRACE(file);
    test::TestProgram p("");
    translation().loadFromText(readAll(std::string(SCRUBWELL_LANG_DIR) + "\\" + file));
    ui::MultiCleanStatusWindow& status = p.w.multiCleanStatus;
    status.applyTexts();
    status.start();
    for (int text : {99, 218, 220, 221, 222, 263, 268, 330, 5194, 5195}) {
      ASSERT_FALSE(tr(text).empty()) << text;
      status.setStep(tr(text));
      EXPECT_EQ(overflowOf(status.step.hwnd()), "") << text;
    }
    EXPECT_EQ(overflowOf(status.cancel.hwnd()), "");
    EXPECT_EQ(tooltipOf(status.hwnd(), status.cancel.hwnd()), tr(5421)) << "cancel's hint";
    RECT r;
    GetWindowRect(status.hwnd(), &r);
    EXPECT_EQ(r.top, 0) << "at the top edge of the screen";
    status.stop();
  }
}

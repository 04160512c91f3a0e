// The options window in-process, with the mask entry answered through the prompts seam: the
// list edits and the rule that keeps both lists safe, saving the cleaned lists, the backup
// buttons, the background pictures (good, damaged, missing), the language switch and the
// captions by text number.
#include <windows.h>
#include <gtest/gtest.h>

#include <set>

#include "app/startup.h"
#include "base/settings_file.h"
#include "options/jpeg_test_picture.h"
#include "progress_windows_res.h"
#include "registry_windows_res.h"
#include "report_windows_res.h"
#include "ui/look_choice.h"
#include "support/app_sandbox.h"
#include "support/scratch.h"
#include "ui/framework/look.h"
#include "ui/test_program.h"

using namespace scrubwell;
using Items = std::vector<std::string>;

namespace {

struct Program : test::TestProgram {
  Program() : TestProgram("[1]\r\nScrubwell\r\n") {
    appState().backupFolder = backup.path();
    ui::forgetShownLook();
    ui::clearBackgroundPicture();
    w.options.masks.setItems({"*.tmp", "*.bak", "*.old"});
    w.options.exceptions.setItems({"Keep.me", "C:\\Data"});
  }
  ~Program() { ui::clearBackgroundPicture(); }
  // The next mask entry: `typed` goes into the field, then `button` is pressed ("accept",
  // "cancel", or "" to close the window another way).
  void enter(const std::string& typed, const std::string& button = "accept") {
    seams.prompts.answerModal("mask entry", [this, typed, button] {
      w.maskEntry.field.setText(typed);
      if (button == "accept") w.maskEntry.accept.click();
      if (button == "cancel") w.maskEntry.cancel.click();
      return IDOK;
    });
  }
  int entriesAsked() const { return seams.prompts.countOf("modal"); }
  bool writePicture(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    return test::writeFile(box.data() + name, std::string(bytes.begin(), bytes.end()));
  }
  // The colour the options window shows at a point of its client area with no control on it.
  COLORREF backgroundPixel() {
    HWND wnd = w.options.hwnd();
    RedrawWindow(wnd, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetDC(wnd);
    COLORREF c = GetPixel(dc, 2, 2 + 300);  // left of the lists, below the band
    ReleaseDC(wnd, dc);
    return c;
  }

  test::AppSandbox box;
  test::ScratchFolder backup{'D', "backup"};
};

bool looksLike(COLORREF c, int r, int g, int b) {
  return std::abs(GetRValue(c) - r) < 12 && std::abs(GetGValue(c) - g) < 12 &&
         std::abs(GetBValue(c) - b) < 12;
}

}  // namespace

TEST(OptionsWindow, AddChangeAndDeleteWithAndWithoutASelection) {
  Program p;
  auto& masks = p.w.options.masks;
  p.enter("*.log");
  p.w.options.maskAdd.click();  // no selection: the first entry is selected, the new one appended
  EXPECT_EQ(masks.items(), (Items{"*.tmp", "*.bak", "*.old", "*.log"}));

  masks.setSelectedIndex(-1);
  p.enter("*.new");
  p.w.options.maskChange.click();  // no selection: the first entry changes
  EXPECT_EQ(masks.items(), (Items{"*.new", "*.bak", "*.old", "*.log"}));

  masks.setSelectedIndex(2);
  p.w.options.maskDelete.click();
  EXPECT_EQ(masks.items(), (Items{"*.new", "*.bak", "*.log"}));
  masks.setSelectedIndex(-1);
  p.w.options.maskDelete.click();
  EXPECT_EQ(masks.items(), (Items{"*.bak", "*.log"}));

  // An empty field, "cancel" and closing the window leave the entry as it was.
  masks.setSelectedIndex(1);
  p.enter("");
  p.w.options.maskChange.click();
  p.enter("*.x", "cancel");
  p.w.options.maskChange.click();
  p.enter("*.y", "");
  p.w.options.maskChange.click();
  EXPECT_EQ(masks.items(), (Items{"*.bak", "*.log"}));
  EXPECT_EQ(p.w.maskEntry.field.text(), "") << "closing clears the field";

  // On an empty list, change and delete ask nothing and do nothing.
  p.w.options.exceptions.setItems({});
  const int asked = p.entriesAsked();
  p.w.options.exceptionChange.click();
  p.w.options.exceptionDelete.click();
  EXPECT_EQ(p.entriesAsked(), asked);
  EXPECT_TRUE(p.w.options.exceptions.items().empty());
}

TEST(OptionsWindow, DangerousEntriesNeverStayAndEditingOneListCleansTheOther) {
  Program p;
  auto& o = p.w.options;
  for (const char* typed : {"*.*", "*", " *.* ", "*.???", "abc???", "D:\\x\\*.tmp", " "}) {
    p.enter(typed);
    o.maskAdd.click();
  }
  EXPECT_EQ(o.masks.items(), (Items{"*.tmp", "*.bak", "*.old"}));
  o.masks.setSelectedIndex(1);
  p.enter("*.*");
  o.maskChange.click();  // changed into a dangerous mask: the entry goes
  EXPECT_EQ(o.masks.items(), (Items{"*.tmp", "*.old"}));
  o.masks.setSelectedIndex(1);
  p.enter(" ");
  o.maskChange.click();  // changed into a single blank: the entry goes
  EXPECT_EQ(o.masks.items(), (Items{"*.tmp"}));

  // The exception list keeps paths and a lone "*", which select no files by themselves.
  p.enter("D:\\Projects");
  o.exceptionAdd.click();
  EXPECT_EQ(o.exceptions.items(), (Items{"Keep.me", "C:\\Data", "D:\\Projects"}));

  // Entries that got in some other way go with the next edit of either list.
  o.masks.setItems({"*.tmp", "*.*"});
  o.exceptions.setItems({"*.???", "Keep.me"});
  p.enter("*.gid");
  o.exceptionAdd.click();
  EXPECT_EQ(o.masks.items(), (Items{"*.tmp"}));
  EXPECT_EQ(o.exceptions.items(), (Items{"Keep.me", "*.gid"}));

  saveSettingsNow();
  const std::string ini = test::readFile(p.box.data() + "Scrubwell.ini");
  EXPECT_NE(ini.find("[Dateimasken]\r\nMaske1=*.tmp\r\nAnzahl=1\r\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("[Suchausnahmen]\r\nMaske1=Keep.me\r\nMaske2=*.gid\r\nAnzahl=2\r\n"),
            std::string::npos)
      << ini;
}

TEST(OptionsWindow, BackupButtonsShowOnlyWhileTheBackupFolderHoldsFiles) {
  Program p;
  p.w.options.show();
  EXPECT_FALSE(p.w.options.deleteBackups.visible());
  EXPECT_FALSE(p.w.options.restoreBackups.visible());
  EXPECT_EQ(p.w.options.backupFrameHeight(), 136);
  p.w.options.hide();
  ASSERT_TRUE(test::writeFile(p.backup / "1.bck", "x"));
  SetFileAttributesA((p.backup / "1.bck").c_str(), FILE_ATTRIBUTE_HIDDEN);
  p.w.options.show();
  EXPECT_TRUE(p.w.options.deleteBackups.visible());
  EXPECT_TRUE(p.w.options.restoreBackups.visible());
  EXPECT_EQ(p.w.options.backupFrameHeight(), 172);
  p.w.options.hide();
}

TEST(OptionsWindow, AGoodPicturePaintsTheWindowsABadOneKeepsTheLook) {
  Program p;
  ASSERT_TRUE(p.writePicture("Scrubwell.bg1.jpg", test::makeSolidJpeg(64, 64, 200, 40, 40)));
  std::vector<std::uint8_t> cut = test::makeSolidJpeg(64, 64, 40, 200, 40);
  cut.resize(cut.size() / 2);
  ASSERT_TRUE(p.writePicture("Scrubwell.bg2.jpg", cut));
  ASSERT_TRUE(test::writeFile(p.box.data() + "Scrubwell.bg3.jpg", "just text, renamed\r\n"));
  p.w.options.show();
  const COLORREF plain = p.backgroundPixel();

  p.w.options.backgrounds.setSelectedIndex(1);
  p.w.options.backgrounds.onSelect();
  EXPECT_TRUE(looksLike(p.backgroundPixel(), 200, 40, 40)) << std::hex << p.backgroundPixel();
  for (int bad : {2, 3, 0}) {  // truncated, not a JPEG, missing
    p.w.options.backgrounds.setSelectedIndex(bad);
    p.w.options.backgrounds.onSelect();
    EXPECT_TRUE(looksLike(p.backgroundPixel(), 200, 40, 40)) << bad;
  }
  EXPECT_EQ(p.seams.prompts.asked().size(), 0u) << "nothing is shown for a bad picture";
  ui::clearBackgroundPicture();
  EXPECT_EQ(p.backgroundPixel(), plain);
  p.w.options.hide();
}

// Every caption, label and button shows the text of its number: with a language whose text n
// reads "T<n>", the window's controls show exactly the expected numbers.
TEST(OptionsWindow, CaptionsComeFromTheirTextNumbers) {
  std::string texts;
  for (int n = 1; n < 400; ++n) texts += "[" + std::to_string(n) + "]\r\nT" + std::to_string(n) + "\r\n";
  test::TestProgram p(texts);
  p.w.options.applyTexts();
  p.w.maskEntry.applyTexts();
  std::multiset<std::string> shown;
  auto collect = [&](ui::Window& window) {
    window.create();
    shown.insert(window.caption());
    for (HWND c = GetWindow(window.hwnd(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
      char cls[16] = {}, text[64] = {};
      GetClassNameA(c, cls, sizeof cls);
      GetWindowTextA(c, text, sizeof text);
      if (lstrcmpiA(cls, "Static") == 0 || lstrcmpiA(cls, "Button") == 0) shown.insert(text);
    }
  };
  collect(p.w.options);
  collect(p.w.maskEntry);
  std::multiset<std::string> expected;
  for (int n : {69, 45, 70, 74, 71, 71, 72, 72, 73, 73, 61, 62, 63, 64, 65, 66, 67, 76, 78, 79, 80,
                81, 82, 83, 84, 75, 183, 264, 265, 77, 57, 58, 44, 85, 86, 87, 88})
    expected.insert("T" + std::to_string(n));
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(p.w.options.searchIcons.items().back(), "T266");
}

namespace {

// The pixels of frame `step` of an animated icon, drawn on white.
std::vector<COLORREF> frame(HICON icon, UINT step) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 32, 32);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, 32, 32};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  std::vector<COLORREF> pixels;
  if (DrawIconEx(dc, 0, 0, icon, 32, 32, step, nullptr, DI_NORMAL))
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) pixels.push_back(GetPixel(dc, x, y));
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return pixels;
}

}  // namespace

// The shipped search icons (made by the build beside the program) are real animations; a set
// that cannot be loaded keeps the icons shown.
TEST(OptionsWindow, SearchIconSetsAnimateAndABrokenSetKeepsTheIcons) {
  Program p;
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string shipped(self);
  shipped = shipped.substr(0, shipped.find_last_of('\\')) + "\\..\\..\\src\\app\\";
  for (const char* part : {"_1.ani", "_2.ani"})
    ASSERT_TRUE(CopyFileA((shipped + "Scrubwell.sk4" + part).c_str(),
                          (p.box.data() + "Scrubwell.sk4" + part).c_str(), FALSE));
  ASSERT_TRUE(test::writeFile(p.box.data() + "Scrubwell.sk2_1.ani", "RIFF? no."));
  ASSERT_TRUE(test::writeFile(p.box.data() + "Scrubwell.sk2_2.ani", "RIFF? no."));

  p.w.options.searchIcons.setSelectedIndex(4);
  p.w.options.searchIcons.onSelect();
  HICON first = ui::searchIcon(0), second = ui::searchIcon(1);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  for (HICON icon : {first, second}) {
    const auto start = frame(icon, 0), later = frame(icon, 3);
    ASSERT_EQ(start.size(), 32u * 32u);
    ASSERT_EQ(later.size(), 32u * 32u);
    EXPECT_NE(start, later) << "the frames differ";
  }
  p.w.options.searchIcons.setSelectedIndex(2);
  p.w.options.searchIcons.onSelect();
  EXPECT_EQ(ui::searchIcon(0), first);
  EXPECT_EQ(ui::searchIcon(1), second);

  // The set reaches the first icon of each window that shows a search running.
  const std::pair<ui::Window*, int> windows[] = {{&p.w.searchProgress, IDC_SPR_ICON1},
                                                 {&p.w.registrySearch, IDC_RGS_ICON1},
                                                 {&p.w.backupProgress, IDC_BPR_ICON1}};
  for (const auto& [window, icon] : windows) {
    window->show();
    HWND control = GetDlgItem(window->hwnd(), icon);
    ASSERT_NE(control, nullptr) << window->name();
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(control);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    int drawn = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) drawn += GetPixel(dc, x, y) != face;
    ReleaseDC(control, dc);
    window->hide();
    EXPECT_GT(drawn, 40) << window->name() << " shows the set's frame";
  }
  EXPECT_EQ(p.seams.prompts.asked().size(), 0u);
}

// A language chosen in the window restarts the program: the settings file gets the language's
// number, and the session's changes too when they are saved automatically.
TEST(OptionsWindow, ALanguageChoiceStoresItsNumberAndTheChangesThatAreSavedAutomatically) {
  Program p;
  ASSERT_TRUE(test::writeFile(p.box.data() + "Scrubwell.t00", "[0]\r\nENGLISH\r\n[END]\r\n"));
  ASSERT_TRUE(test::writeFile(p.box.data() + "Scrubwell.t01", "[0]\r\nDeutsch\r\n[END]\r\n"));
  const std::string ini = p.box.data() + "Scrubwell.ini";
  auto chooseLanguage = [&](bool saveAutomatically, const std::string& addedMask) {
    ASSERT_TRUE(test::writeFile(ini, "[Language]\r\nselected=0\r\n"));
    appState().restartPending = false;
    translation().loadFromText("[0]\r\nENGLISH\r\n[END]\r\n");  // as after the restart
    p.w.options.languages.setItems({"ENGLISH", "Deutsch"});
    p.w.options.languages.setSelectedIndex(1);
    p.w.options.saveAutomatically.setChecked(saveAutomatically);
    p.enter(addedMask);
    p.w.options.maskAdd.click();
    p.w.options.languages.onSelect();
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the run ends";
    EXPECT_TRUE(appState().restartPending);
  };
  chooseLanguage(false, "*.kept-in-the-window");
  std::string text = test::readFile(ini);
  EXPECT_NE(text.find("selected=1"), std::string::npos) << text;
  EXPECT_EQ(text.find("kept-in-the-window"), std::string::npos) << text;
  chooseLanguage(true, "*.saved");
  text = test::readFile(ini);
  EXPECT_NE(text.find("selected=1"), std::string::npos) << text;
  EXPECT_NE(text.find("*.saved"), std::string::npos) << text;
  ASSERT_EQ(p.seams.launcher.launches().size(), 2u) << "the program starts itself again";
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  EXPECT_EQ(p.seams.launcher.launches()[0].file, self);
}

// The window framework on real windows under Wine: controls keep their state before the native
// window exists, mirror it once it does, take over user input, modal runs go through the
// prompts seam, no exception leaves a window procedure, and the native window goes before the
// wrappers it talks to.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <stdexcept>

#include "backup_window_res.h"
#include "options_window_res.h"
#include "results_window_res.h"
#include "platform/message_pump.h"
#include "support/fake_seams.h"
#include "ui/framework/feedback_sounds.h"
#include "ui/framework/timer.h"
#include "ui/framework/virtual_list.h"
#include "ui/framework/window.h"

using namespace scrubwell;
using namespace scrubwell::ui;

namespace {

// A window on the options window's template, with a few of its controls.
class ProbeWindow : public Window {
 public:
  ProbeWindow() : Window("probe", IDD_OPTIONS), box(IDC_OPT_BOX1), list(IDC_OPT_MASKS),
                  combo(IDC_OPT_BACKGROUND), back(IDC_OPT_BACK), edit(kEditId) {
    bind({&box, &list, &combo, &back, &edit});
  }
  using Window::bind;
  // The options template has no edit field; a test makes one with this id on the window.
  static constexpr int kEditId = 4242;
  CheckBox box;
  ListBox list;
  ComboBox combo;
  Button back;
  EditField edit;
  int createdCount = 0;

 protected:
  void onCreated() override { ++createdCount; }
};

std::string nativeText(HWND h) {
  char buf[256] = {};
  GetWindowTextA(h, buf, sizeof buf);
  return buf;
}

}  // namespace

TEST(WindowFramework, StateBeforeAndAfterTheNativeWindow) {
  ProbeWindow w;
  w.box.setChecked(true);
  w.box.setText("Ask first");
  w.list.setItems({"*.tmp", "*.bak"});
  w.list.setSelectedIndex(1);
  w.combo.setItems({"a", "b", "c"});
  w.combo.setSelectedIndex(2);
  w.setCaption("Probe");
  w.back.setEnabled(false);
  EXPECT_FALSE(w.created()) << "nothing native until the window is shown";

  w.show();
  ASSERT_TRUE(w.created());
  EXPECT_EQ(w.createdCount, 1);
  HWND box = GetDlgItem(w.hwnd(), IDC_OPT_BOX1);
  EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(nativeText(box), "Ask first");
  HWND list = GetDlgItem(w.hwnd(), IDC_OPT_MASKS);
  EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(SendMessageA(GetDlgItem(w.hwnd(), IDC_OPT_BACKGROUND), CB_GETCURSEL, 0, 0), 2);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(w.hwnd(), IDC_OPT_BACK)));
  EXPECT_EQ(nativeText(w.hwnd()), "Probe");

  // Changes after creation reach the screen at once.
  w.list.add("*.old");
  EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 3);
  w.list.removeAt(0);
  EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(w.list.selectedIndex(), 0) << "the selection follows the removed entry";
  w.box.setChecked(false);
  EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);

  // Hiding and showing again keeps the one native window.
  HWND first = w.hwnd();
  w.hide();
  w.show();
  EXPECT_EQ(w.hwnd(), first);
  EXPECT_EQ(w.createdCount, 1);
}

TEST(WindowFramework, UserInputUpdatesTheWrappersAndCallsHandlers) {
  ProbeWindow w;
  int changes = 0, clicks = 0, selections = 0;
  w.box.onChange = [&] { ++changes; };
  w.back.onClick = [&] { ++clicks; };
  w.list.setItems({"x", "y"});
  w.list.onSelect = [&] { ++selections; };
  w.show();

  SendMessageA(GetDlgItem(w.hwnd(), IDC_OPT_BOX1), BM_CLICK, 0, 0);
  EXPECT_TRUE(w.box.checked());
  EXPECT_EQ(changes, 1);
  SendMessageA(GetDlgItem(w.hwnd(), IDC_OPT_BACK), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  HWND list = GetDlgItem(w.hwnd(), IDC_OPT_MASKS);
  SendMessageA(list, LB_SETCURSEL, 1, 0);
  SendMessageA(w.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_OPT_MASKS, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
  EXPECT_EQ(w.list.selectedIndex(), 1);
  EXPECT_EQ(selections, 1);

  // A disabled button does nothing when clicked from code.
  w.back.setEnabled(false);
  w.back.click();
  EXPECT_EQ(clicks, 1);
}

TEST(WindowFramework, ModalRunsGoThroughThePromptsSeam) {
  test::ScopedSeams seams;
  ProbeWindow w;
  seams.prompts.answerModal("probe", [&] {
    w.box.setChecked(true);
    return IDOK;
  });
  EXPECT_EQ(w.showModal(), IDOK);
  EXPECT_TRUE(w.box.checked());
  EXPECT_EQ(seams.prompts.countOf("modal"), 1);
}

TEST(WindowFramework, RealModalRunEndsWithEndModal) {
  ProbeWindow w;
  w.back.onClick = [&] { w.endModal(IDYES); };
  // Press "back" once the modal loop runs.
  Timer press(10, true);
  press.onTimer = [&] {
    press.setEnabled(false);
    SendMessageA(GetDlgItem(w.hwnd(), IDC_OPT_BACK), BM_CLICK, 0, 0);
  };
  EXPECT_EQ(w.showModal(), IDYES);
  EXPECT_FALSE(w.visible());
}

TEST(WindowFramework, TimersFireWhileMessagesArePumped) {
  Timer t(5, true);
  int ticks = 0;
  t.onTimer = [&] { ++ticks; };
  DWORD start = GetTickCount();
  while (ticks < 3 && GetTickCount() - start < 3000) {
    pumpMessages();
    Sleep(5);
  }
  EXPECT_GE(ticks, 3);
  t.setEnabled(false);
  int before = ticks;
  for (int i = 0; i < 10; ++i) {
    pumpMessages();
    Sleep(10);
  }
  EXPECT_EQ(ticks, before) << "a disabled timer stays quiet";
}

namespace {

// A window on the backup window's template, whose file list is a list view with check boxes.
class CheckProbe : public Window {
 public:
  CheckProbe() : Window("check probe", IDD_BACKUP), files(IDC_BAK_FILES) { bind(files); }
  CheckListBox files;
};

int nativeSelection(HWND list) { return ListView_GetNextItem(list, -1, LVNI_SELECTED); }
int nativeFocus(HWND list) { return ListView_GetNextItem(list, -1, LVNI_FOCUSED); }

void pressKey(HWND control, UINT key) {
  SendMessageA(control, WM_KEYDOWN, key, 1);
  if (key == VK_SPACE) SendMessageA(control, WM_CHAR, ' ', 1);
  SendMessageA(control, WM_KEYUP, key, 0xC0000001);
}

}  // namespace

TEST(CheckList, StateAndSelectionReachTheListView) {
  CheckProbe w;
  w.files.setItems({"a", "b", "c"});
  w.files.setChecked(1, true);
  w.files.setSelectedIndex(2);
  w.show();
  HWND list = w.files.hwnd();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(ListView_GetItemCount(list), 3);
  EXPECT_FALSE(ListView_GetCheckState(list, 0));
  EXPECT_TRUE(ListView_GetCheckState(list, 1));
  EXPECT_EQ(nativeSelection(list), 2);
  EXPECT_EQ(nativeFocus(list), 2) << "the keyboard acts on the selected entry";

  // Changes from code after creation: selection, removal before the selection, no handlers.
  int checks = 0, selections = 0;
  w.files.onCheck = [&](int) { ++checks; };
  w.files.onSelect = [&] { ++selections; };
  w.files.setSelectedIndex(0);
  EXPECT_EQ(nativeSelection(list), 0);
  w.files.setSelectedIndex(1);
  w.files.removeAt(0);
  EXPECT_EQ(w.files.selectedIndex(), 0);
  EXPECT_EQ(nativeSelection(list), 0);
  EXPECT_TRUE(ListView_GetCheckState(list, 0)) << "the check moved with its entry";
  w.files.setChecked(1, true);
  EXPECT_TRUE(ListView_GetCheckState(list, 1));
  w.files.setSelectedIndex(7);
  EXPECT_EQ(w.files.selectedIndex(), -1);
  EXPECT_EQ(nativeSelection(list), -1);
  EXPECT_EQ(checks, 0);
  EXPECT_EQ(selections, 0);
}

TEST(CheckList, KeyboardMovesTheSelectionAndSpaceTogglesTheSelectedEntry) {
  CheckProbe w;
  w.files.setItems({"a", "b", "c"});
  std::vector<int> toggled;
  int selections = 0;
  w.files.onCheck = [&](int i) { toggled.push_back(i); };
  w.files.onSelect = [&] { ++selections; };
  w.files.setSelectedIndex(0);
  w.show();
  HWND list = w.files.hwnd();
  SetFocus(list);

  pressKey(list, VK_DOWN);
  EXPECT_EQ(w.files.selectedIndex(), 1);
  EXPECT_GE(selections, 1);
  pressKey(list, VK_SPACE);
  EXPECT_TRUE(w.files.checked(1));
  EXPECT_FALSE(w.files.checked(0));
  EXPECT_EQ(toggled, std::vector<int>{1}) << "one toggle, reported once";
  EXPECT_TRUE(ListView_GetCheckState(list, 1));

  pressKey(list, VK_SPACE);
  EXPECT_FALSE(w.files.checked(1));
  EXPECT_EQ(toggled, (std::vector<int>{1, 1}));

  // A selection set from code is where the space bar acts next.
  w.files.setSelectedIndex(2);
  pressKey(list, VK_SPACE);
  EXPECT_TRUE(w.files.checked(2));
  EXPECT_FALSE(w.files.checked(1));
}

namespace {

// A window on the results window's template, whose result list is an owner-data list view.
class VirtualProbe : public Window {
 public:
  VirtualProbe() : Window("virtual probe", IDD_RESULTS), rows(IDC_RES_RESULTLIST) { bind(rows); }
  VirtualList rows;
};

// The middle of row i of a list view, in the list's client coordinates.
POINT rowMiddle(HWND list, int i) {
  RECT r{};
  r.left = LVIR_BOUNDS;
  SendMessageA(list, LVM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
  return {r.left + 10, (r.top + r.bottom) / 2};
}

}  // namespace

// Both list kinds report each change of the row under the pointer once; the check list forgets
// the row when its entries change, so the same row index is reported again for the new entry.
TEST(RowHover, EachChangeOfRowIsReportedOnce) {
  CheckProbe c;
  c.files.setItems({"a", "b", "c"});
  std::vector<int> hovered;
  c.files.onRowHover = [&](int i) { hovered.push_back(i); };
  c.files.mouseMovedTo({5, 5});  // no native list yet: no row
  EXPECT_TRUE(hovered.empty()) << "no row before, no row now";
  c.show();
  HWND list = c.files.hwnd();
  c.files.mouseMovedTo(rowMiddle(list, 1));
  c.files.mouseMovedTo(rowMiddle(list, 1));
  c.files.mouseMovedTo(rowMiddle(list, 2));
  c.files.mouseMovedTo({0, 10000});
  EXPECT_EQ(hovered, (std::vector<int>{1, 2, -1}));
  c.files.mouseMovedTo(rowMiddle(list, 0));
  c.files.setItems({"x", "y"});
  c.files.mouseMovedTo(rowMiddle(list, 0));
  EXPECT_EQ(hovered, (std::vector<int>{1, 2, -1, 0, 0}));

  VirtualProbe v;
  v.rows.rowCount = [] { return size_t{5}; };
  v.rows.rowText = [](size_t i) { return "row " + std::to_string(i); };
  hovered.clear();
  v.rows.onRowHover = [&](int i) { hovered.push_back(i); };
  v.show();
  HWND rows = v.rows.hwnd();
  v.rows.mouseMovedTo(rowMiddle(rows, 3));
  v.rows.mouseMovedTo(rowMiddle(rows, 3));
  v.rows.mouseMovedTo(rowMiddle(rows, 4));
  EXPECT_EQ(hovered, (std::vector<int>{3, 4}));
}

TEST(EditField, TypingIsTakenBackIntoTheWrapper) {
  ProbeWindow w;
  EditField& edit = w.edit;
  int changes = 0;
  edit.onChange = [&] { ++changes; };
  w.show();
  HWND native = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 100,
                                20, w.hwnd(), reinterpret_cast<HMENU>(ProbeWindow::kEditId),
                                nullptr, nullptr);
  ASSERT_NE(native, nullptr);
  edit.attach(native);

  edit.setText("abc");
  EXPECT_EQ(nativeText(native), "abc");
  EXPECT_EQ(changes, 0) << "text set by code is not user input";

  SendMessageA(native, EM_SETSEL, 3, 3);
  SendMessageA(native, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("de"));
  EXPECT_EQ(edit.text(), "abcde");
  EXPECT_EQ(changes, 1);
  SendMessageA(native, WM_CHAR, 'f', 1);
  EXPECT_EQ(edit.text(), "abcdef");
  EXPECT_EQ(changes, 2);
  SendMessageA(native, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("xyz"));
  EXPECT_EQ(edit.text(), "xyz");
}

TEST(WindowFramework, NoExceptionLeavesAWindowProcedure) {
  // A timer handler that throws keeps firing; the pump never sees the exception.
  Timer t(5, true);
  int ticks = 0;
  t.onTimer = [&] {
    ++ticks;
    throw std::runtime_error("timer handler failed");
  };
  DWORD start = GetTickCount();
  while (ticks < 3 && GetTickCount() - start < 3000) {
    pumpMessages();
    Sleep(5);
  }
  EXPECT_GE(ticks, 3);
  t.setEnabled(false);

  // The same for a control handler behind the dialog procedure.
  ProbeWindow w;
  w.back.onClick = [] { throw std::runtime_error("click handler failed"); };
  w.show();
  SendMessageA(GetDlgItem(w.hwnd(), IDC_OPT_BACK), BM_CLICK, 0, 0);
  EXPECT_TRUE(IsWindow(w.hwnd()));
}

namespace {

// Notes whether its window's native window still exists when the wrapper goes.
struct Witness : Control {
  using Control::Control;
  HWND native = nullptr;
  bool* nativeAlive = nullptr;
  ~Witness() override {
    if (nativeAlive) *nativeAlive = IsWindow(native) != FALSE;
  }
};

class DyingWindow : public Window {
 public:
  DyingWindow() : Window("dying", IDD_BACKUP), witness(IDC_BAK_FILES + 100), files(IDC_BAK_FILES) {
    bind({&witness, &files});
  }
  Witness witness;     // goes last
  CheckListBox files;  // goes first
};

}  // namespace

TEST(WindowFramework, TheNativeWindowGoesBeforeItsControls) {
  bool nativeAlive = true;
  auto w = std::make_unique<DyingWindow>();
  int selections = 0;
  w->files.setItems({"a", "b"});
  w->files.onSelect = [&] { ++selections; };
  w->show();
  SetFocus(w->files.hwnd());
  w->witness.native = w->hwnd();
  w->witness.nativeAlive = &nativeAlive;
  HWND native = w->hwnd();
  w.reset();
  EXPECT_FALSE(nativeAlive) << "a wrapper outlived by its native window could still get messages";
  EXPECT_FALSE(IsWindow(native));
  EXPECT_EQ(selections, 0);

  // A window that outlives a control it was given keeps no pointer to it.
  ProbeWindow kept;
  {
    Button extra(IDC_OPT_SAVE);
    kept.bind(extra);
  }
  kept.show();
  SendMessageA(GetDlgItem(kept.hwnd(), IDC_OPT_SAVE), BM_CLICK, 0, 0);
  EXPECT_TRUE(IsWindow(kept.hwnd()));
}

namespace {

struct CountedSounds {
  int clicks = 0, hovers = 0;
  CountedSounds() { setFeedbackSounds({[this] { ++clicks; }, [this] { ++hovers; }}); }
  ~CountedSounds() { setFeedbackSounds({}); }
};

void setCursorOver(HWND window, HWND under) {
  SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

}  // namespace

TEST(WindowFramework, ClickAndHoverSoundsGoThroughTheInstalledHook) {
  CountedSounds sounds;
  ProbeWindow w;
  w.back.clickSound = true;
  w.show();
  HWND back = GetDlgItem(w.hwnd(), IDC_OPT_BACK);
  SendMessageA(back, BM_CLICK, 0, 0);
  EXPECT_EQ(sounds.clicks, 1);
  w.back.clickSound = false;
  SendMessageA(back, BM_CLICK, 0, 0);
  EXPECT_EQ(sounds.clicks, 1);

  // Hover: armed over the background, played once on coming onto a push button. The first move
  // onto the button spends whatever an earlier window left armed, so counting starts after it.
  setCursorOver(w.hwnd(), back);
  sounds.hovers = 0;
  setCursorOver(w.hwnd(), back);
  EXPECT_EQ(sounds.hovers, 0) << "staying on a button plays nothing";
  setCursorOver(w.hwnd(), w.hwnd());
  setCursorOver(w.hwnd(), GetDlgItem(w.hwnd(), IDC_OPT_BOX1));
  EXPECT_EQ(sounds.hovers, 0) << "a check box is no push button";
  setCursorOver(w.hwnd(), back);
  EXPECT_EQ(sounds.hovers, 1);
  setCursorOver(w.hwnd(), GetDlgItem(w.hwnd(), IDC_OPT_SAVE));
  EXPECT_EQ(sounds.hovers, 1) << "button to button stays quiet";
  setCursorOver(w.hwnd(), w.hwnd());
  setCursorOver(w.hwnd(), back);
  EXPECT_EQ(sounds.hovers, 2);
}

// The window framework on real windows under Wine: controls keep their state before the native
// window exists, mirror it once it does, take over user input, and modal runs go through the
// prompts seam.
#include <gtest/gtest.h>

#include "options_window_res.h"
#include "platform/message_pump.h"
#include "support/fake_seams.h"
#include "ui/framework/timer.h"
#include "ui/framework/window.h"

using namespace scrubwell;
using namespace scrubwell::ui;

namespace {

// A window on the options window's template, with a few of its controls.
class ProbeWindow : public Window {
 public:
  ProbeWindow() : Window("probe", IDD_OPTIONS), box(IDC_OPT_BOX1), list(IDC_OPT_MASKS),
                  combo(IDC_OPT_BACKGROUND), back(IDC_OPT_BACK) {
    bind({&box, &list, &combo, &back});
  }
  CheckBox box;
  ListBox list;
  ComboBox combo;
  Button back;
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

// The check list: entries, checks and selection live in the wrapper and are pushed to a list view
// with check boxes; the list view's change notifications bring the user's input back.
#include "ui/framework/check_list.h"

#include <commctrl.h>

namespace scrubwell::ui {
namespace {

bool checkedState(UINT state) { return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2; }

}  // namespace

void CheckListBox::setItems(std::vector<std::string> items) {
  items_ = std::move(items);
  checks_.assign(items_.size(), 0);
  selected_ = -1;
  forgetHover();
  if (live()) syncToNative();
}

void CheckListBox::add(const std::string& s) {
  items_.push_back(s);
  checks_.push_back(0);
  if (live()) syncToNative();
}

void CheckListBox::removeAt(int i) {
  if (i < 0 || i >= count()) return;
  items_.erase(items_.begin() + i);
  checks_.erase(checks_.begin() + i);
  if (selected_ == i)
    selected_ = -1;
  else if (selected_ > i)
    --selected_;
  forgetHover();
  if (live()) syncToNative();
}

void CheckListBox::clear() { setItems({}); }

void CheckListBox::setChecked(int i, bool c) {
  if (i < 0 || i >= count()) return;
  checks_[static_cast<size_t>(i)] = c;
  if (live()) pushCheck(i);
}

void CheckListBox::setSelectedIndex(int i) {
  selected_ = i >= 0 && i < count() ? i : -1;
  if (live()) pushSelection();
}

void CheckListBox::pushCheck(int i) {
  syncing_ = true;
  ListView_SetCheckState(hwnd(), i, checks_[static_cast<size_t>(i)] != 0);
  syncing_ = false;
}

void CheckListBox::pushSelection() {
  // The focus mark goes with the selection, so the keyboard acts on the selected entry.
  syncing_ = true;
  ListView_SetItemState(hwnd(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (selected_ >= 0) {
    ListView_SetItemState(hwnd(), selected_, LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(hwnd(), selected_, FALSE);
  }
  syncing_ = false;
}

LRESULT CheckListBox::handleNotify(NMHDR* nm) {
  if (syncing_) return 0;
  if (nm->code == LVN_ITEMCHANGED) itemChanged(*reinterpret_cast<NMLISTVIEW*>(nm));
  return 0;
}

void CheckListBox::itemChanged(const NMLISTVIEW& lv) {
  if (!(lv.uChanged & LVIF_STATE) || lv.iItem < 0 || lv.iItem >= count()) return;
  int i = lv.iItem;
  // A check box clicked, or the space bar on the focused (= selected) entry.
  if ((lv.uNewState & LVIS_STATEIMAGEMASK) &&
      checkedState(lv.uNewState) != checkedState(lv.uOldState) &&
      checkedState(lv.uNewState) != checked(i)) {
    checks_[static_cast<size_t>(i)] = checkedState(lv.uNewState);
    if (onCheck) onCheck(i);
  }
  bool nowSelected = (lv.uNewState & LVIS_SELECTED) != 0;
  bool wasSelected = (lv.uOldState & LVIS_SELECTED) != 0;
  if (nowSelected == wasSelected) return;
  if (nowSelected && selected_ != i) {
    selected_ = i;
    if (onSelect) onSelect();
  } else if (!nowSelected && selected_ == i) {
    // Moving the selection deselects the old entry first; an empty selection stays only when
    // no other entry is selected after it.
    if (ListView_GetNextItem(hwnd(), -1, LVNI_SELECTED) == -1) {
      selected_ = -1;
      if (onSelect) onSelect();
    }
  }
}

void CheckListBox::syncToNative() {
  Control::syncToNative();
  syncing_ = true;
  HWND lv = hwnd();
  ListView_SetExtendedListViewStyle(lv, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  if (!ListView_GetColumnWidth(lv, 0)) {
    LVCOLUMNA col{};
    col.mask = LVCF_WIDTH;
    RECT r;
    GetClientRect(lv, &r);
    col.cx = r.right - r.left - 4;
    SendMessageA(lv, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&col));
  }
  ListView_DeleteAllItems(lv);
  for (int i = 0; i < count(); ++i) {
    LVITEMA it{};
    it.mask = LVIF_TEXT;
    it.iItem = i;
    it.pszText = const_cast<char*>(items_[static_cast<size_t>(i)].c_str());
    SendMessageA(lv, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&it));
    ListView_SetCheckState(lv, i, checks_[static_cast<size_t>(i)] != 0);
  }
  syncing_ = false;
  pushSelection();
}

}  // namespace scrubwell::ui

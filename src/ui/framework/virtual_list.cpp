// The owner-data list view.
#include "ui/framework/virtual_list.h"

#include <commctrl.h>

namespace scrubwell::ui {

void VirtualList::syncToNative() {
  Control::syncToNative();
  HWND lv = hwnd();
  ListView_SetExtendedListViewStyle(lv, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  ListView_SetCallbackMask(lv, LVIS_STATEIMAGEMASK);
  if (!ListView_GetColumnWidth(lv, 0)) {
    LVCOLUMNA col{};
    col.mask = LVCF_WIDTH;
    RECT r;
    GetClientRect(lv, &r);
    col.cx = r.right - r.left - GetSystemMetrics(SM_CXVSCROLL) - 2;
    SendMessageA(lv, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&col));
  }
  if (!header_.empty()) setHeader(header_);
  refresh();
}

void VirtualList::refresh() {
  if (!live()) return;
  size_t n = rowCount ? rowCount() : 0;
  ListView_SetItemCountEx(hwnd(), static_cast<int>(n), LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void VirtualList::refreshRow(size_t i) {
  if (live()) ListView_RedrawItems(hwnd(), static_cast<int>(i), static_cast<int>(i));
}

int VirtualList::topIndex() const { return live() ? ListView_GetTopIndex(hwnd()) : 0; }

int VirtualList::visibleRows() const { return live() ? ListView_GetCountPerPage(hwnd()) : 0; }

int VirtualList::rowHeight() const {
  if (!live()) return 16;
  RECT r{};
  r.left = LVIR_BOUNDS;
  if (!SendMessageA(hwnd(), LVM_GETITEMRECT, topIndex(), reinterpret_cast<LPARAM>(&r))) return 16;
  return r.bottom - r.top;
}

POINT VirtualList::firstRowOrigin() const {
  POINT p{0, 0};
  if (!live()) return p;
  RECT r{};
  r.left = LVIR_BOUNDS;
  if (SendMessageA(hwnd(), LVM_GETITEMRECT, topIndex(), reinterpret_cast<LPARAM>(&r))) {
    p.x = 0;
    p.y = r.top;
  } else if (HWND header = ListView_GetHeader(hwnd())) {
    RECT h;
    GetWindowRect(header, &h);
    p.y = h.bottom - h.top;
  }
  return p;
}

std::vector<size_t> VirtualList::selectedRows() const {
  std::vector<size_t> selected;
  if (!live()) return selected;
  for (int i = ListView_GetNextItem(hwnd(), -1, LVNI_SELECTED); i >= 0;
       i = ListView_GetNextItem(hwnd(), i, LVNI_SELECTED))
    selected.push_back(static_cast<size_t>(i));
  return selected;
}

void VirtualList::selectRow(size_t i, bool selected) {
  if (!live()) return;
  const UINT state = selected ? LVIS_SELECTED | LVIS_FOCUSED : 0;
  ListView_SetItemState(hwnd(), static_cast<int>(i), state, LVIS_SELECTED | LVIS_FOCUSED);
}

POINT VirtualList::selectionMenuPoint() const {
  POINT p{0, 0};
  if (!live()) return p;
  int row = ListView_GetNextItem(hwnd(), -1, LVNI_FOCUSED | LVNI_SELECTED);
  if (row < 0) row = ListView_GetNextItem(hwnd(), -1, LVNI_SELECTED);
  RECT r{};
  r.left = LVIR_LABEL;
  if (row >= 0 && SendMessageA(hwnd(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r))) {
    p.x = r.left + 16;
    p.y = r.bottom;
  }
  ClientToScreen(hwnd(), &p);
  return p;
}

void VirtualList::setHeader(const std::string& caption) {
  header_ = caption;
  if (!live()) return;
  LVCOLUMNA col{};
  col.mask = LVCF_TEXT;
  col.pszText = const_cast<char*>(header_.c_str());
  SendMessageA(hwnd(), LVM_SETCOLUMNA, 0, reinterpret_cast<LPARAM>(&col));
}

LRESULT VirtualList::handleNotify(NMHDR* nm) {
  switch (nm->code) {
    case LVN_GETDISPINFOA: {
      auto* di = reinterpret_cast<NMLVDISPINFOA*>(nm);
      size_t i = static_cast<size_t>(di->item.iItem);
      if (!rowCount || i >= rowCount()) return 0;
      if ((di->item.mask & LVIF_TEXT) && rowText) {
        buffer_ = rowText(i);
        lstrcpynA(di->item.pszText, buffer_.c_str(), di->item.cchTextMax);
      }
      if (di->item.mask & LVIF_STATE) {
        bool marked = rowMarked && rowMarked(i);
        di->item.state = INDEXTOSTATEIMAGEMASK(marked ? 2 : 1);
        di->item.stateMask = LVIS_STATEIMAGEMASK;
      }
      return 0;
    }
    case NM_CLICK: {
      auto* ia = reinterpret_cast<NMITEMACTIVATE*>(nm);
      LVHITTESTINFO hit{};
      hit.pt = ia->ptAction;
      int i = ListView_SubItemHitTest(hwnd(), &hit);
      if (i >= 0 && onRowClick) onRowClick(static_cast<size_t>(i));
      return 0;
    }
  }
  return 0;
}

}  // namespace scrubwell::ui

// Side buttons: gradient face, a light and a dark edge inside a one-pixel border, centred text.
#include "ui/framework/side_button.h"

namespace scrubwell::ui {
namespace {

COLORREF blend(COLORREF from, COLORREF to, int step, int steps) {
  auto channel = [&](int shift) {
    const int a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
    return static_cast<COLORREF>(a + (b - a) * step / (steps > 0 ? steps : 1)) << shift;
  };
  return channel(0) | channel(8) | channel(16);
}

void line(HDC dc, COLORREF colour, int x0, int y0, int x1, int y1) {
  HPEN pen = CreatePen(PS_SOLID, 1, colour);
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
  SelectObject(dc, old);
  DeleteObject(pen);
}

}  // namespace

const SideButtonStyle SideButton::kInactive = {0xEEEEEE, 0xFFFFFF, 0xD2D2D2,
                                               0xFFFFFF, 0xEEEEEE, 150};
const SideButtonStyle SideButton::kActive = {0xB3E7FF, 0xFFFFFF, 0x008ED2, 0x95DAFF, 0x005680, 188};

void SideButton::setActive(bool active) {
  if (active == active_) return;
  active_ = active;
  if (live()) applyWidth();
}

void SideButton::syncToNative() {
  Button::syncToNative();
  applyWidth();
}

void SideButton::applyWidth() {
  RECT r;
  GetWindowRect(hwnd(), &r);
  SetWindowPos(hwnd(), nullptr, 0, 0, style().width, r.bottom - r.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

bool SideButton::draw(const DRAWITEMSTRUCT& item) {
  const SideButtonStyle& s = style();
  const RECT r = item.rcItem;
  HDC dc = item.hDC;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  // The face: from the gradient colour at the top to the face colour at the bottom.
  const int height = r.bottom - r.top;
  for (int y = 0; y < height; ++y) {
    RECT row{r.left, r.top + y, r.right, r.top + y + 1};
    SetBkColor(dc, blend(s.gradient, s.face, y, height - 1));
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &row, nullptr, 0, nullptr);
  }
  // Border, then the edges inside it; a pressed button swaps its edges.
  const COLORREF topLeft = pressed ? s.darkEdge : s.lightEdge;
  const COLORREF bottomRight = pressed ? s.lightEdge : s.darkEdge;
  HBRUSH border = CreateSolidBrush(s.border);
  FrameRect(dc, &r, border);
  DeleteObject(border);
  line(dc, topLeft, r.left + 1, r.bottom - 2, r.left + 1, r.top + 1);
  line(dc, topLeft, r.left + 1, r.top + 1, r.right - 1, r.top + 1);
  line(dc, bottomRight, r.left + 1, r.bottom - 2, r.right - 1, r.bottom - 2);
  line(dc, bottomRight, r.right - 2, r.top + 1, r.right - 2, r.bottom - 1);

  RECT textRect = r;
  InflateRect(&textRect, -4, -2);
  if (pressed) OffsetRect(&textRect, 1, 1);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, (item.itemState & ODS_DISABLED) ? GetSysColor(COLOR_GRAYTEXT) : RGB(0, 0, 0));
  DrawTextA(dc, text().c_str(), -1, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = r;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(dc, &focus);
  }
  return true;
}

}  // namespace scrubwell::ui

// The balloon hint: one tracking tooltip, created on first use.
#include "ui/framework/balloon_hint.h"

#include <commctrl.h>

namespace scrubwell::ui {

BalloonHint::~BalloonHint() {
  if (tip_ && IsWindow(tip_)) DestroyWindow(tip_);
}

void BalloonHint::show(HWND owner, const std::string& text, const std::string& title) {
  text_ = text;
  title_ = title;
  if (!owner) return;
  if (tip_ && (owner != owner_ || !IsWindow(tip_))) {
    if (IsWindow(tip_)) DestroyWindow(tip_);
    tip_ = nullptr;
  }
  if (!tip_) {
    tip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                           WS_POPUP | TTS_NOPREFIX | TTS_BALLOON | TTS_ALWAYSTIP, 0, 0, 0, 0, owner,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
    owner_ = owner;
  }
  if (!tip_) return;
  TOOLINFOA ti{};
  ti.cbSize = sizeof ti;
  ti.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  ti.hwnd = owner;
  ti.lpszText = const_cast<char*>(text_.c_str());
  SendMessageA(tip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
  SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
  SendMessageA(tip_, TTM_SETTITLEA, title_.empty() ? 0 : 1,
               reinterpret_cast<LPARAM>(title_.c_str()));
  POINT p;
  GetCursorPos(&p);
  SendMessageA(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(p.x + 12, p.y + 12));
  SendMessageA(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&ti));
  shown_ = true;
}

void BalloonHint::hide() {
  shown_ = false;
  if (!tip_) return;
  TOOLINFOA ti{};
  ti.cbSize = sizeof ti;
  ti.hwnd = owner_;
  SendMessageA(tip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&ti));
}

}  // namespace scrubwell::ui

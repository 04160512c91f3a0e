// Window base: native window from a dialog template on first show, controls attached by id,
// messages routed to the controls and to the window's handlers, modal runs.
#include "ui/framework/window.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/message_pump.h"
#include "platform/seams.h"
#include "platform/text_upper.h"
#include "ui/framework/feedback_sounds.h"
#include "ui/framework/guarded.h"
#include "ui/framework/look.h"

namespace scrubwell::ui {
namespace {

std::vector<Window*>& registry() {
  static std::vector<Window*> windows;
  return windows;
}

}  // namespace

Window::Window(std::string name, int templateId) : name_(std::move(name)), templateId_(templateId) {
  registry().push_back(this);
}

Window::~Window() {
  auto& r = registry();
  r.erase(std::remove(r.begin(), r.end(), this), r.end());
  destroyNative();
  for (Control* c : controls_) c->window_ = nullptr;
}

void Window::destroyNative() {
  if (!hwnd_) return;
  HWND h = hwnd_;
  hwnd_ = nullptr;
  SetWindowLongPtrA(h, DWLP_USER, 0);
  for (Control* c : controls_) c->attach(nullptr);
  DestroyWindow(h);
}

void Window::showHints() {
  // One tooltip for the window (it goes with the window), one tool per control with a hint.
  HWND tip = nullptr;
  for (Control* c : controls_) {
    if (c->hint().empty() || !c->hwnd()) continue;
    if (!tip)
      tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0,
                            0, 0, hwnd_, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!tip) return;
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(c->hwnd());
    std::string text = c->hint();  // the tooltip keeps its own copy
    tool.lpszText = text.data();
    SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void Window::controlGone(Control& c) {
  // Controls are members of the derived window and go before this base part: the first one
  // to go takes the native window with it.
  destroyNative();
  controls_.erase(std::remove(controls_.begin(), controls_.end(), &c), controls_.end());
}

const std::vector<Window*>& Window::all() { return registry(); }

void Window::destroyAll() {
  for (auto it = registry().rbegin(); it != registry().rend(); ++it) (*it)->destroyNative();
}

bool Window::preTranslate(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  for (Window* w : registry())
    if (w->hwnd_ && w->hwnd_ == root) return IsDialogMessageA(root, &msg) != FALSE;
  return false;
}

void Window::bind(Control& c) {
  c.window_ = this;
  controls_.push_back(&c);
}

void Window::bind(std::initializer_list<Control*> cs) {
  for (Control* c : cs) bind(*c);
}

HWND Window::owner() const {
  Window* first = registry().empty() ? nullptr : registry().front();
  return first && first != this ? first->hwnd_ : nullptr;
}

void Window::create() {
  if (hwnd_) return;
  if (!CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner(),
                          dialogProc, reinterpret_cast<LPARAM>(this)))
    OutputDebugStringA(("Scrubwell: cannot create the window " + name_ + "\n").c_str());
}

void Window::show() {
  create();
  onShown();
  visible_ = true;
  if (hwnd_) {
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
  }
}

void Window::hide() {
  visible_ = false;
  if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

int Window::showModal() {
  return prompts().modal(name_, [this] {
    create();
    // Disable the other visible windows while this one runs.
    std::vector<HWND> disabled;
    for (Window* w : registry())
      if (w != this && w->hwnd_ && IsWindowEnabled(w->hwnd_)) {
        EnableWindow(w->hwnd_, FALSE);
        disabled.push_back(w->hwnd_);
      }
    modal_ = true;
    modalDone_ = false;
    modalResult_ = IDCANCEL;
    show();
    MSG msg;
    while (!modalDone_) {
      BOOL r = GetMessageA(&msg, nullptr, 0, 0);
      if (r == 0) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        pumpMessages();  // notes that the program is ending
        break;
      }
      if (r < 0) break;
      if (!preTranslate(msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
    }
    for (HWND h : disabled) EnableWindow(h, TRUE);
    modal_ = false;
    hide();
    return modalResult_;
  });
}

void Window::endModal(int result) {
  modalResult_ = result;
  modalDone_ = true;
  if (!modal_) hide();
}

void Window::onClose() {
  if (modal_)
    endModal(IDCANCEL);
  else
    hide();
}

void Window::setCaption(const std::string& c) {
  caption_ = c;
  if (hwnd_) SetWindowTextA(hwnd_, c.c_str());
}

void Window::setSize(int width, int height) {
  width_ = width;
  height_ = height;
  if (hwnd_ && width > 0 && height > 0)
    SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Control* Window::controlById(int id) const {
  for (Control* c : controls_)
    if (c->id() == id) return c;
  return nullptr;
}

INT_PTR CALLBACK Window::dialogProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  Window* self = nullptr;
  if (msg == WM_INITDIALOG) {
    self = reinterpret_cast<Window*>(lp);
    SetWindowLongPtrA(wnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    self->hwnd_ = wnd;
  } else {
    self = reinterpret_cast<Window*>(GetWindowLongPtrA(wnd, DWLP_USER));
  }
  if (!self) return FALSE;
  INT_PTR result = FALSE;
  runGuarded([&] { result = self->handle(msg, wp, lp); });
  return result;
}

// Labels, check boxes and frames show the background picture through them, aligned with the
// window's own; a tool band shows the darker band picture under white text. Text fields (a
// read-only one also asks here) keep their plain colours.
HBRUSH Window::pictureBehind(HWND control, HDC dc) const {
  HBRUSH brush = backgroundBrush();
  if (!brush) return nullptr;
  char cls[16] = {};
  GetClassNameA(control, cls, sizeof cls);
  if (!equalsIgnoringCase(cls, "Static") && !equalsIgnoringCase(cls, "Button")) return nullptr;
  auto* label = dynamic_cast<Label*>(controlById(GetDlgCtrlID(control)));
  if (label && label->toolBand()) {
    brush = toolBandBrush();
    SetTextColor(dc, RGB(255, 255, 255));
  }
  POINT origin{0, 0};
  MapWindowPoints(control, hwnd_, &origin, 1);
  SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
  SetBkMode(dc, TRANSPARENT);
  return brush;
}

INT_PTR Window::handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      if (caption_.empty()) {
        char buf[256] = {};
        GetWindowTextA(hwnd_, buf, sizeof buf);
        caption_ = buf;
      } else {
        SetWindowTextA(hwnd_, caption_.c_str());
      }
      RECT r;
      GetWindowRect(hwnd_, &r);
      if (width_ > 0 && height_ > 0)
        SetWindowPos(hwnd_, nullptr, 0, 0, width_, height_, SWP_NOMOVE | SWP_NOZORDER);
      else {
        width_ = r.right - r.left;
        height_ = r.bottom - r.top;
      }
      for (Control* c : controls_) c->attach(GetDlgItem(hwnd_, c->id()));
      showHints();
      onCreated();
      return TRUE;
    }
    case WM_COMMAND: {
      int id = LOWORD(wp), code = HIWORD(wp);
      if (lp) {
        if (Control* c = controlById(id)) {
          c->handleCommand(code);
          return TRUE;
        }
      }
      if (onCommand(id, code)) return TRUE;
      if (id == IDCANCEL) {
        onClose();
        return TRUE;
      }
      return FALSE;
    }
    case WM_NOTIFY: {
      auto* nm = reinterpret_cast<NMHDR*>(lp);
      if (Control* c = controlById(static_cast<int>(nm->idFrom))) {
        SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, c->handleNotify(nm));
        return TRUE;
      }
      break;
    }
    case WM_CLOSE:
      onClose();
      return TRUE;
    case WM_SETCURSOR: {
      // The hover sound: armed over the window's background, played over a push button (drawn
      // by the system or by the program).
      HWND under = reinterpret_cast<HWND>(wp);
      if (under == hwnd_) {
        pointerOverBackground();
      } else {
        Control* c = controlById(GetDlgCtrlID(under));
        if (c && c->hwnd() == under) c->pointerOver();
        char cls[16] = {};
        GetClassNameA(under, cls, sizeof cls);
        LONG style = GetWindowLongA(under, GWL_STYLE) & BS_TYPEMASK;
        if (equalsIgnoringCase(cls, "Button") &&
            (style == BS_PUSHBUTTON || style == BS_DEFPUSHBUTTON || style == BS_OWNERDRAW))
          pointerOverButton();
      }
      break;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      Control* c = controlById(static_cast<int>(item->CtlID));
      if (c && c->draw(*item)) {
        SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, TRUE);
        return TRUE;
      }
      break;
    }
    case WM_CTLCOLORDLG:
      if (HBRUSH brush = backgroundBrush()) return reinterpret_cast<INT_PTR>(brush);
      break;
    case WM_CTLCOLORSTATIC:
      if (HBRUSH brush = pictureBehind(reinterpret_cast<HWND>(lp), reinterpret_cast<HDC>(wp)))
        return reinterpret_cast<INT_PTR>(brush);
      break;
    case WM_SIZE:
      if (wp != SIZE_MINIMIZED) {
        RECT r;
        GetWindowRect(hwnd_, &r);
        width_ = r.right - r.left;
        height_ = r.bottom - r.top;
      }
      break;
  }
  bool handled = false;
  INT_PTR result = onMessage(msg, wp, lp, handled);
  return handled ? result : FALSE;
}

}  // namespace scrubwell::ui

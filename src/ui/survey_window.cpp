// The survey window. The browser control is hosted through the system's ActiveX host window
// class ("AtlAxWin" of atl.dll), which creates the web browser object for an address given as
// the window text; where that fails the address is shown as a link opened by the shell.
#include "ui/survey_window.h"

#include <exdisp.h>

#include "base/file_ops.h"
#include "base/texts.h"
#include "platform/handles.h"
#include "platform/message_pump.h"
#include "splash_window_res.h"

namespace scrubwell::ui {
namespace {

HMODULE atlModule() {
  static HMODULE atl = LoadLibraryA("atl.dll");
  return atl;
}

bool hostClassReady() {
  static bool ready = [] {
    if (!atlModule()) return false;
    using Init = BOOL(WINAPI*)();
    auto init = reinterpret_cast<Init>(
        reinterpret_cast<void*>(GetProcAddress(atlModule(), "AtlAxWinInit")));
    return init && init();
  }();
  return ready;
}

// True when the host window holds a web browser that loaded a document within `waitMs`: a
// browser object without its HTML engine stays blank, and then the link is the better offer.
bool browserShowsDocument(HWND host, DWORD waitMs) {
  using GetControl = HRESULT(WINAPI*)(HWND, IUnknown**);
  auto getControl = reinterpret_cast<GetControl>(
      reinterpret_cast<void*>(GetProcAddress(atlModule(), "AtlAxGetControl")));
  if (!getControl) return false;
  ComPtr<IUnknown> control;
  if (FAILED(getControl(host, control.put())) || !control) return false;
  ComPtr<IWebBrowser2> browser;
  if (FAILED(control->QueryInterface(IID_IWebBrowser2, browser.putVoid())) || !browser)
    return false;
  DWORD start = GetTickCount();
  do {
    ComPtr<IDispatch> document;
    if (SUCCEEDED(browser->get_Document(document.put())) && document) return true;
    pumpMessages();
    Sleep(50);
  } while (GetTickCount() - start < waitMs);
  return false;
}

}  // namespace

SurveyWindow::SurveyWindow()
    : Window("survey", IDD_SURVEY), text_(IDC_SUR_TEXT), link_(IDC_SUR_LINK), close_(IDC_SUR_CLOSE) {
  bind({&text_, &link_, &close_});
  link_.onClick = [this] { openAddress(address_); };
  close_.onClick = [this] { onClose(); };
}

bool SurveyWindow::navigate(const std::string& address) {
  address_ = address;
  create();
  setCaption(tr(1));
  link_.setText(address);
  text_.setText(tr(5210));
  if (!browser_ && hostClassReady()) {
    RECT r;
    GetClientRect(hwnd(), &r);
    browser_ = CreateWindowExA(0, "AtlAxWin", address.c_str(), WS_CHILD | WS_VISIBLE, 0, 0,
                               r.right, r.bottom - 40, hwnd(), nullptr, GetModuleHandleA(nullptr),
                               nullptr);
    if (browser_ && !browserShowsDocument(browser_, 3000)) {
      DestroyWindow(browser_);
      browser_ = nullptr;
    }
  }
  text_.setVisible(!browser_);
  link_.setVisible(!browser_);
  layout();
  return browser_ != nullptr;
}

void SurveyWindow::layout() {
  if (!hwnd()) return;
  RECT r;
  GetClientRect(hwnd(), &r);
  if (browser_) MoveWindow(browser_, 0, 0, r.right, r.bottom - 36, TRUE);
  if (close_.hwnd()) {
    RECT b;
    GetWindowRect(close_.hwnd(), &b);
    int w = b.right - b.left, h = b.bottom - b.top;
    MoveWindow(close_.hwnd(), r.right - w - 8, r.bottom - h - 8, w, h, TRUE);
  }
}

void SurveyWindow::onCreated() { layout(); }

INT_PTR SurveyWindow::onMessage(UINT msg, WPARAM, LPARAM, bool& handled) {
  if (msg == WM_SIZE) layout();
  handled = false;
  return 0;
}

void SurveyWindow::onClose() {
  closed_ = true;
  hide();
}

void SurveyWindow::runUntilClosed() {
  show();
  MSG msg;
  while (!closed_ && GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (!Window::preTranslate(msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

}  // namespace scrubwell::ui

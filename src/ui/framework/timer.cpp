// Timers on one hidden message-only window.
#include "ui/framework/timer.h"

#include <map>

#include "ui/framework/guarded.h"

namespace scrubwell::ui {
namespace {

std::map<UINT_PTR, Timer*>& timers() {
  static std::map<UINT_PTR, Timer*> t;
  return t;
}

LRESULT CALLBACK hostProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_TIMER) {
    auto it = timers().find(wp);
    if (it != timers().end()) runGuarded([&] { it->second->fire(); });
    return 0;
  }
  return DefWindowProcA(wnd, msg, wp, lp);
}

HWND host() {
  static HWND wnd = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = hostProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "ScrubwellTimerHost";
    RegisterClassA(&wc);
    return CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           wc.hInstance, nullptr);
  }();
  return wnd;
}

UINT_PTR nextId() {
  static UINT_PTR id = 100;
  return ++id;
}

}  // namespace

Timer::Timer(UINT intervalMs, bool enabled) : id_(nextId()), interval_(intervalMs) {
  timers()[id_] = this;
  setEnabled(enabled);
}

Timer::~Timer() {
  setEnabled(false);
  timers().erase(id_);
}

void Timer::setInterval(UINT ms) {
  interval_ = ms;
  if (enabled_) SetTimer(host(), id_, interval_, nullptr);
}

void Timer::setEnabled(bool e) {
  if (e == enabled_) return;
  enabled_ = e;
  if (e)
    SetTimer(host(), id_, interval_, nullptr);
  else
    KillTimer(host(), id_);
}

void Timer::fire() {
  if (onTimer) onTimer();
}

}  // namespace scrubwell::ui

// Timers that do not depend on a window's native window: all run on one hidden message-only
// window, so a timer of a window that was never shown still fires while messages are pumped.
#pragma once
#include <windows.h>

#include <functional>

namespace scrubwell::ui {

class Timer {
 public:
  explicit Timer(UINT intervalMs = 1000, bool enabled = false);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  UINT interval() const { return interval_; }
  void setInterval(UINT ms);
  bool enabled() const { return enabled_; }
  void setEnabled(bool e);

  std::function<void()> onTimer;
  void fire();  // what a tick does (tests call it directly)

 private:
  UINT_PTR id_;
  UINT interval_;
  bool enabled_ = false;
};

}  // namespace scrubwell::ui

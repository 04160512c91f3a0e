// Runs code at a boundary no exception may cross (a window procedure, a callback from the
// system): a thrown exception is written to the debugger output and stops there.
#pragma once
#include <windows.h>

#include <exception>

namespace scrubwell::ui {

// Calls f(); false when it threw.
template <class F>
bool runGuarded(F&& f) noexcept {
  try {
    f();
    return true;
  } catch (const std::exception& e) {
    OutputDebugStringA(e.what());
  } catch (...) {
    OutputDebugStringA("unexpected exception in a window handler");
  }
  return false;
}

}  // namespace scrubwell::ui

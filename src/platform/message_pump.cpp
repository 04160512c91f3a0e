// Message pumping for long work on the user-interface thread.
#include "platform/message_pump.h"

#include "platform/seams.h"

namespace scrubwell {
namespace {
bool quitSeen = false;
}

bool quitRequested() { return quitSeen; }

void pumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      quitSeen = true;
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

PumpSlice::PumpSlice(DWORD sliceMs) : slice_(sliceMs), last_(GetTickCount()) {}

void PumpSlice::operator()() {
  DWORD t = GetTickCount();
  if (t - last_ >= slice_) {
    pumpMessages();
    last_ = GetTickCount();
  }
}

void PumpSlice::now() {
  pumpMessages();
  last_ = GetTickCount();
}

void waitForMessage(DWORD ms) {
  MsgWaitForMultipleObjectsEx(0, nullptr, ms, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

void waitPumping(DWORD ms, DWORD stepMs) {
  DWORD waited = 0;
  do {
    pumpMessages();
    DWORD step = ms - waited < stepMs ? ms - waited : stepMs;
    theClock().sleep(step);
    waited += step;
  } while (waited < ms);
}

}  // namespace scrubwell

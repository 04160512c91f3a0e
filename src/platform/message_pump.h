// Keeping the single user-interface thread responsive during long work: a full pump, a pump on a
// time slice (one PeekMessage costs about 70 us under Wine, so hot loops pump only every ~15 ms),
// and pump-and-sleep waits.
#pragma once
#include <windows.h>

namespace scrubwell {

// Dispatches every pending message. A WM_QUIT is put back so the main loop still sees it, and
// is remembered: once the program is ending, waits stop waiting.
void pumpMessages();
bool quitRequested();

// Pumps when about `sliceMs` have passed since the last pump; cheap to call after every entry.
class PumpSlice {
 public:
  explicit PumpSlice(DWORD sliceMs = 15);
  void operator()();
  void now();  // pump unconditionally and restart the slice

 private:
  DWORD slice_;
  DWORD last_;
};

// Pumps messages and sleeps in steps of `stepMs` (through the clock seam) until `ms` have passed.
void waitPumping(DWORD ms, DWORD stepMs = 100);

// Sleeps until a message (a timer's too) is waiting for this thread, at most `ms`.
void waitForMessage(DWORD ms);

// Pumps messages until `done()` returns true or the program is ending. Between pumps it sleeps
// until the next message arrives (at most 100 ms), so the wait ends as soon as the message that
// brings `done()` about has been handled.
template <class Pred>
void waitUntil(Pred done) {
  for (;;) {
    pumpMessages();
    if (done() || quitRequested()) return;
    waitForMessage(100);
  }
}

}  // namespace scrubwell

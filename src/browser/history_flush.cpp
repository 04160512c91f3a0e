// Clearing and flushing the URL history.
#include "browser/history_flush.h"

namespace scrubwell {
namespace {

constexpr LONGLONG kOneDayMs = 24LL * 60 * 60 * 1000;
constexpr DWORD kSettleMs = 200;  // lets the history object notice the new day

// Sets the clock back when it leaves scope, by whatever way, if it was moved at all.
class ClockRestore {
 public:
  ClockRestore(Clock& clock, const SYSTEMTIME& remembered, DWORD rememberedTick, bool moved)
      : clock_(clock), remembered_(remembered), tick_(rememberedTick), moved_(moved) {}
  ~ClockRestore() {
    if (!moved_) return;
    const DWORD elapsed = clock_.tickCount() - tick_;
    clock_.setSystemTime(shiftedTime(remembered_, elapsed));
  }
  ClockRestore(const ClockRestore&) = delete;
  ClockRestore& operator=(const ClockRestore&) = delete;

 private:
  Clock& clock_;
  SYSTEMTIME remembered_;
  DWORD tick_;
  bool moved_;
};

}  // namespace

bool clearUrlHistory(UrlHistoryStore& store) {
  const bool cleared = SUCCEEDED(store.clearHistory());
  for (const wchar_t* leftover : {L"*.*", L".", L"Heute"}) store.deleteUrl(leftover, 1);
  return cleared;
}

SYSTEMTIME shiftedTime(const SYSTEMTIME& utc, LONGLONG ms) {
  FILETIME ft;
  if (!SystemTimeToFileTime(&utc, &ft)) return utc;
  ULARGE_INTEGER v;
  v.LowPart = ft.dwLowDateTime;
  v.HighPart = ft.dwHighDateTime;
  v.QuadPart += static_cast<ULONGLONG>(ms * 10000);  // wraps correctly for a negative shift
  ft.dwLowDateTime = v.LowPart;
  ft.dwHighDateTime = v.HighPart;
  SYSTEMTIME shifted;
  return FileTimeToSystemTime(&ft, &shifted) ? shifted : utc;
}

bool flushUrlHistory(UrlHistoryStore& store, Clock& clock) {
  if (!clearUrlHistory(store)) return false;
  {
    const SYSTEMTIME remembered = clock.systemTime();
    const DWORD rememberedTick = clock.tickCount();
    const bool moved = clock.setSystemTime(shiftedTime(remembered, kOneDayMs));
    const ClockRestore restore(clock, remembered, rememberedTick, moved);
    store.addUrl(L"C:\\", L"empty");
    clock.sleep(kSettleMs);
    clearUrlHistory(store);
    store.deleteUrl(L"empty", 1);
  }
  store.clearHistory();
  return true;
}

}  // namespace scrubwell

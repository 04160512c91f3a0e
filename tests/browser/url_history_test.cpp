// The URL history and its flush: the clock trick against the fake clock (forward from UTC, back
// to the remembered time plus what passed, on every way out, never after a refused forward step,
// never at all when the history cannot clear), and the real history object under Wine, which
// answers E_NOTIMPL to everything.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "browser/browser_cleanup.h"
#include "browser/history_flush.h"
#include "support/fake_seams.h"

using namespace scrubwell;
using scrubwell::test::FakeClock;
using scrubwell::test::ScopedSeams;

namespace {

// Records what was asked of it; clears as told; may throw when an address is added.
class FakeHistory : public UrlHistoryStore {
 public:
  HRESULT clearResult = S_OK;
  bool throwOnAdd = false;
  FakeClock* clockOnAdd = nullptr;  // advanced by 50 ms when an address is added
  std::vector<std::wstring> calls;
  std::vector<UrlHistoryEntry> entries;

  HRESULT addUrl(const std::wstring& address, const std::wstring& title) override {
    calls.push_back(L"add " + address + L" " + title);
    if (clockOnAdd) clockOnAdd->advance(50);
    if (throwOnAdd) throw std::runtime_error("history store failed");
    return S_OK;
  }
  HRESULT deleteUrl(const std::wstring& address, DWORD flags) override {
    calls.push_back(L"delete " + address + L" " + std::to_wstring(flags));
    return S_OK;
  }
  HRESULT clearHistory() override {
    calls.push_back(L"clear");
    return clearResult;
  }
  HRESULT enumerate(const std::function<void(const UrlHistoryEntry&)>& visit) override {
    for (const auto& e : entries) visit(e);
    return S_OK;
  }
};

ULONGLONG ticks(const SYSTEMTIME& t) {
  FILETIME ft{};
  EXPECT_TRUE(SystemTimeToFileTime(&t, &ft)) << "not a valid date";
  return (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

constexpr ULONGLONG kMs = 10000;  // FILETIME ticks per millisecond

}  // namespace

TEST(HistoryFlush, ForwardADayFromUtcThenBackToTheRememberedTimePlusElapsed) {
  ScopedSeams seams;
  FakeHistory history;
  const ULONGLONG before = ticks(seams.clock.systemTime());
  EXPECT_TRUE(flushUrlHistory(history, seams.clock));
  const auto& set = seams.clock.systemTimeRequests();
  ASSERT_EQ(set.size(), 2u);
  EXPECT_EQ(ticks(set[0]), before + 24ULL * 3600 * 1000 * kMs);
  EXPECT_EQ(ticks(set[1]), before + 200 * kMs) << "the clock comes back late by nothing";
  // The entry added on the next day is among the ones deleted, and the history is cleared last.
  EXPECT_EQ(history.calls.front(), L"clear");
  EXPECT_EQ(history.calls.back(), L"clear");
  EXPECT_NE(std::find(history.calls.begin(), history.calls.end(), L"add C:\\ empty"),
            history.calls.end());
  EXPECT_NE(std::find(history.calls.begin(), history.calls.end(), L"delete empty 1"),
            history.calls.end());
}

TEST(HistoryFlush, ClockComesBackEvenWhenTheFlushThrows) {
  ScopedSeams seams;
  FakeHistory history;
  history.throwOnAdd = true;
  history.clockOnAdd = &seams.clock;
  const ULONGLONG before = ticks(seams.clock.systemTime());
  EXPECT_THROW(flushUrlHistory(history, seams.clock), std::runtime_error);
  const auto& set = seams.clock.systemTimeRequests();
  ASSERT_EQ(set.size(), 2u);
  EXPECT_EQ(ticks(set[1]), before + 50 * kMs);

  // The clean-up swallows the failure and does not call the history cleared.
  ScopedSeams again;
  FakeHistory failing;
  failing.throwOnAdd = true;
  const BrowserCleaning done =
      removeBrowserTraces({}, BrowserOptions{false, true}, failing, again.clock, {});
  EXPECT_FALSE(done.historyCleared);
  EXPECT_EQ(again.clock.systemTimeRequests().size(), 2u);
}

TEST(HistoryFlush, NoRestoreAfterARefusedForwardStepAndNoClockWhenTheClearFails) {
  ScopedSeams seams;
  seams.clock.refuseSetTime = true;
  FakeHistory history;
  EXPECT_TRUE(flushUrlHistory(history, seams.clock));
  EXPECT_EQ(seams.clock.systemTimeRequests().size(), 1u) << "only the refused forward step";

  ScopedSeams again;
  FakeHistory cannotClear;
  cannotClear.clearResult = E_NOTIMPL;
  EXPECT_FALSE(flushUrlHistory(cannotClear, again.clock));
  EXPECT_TRUE(again.clock.systemTimeRequests().empty());
  for (const auto& call : cannotClear.calls) EXPECT_NE(call.rfind(L"add", 0), 0u);
}

TEST(HistoryFlush, TheLastHalfHourOfTheYearGivesAValidNextDay) {
  const SYSTEMTIME late{2026, 12, 4, 31, 23, 30, 0, 0};
  const SYSTEMTIME next = shiftedTime(late, 24LL * 3600 * 1000);
  EXPECT_EQ(next.wYear, 2027);
  EXPECT_EQ(next.wMonth, 1);
  EXPECT_EQ(next.wDay, 1);
  EXPECT_EQ(next.wHour, 23);
  EXPECT_EQ(next.wMinute, 30);
  const SYSTEMTIME leap = shiftedTime({2028, 2, 1, 28, 23, 30, 0, 0}, 24LL * 3600 * 1000);
  EXPECT_EQ(leap.wMonth, 2);
  EXPECT_EQ(leap.wDay, 29);

  ScopedSeams seams;
  seams.clock.setLocal(2026, 12, 31, 23, 30);
  FakeHistory history;
  flushUrlHistory(history, seams.clock);
  ASSERT_EQ(seams.clock.systemTimeRequests().size(), 2u);
  ticks(seams.clock.systemTimeRequests()[0]);  // a valid date, whatever the zone
}

TEST(HistoryFlush, WithTheHistoryBoxOffTheClockAndHistoryAreNotTouched) {
  ScopedSeams seams;
  FakeHistory history;
  for (bool cookies : {false, true}) {
    const BrowserCleaning done =
        removeBrowserTraces({}, BrowserOptions{cookies, false}, history, seams.clock, {});
    EXPECT_FALSE(done.historyCleared);
  }
  EXPECT_TRUE(seams.clock.systemTimeRequests().empty());
  EXPECT_TRUE(history.calls.empty());
}

TEST(UrlHistory, DeleteMatchingDeletesWhatTheFilterMarksAndNothingWithoutOne) {
  FakeHistory history;
  history.entries = {{L"http://a.test/", L"A"}, {L"http://b.test/", L"B"}};
  EXPECT_EQ(deleteMatching(history, {}), 0);
  EXPECT_TRUE(history.calls.empty());
  EXPECT_EQ(deleteMatching(
                history, [](const UrlHistoryEntry& e, bool& remove) { remove = e.title == L"B"; }),
            1);
  ASSERT_EQ(history.calls.size(), 1u);
  EXPECT_EQ(history.calls[0], L"delete http://b.test/ 0");
}

TEST(UrlHistory, TheRealObjectAnswersErrorsAndTheCleanUpDoesNotClaimACleanHistory) {
  ScopedSeams seams;  // the clock below is the fake one: the host's clock is never set
  UrlHistory history;
  EXPECT_TRUE(history.created()) << "Wine registers the URL history class";
  EXPECT_TRUE(FAILED(history.addUrl(L"http://example.test/", L"t")));
  EXPECT_TRUE(FAILED(history.deleteUrl(L"http://example.test/", 1)));
  EXPECT_TRUE(FAILED(history.clearHistory()));
  int visited = 0;
  EXPECT_TRUE(FAILED(history.enumerate([&visited](const UrlHistoryEntry&) { ++visited; })));
  EXPECT_EQ(visited, 0);
  EXPECT_EQ(deleteMatching(history, [](const UrlHistoryEntry&, bool& remove) { remove = true; }),
            0);

  const BrowserCleaning done =
      removeBrowserTraces({}, BrowserOptions{false, true}, history, seams.clock, {});
  EXPECT_FALSE(done.historyCleared);
  EXPECT_TRUE(seams.clock.systemTimeRequests().empty());
}

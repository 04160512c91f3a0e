// The system's URL history (the list of visited addresses Internet Explorer keeps) behind a small
// interface, so the browser clean-up runs against the real history object or a test's stand-in.
// UrlHistory wraps the system object and its IUrlHistoryStg2 interface. Every operation passes
// the system's answer back unchanged: a Windows without the service (Wine answers E_NOTIMPL to
// every method) makes the caller see the failure rather than a pretended success.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

struct IUrlHistoryStg2;

namespace scrubwell {

// One entry of the history; times are local OLE date values (days since 30 December 1899), 0
// when the entry's time cannot be converted.
struct UrlHistoryEntry {
  std::wstring address, title;
  double lastVisited = 0, lastUpdated = 0, expires = 0;
};

class UrlHistoryStore {
 public:
  virtual ~UrlHistoryStore() = default;
  virtual HRESULT addUrl(const std::wstring& address, const std::wstring& title) = 0;
  // `flags` 1 deletes the address with its cached page, 0 the history entry alone.
  virtual HRESULT deleteUrl(const std::wstring& address, DWORD flags) = 0;
  virtual HRESULT clearHistory() = 0;
  // Hands every entry to `visit` in the store's order.
  virtual HRESULT enumerate(const std::function<void(const UrlHistoryEntry&)>& visit) = 0;
};

// No history at all: every operation answers E_NOTIMPL. For runs that leave the history alone
// (the object need not be created) and for tests of the other parts.
class NoUrlHistory final : public UrlHistoryStore {
 public:
  HRESULT addUrl(const std::wstring&, const std::wstring&) override { return E_NOTIMPL; }
  HRESULT deleteUrl(const std::wstring&, DWORD) override { return E_NOTIMPL; }
  HRESULT clearHistory() override { return E_NOTIMPL; }
  HRESULT enumerate(const std::function<void(const UrlHistoryEntry&)>&) override {
    return E_NOTIMPL;
  }
};

// The system's URL history object. When it cannot be created (no such service), every
// operation answers E_NOINTERFACE and nothing is called.
class UrlHistory final : public UrlHistoryStore {
 public:
  UrlHistory();
  ~UrlHistory() override;
  UrlHistory(const UrlHistory&) = delete;
  UrlHistory& operator=(const UrlHistory&) = delete;

  bool created() const { return store_ != nullptr; }

  HRESULT addUrl(const std::wstring& address, const std::wstring& title) override;
  HRESULT deleteUrl(const std::wstring& address, DWORD flags) override;
  HRESULT clearHistory() override;
  HRESULT enumerate(const std::function<void(const UrlHistoryEntry&)>& visit) override;

 private:
  bool comStarted_ = false;
  ::IUrlHistoryStg2* store_ = nullptr;
};

// Asked once per entry whether it goes; the answer starts false.
using UrlHistoryFilter = std::function<void(const UrlHistoryEntry& entry, bool& remove)>;

// Enumerates the history and deletes (flags 0) every entry `filter` marks; returns how many
// deletions succeeded. Without a filter nothing is deleted and the answer is 0.
int deleteMatching(UrlHistoryStore& store, const UrlHistoryFilter& filter);

}  // namespace scrubwell

// The system URL history object and the delete-matching enumeration.
#include "browser/url_history.h"

#include <objbase.h>
#include <oleauto.h>
#include <urlhist.h>

#include <vector>

namespace scrubwell {
namespace {

// The class and interface identifiers, spelled out so no import library has to provide them.
constexpr CLSID kUrlHistoryClass = {
    0x3C374A40, 0xBAE4, 0x11CF, {0xBF, 0x7D, 0x00, 0xAA, 0x00, 0x69, 0x46, 0xEE}};
constexpr IID kUrlHistoryStg2 = {
    0xAFA0DC11, 0xC313, 0x11D0, {0x83, 0x1A, 0x00, 0xC0, 0x4F, 0xD5, 0xAE, 0x38}};

// FILETIME (UTC) to a local OLE date through the DOS date and time, as the history's own
// property pages show it; 0 when a step fails.
double localDateOf(const FILETIME& utc) {
  FILETIME local;
  WORD dosDate = 0, dosTime = 0;
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToDosDateTime(&local, &dosDate, &dosTime))
    return 0;
  FILETIME back;
  SYSTEMTIME t;
  double value = 0;
  if (!DosDateTimeToFileTime(dosDate, dosTime, &back) || !FileTimeToSystemTime(&back, &t) ||
      !SystemTimeToVariantTime(&t, &value))
    return 0;
  return value;
}

std::wstring takeString(LPWSTR s) {
  std::wstring text = s ? s : L"";
  if (s) CoTaskMemFree(s);
  return text;
}

}  // namespace

UrlHistory::UrlHistory() {
  const HRESULT com = CoInitialize(nullptr);
  comStarted_ = SUCCEEDED(com);
  IUrlHistoryStg2* store = nullptr;
  const HRESULT hr = CoCreateInstance(kUrlHistoryClass, nullptr, CLSCTX_INPROC_SERVER,
                                      kUrlHistoryStg2, reinterpret_cast<void**>(&store));
  // Only an interface the call says it returned is ever called through.
  store_ = SUCCEEDED(hr) ? store : nullptr;
}

UrlHistory::~UrlHistory() {
  if (store_) store_->Release();
  if (comStarted_) CoUninitialize();
}

HRESULT UrlHistory::addUrl(const std::wstring& address, const std::wstring& title) {
  if (!store_) return E_NOINTERFACE;
  return store_->AddUrl(address.c_str(), title.c_str(), 0);
}

HRESULT UrlHistory::deleteUrl(const std::wstring& address, DWORD flags) {
  if (!store_) return E_NOINTERFACE;
  return store_->DeleteUrl(address.c_str(), flags);
}

HRESULT UrlHistory::clearHistory() {
  if (!store_) return E_NOINTERFACE;
  return store_->ClearHistory();
}

HRESULT UrlHistory::enumerate(const std::function<void(const UrlHistoryEntry&)>& visit) {
  if (!store_) return E_NOINTERFACE;
  IEnumSTATURL* entries = nullptr;
  const HRESULT hr = store_->EnumUrls(&entries);
  if (FAILED(hr) || !entries) return FAILED(hr) ? hr : E_POINTER;
  for (;;) {
    STATURL stat{};
    stat.cbSize = sizeof stat;
    ULONG fetched = 0;
    if (entries->Next(1, &stat, &fetched) != S_OK || fetched != 1) break;
    UrlHistoryEntry entry;
    entry.address = takeString(stat.pwcsUrl);
    entry.title = takeString(stat.pwcsTitle);
    entry.lastVisited = localDateOf(stat.ftLastVisited);
    entry.lastUpdated = localDateOf(stat.ftLastUpdated);
    entry.expires = localDateOf(stat.ftExpires);
    visit(entry);
  }
  entries->Release();
  return S_OK;
}

int deleteMatching(UrlHistoryStore& store, const UrlHistoryFilter& filter) {
  if (!filter) return 0;
  // Collected first: deleting while the store enumerates could skip entries.
  std::vector<std::wstring> doomed;
  store.enumerate([&](const UrlHistoryEntry& entry) {
    bool remove = false;
    filter(entry, remove);
    if (remove) doomed.push_back(entry.address);
  });
  int deleted = 0;
  for (const std::wstring& address : doomed) deleted += SUCCEEDED(store.deleteUrl(address, 0));
  return deleted;
}

}  // namespace scrubwell

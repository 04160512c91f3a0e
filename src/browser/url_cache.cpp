// URL cache enumeration and deletion through WinInet.
#include "browser/url_cache.h"

#include <windows.h>
#include <wininet.h>

#include <vector>

namespace scrubwell {
namespace {

// The record of one entry, in a buffer that grows to the size the system asks for.
class EntryBuffer {
 public:
  INTERNET_CACHE_ENTRY_INFOA* record() {
    return reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(bytes_.data());
  }
  DWORD* size() {
    size_ = static_cast<DWORD>(bytes_.size());
    return &size_;
  }
  // After a call failed for want of room: grow to what the system asked for. False when the
  // failure had another cause or the request is absurd.
  bool growAfter(DWORD error) {
    constexpr DWORD kLargest = 1 << 20;
    if (error != ERROR_INSUFFICIENT_BUFFER || size_ <= bytes_.size() || size_ > kLargest)
      return false;
    bytes_.resize(size_);
    return true;
  }

 private:
  std::vector<char> bytes_ = std::vector<char>(4096);
  DWORD size_ = 0;
};

UrlCacheEntry entryOf(const INTERNET_CACHE_ENTRY_INFOA& record) {
  UrlCacheEntry entry;
  if (record.lpszSourceUrlName) entry.address = record.lpszSourceUrlName;
  entry.size = (static_cast<int64_t>(record.dwSizeHigh) << 32) | record.dwSizeLow;
  return entry;
}

}  // namespace

bool forEachUrlCacheEntry(const std::function<void(const UrlCacheEntry&)>& visit) {
  EntryBuffer buffer;
  HANDLE find = nullptr;
  for (;;) {
    find = FindFirstUrlCacheEntryA(nullptr, buffer.record(), buffer.size());
    if (find || !buffer.growAfter(GetLastError())) break;
  }
  if (!find) return GetLastError() == ERROR_NO_MORE_ITEMS;
  bool ended = false;
  for (;;) {
    visit(entryOf(*buffer.record()));
    bool next = false;
    for (;;) {
      next = FindNextUrlCacheEntryA(find, buffer.record(), buffer.size()) != FALSE;
      if (next || !buffer.growAfter(GetLastError())) break;
    }
    if (!next) {
      ended = GetLastError() == ERROR_NO_MORE_ITEMS;
      break;
    }
  }
  FindCloseUrlCache(find);
  return ended;
}

bool deleteUrlCacheEntry(const std::string& address) {
  return DeleteUrlCacheEntryA(address.c_str()) != FALSE;
}

}  // namespace scrubwell

// The system's URL cache (the WinInet cache of pages, cookies and visited links): enumerating
// its entries and deleting one. The enumeration keeps one buffer and grows it only when an
// entry does not fit, instead of asking every entry's size first (which doubles the calls).
#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace scrubwell {

struct UrlCacheEntry {
  std::string
      address;       // the entry's source address, e.g. "http://host/page" or "Cookie:user@host/"
  int64_t size = 0;  // the bytes its cached file takes
};

// Hands every entry of the cache to `visit` in the system's order. False when the enumeration
// broke off with an error other than the normal end (or no entry could be found at all).
bool forEachUrlCacheEntry(const std::function<void(const UrlCacheEntry&)>& visit);

// Deletes one entry; true when the system says it did.
bool deleteUrlCacheEntry(const std::string& address);

}  // namespace scrubwell

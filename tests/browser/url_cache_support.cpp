// Seeding the URL cache through WinInet's own entry functions.
#include "browser/url_cache_support.h"

#include <windows.h>
#include <wininet.h>

#include "browser/url_cache.h"
#include "support/scratch.h"

namespace scrubwell::test {

bool seedUrlCacheEntry(const std::string& address, size_t bytes) {
  DeleteUrlCacheEntryA(address.c_str());
  char file[MAX_PATH] = {};
  if (!CreateUrlCacheEntryA(address.c_str(), static_cast<DWORD>(bytes), "htm", file, 0))
    return false;
  if (!writeFile(file, std::string(bytes, 'x'))) return false;
  DWORD type = NORMAL_CACHE_ENTRY;
  if (address.rfind("Cookie:", 0) == 0) type = COOKIE_CACHE_ENTRY;
  if (address.rfind("Visited:", 0) == 0) type = URLHISTORY_CACHE_ENTRY;
  static const char kHeader[] = "HTTP/1.0 200 OK\r\n\r\n";
  const FILETIME never{};
  return CommitUrlCacheEntryA(address.c_str(), file, never, never, type,
                              reinterpret_cast<BYTE*>(const_cast<char*>(kHeader)),
                              sizeof kHeader - 1, nullptr, nullptr) != FALSE;
}

std::set<std::string> urlCacheAddresses() {
  std::set<std::string> addresses;
  forEachUrlCacheEntry([&](const UrlCacheEntry& e) { addresses.insert(e.address); });
  return addresses;
}

}  // namespace scrubwell::test

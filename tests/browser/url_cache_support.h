// Seeding the real URL cache of the test's Wine prefix with entries of every kind.
#pragma once
#include <set>
#include <string>

namespace scrubwell::test {

// Adds (or replaces) an entry for `address` whose cached file holds `bytes` bytes; the entry's
// kind (page, cookie, visited link) follows the address. False when the system refused.
bool seedUrlCacheEntry(const std::string& address, size_t bytes);
// The addresses of every entry in the cache.
std::set<std::string> urlCacheAddresses();

}  // namespace scrubwell::test

// The system's case-insensitive sort key.
#include "base/sort_key.h"

#include <windows.h>

namespace scrubwell {

std::string systemSortKey(std::string_view text) {
  if (text.empty()) return {};
  const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
  const int length = static_cast<int>(text.size());
  int n = LCMapStringA(LOCALE_USER_DEFAULT, flags, text.data(), length, nullptr, 0);
  if (n <= 0) return std::string(text);
  std::string key(static_cast<size_t>(n), '\0');
  n = LCMapStringA(LOCALE_USER_DEFAULT, flags, text.data(), length, key.data(), n);
  if (n <= 0) return std::string(text);
  key.resize(static_cast<size_t>(n));
  while (!key.empty() && key.back() == '\0') key.pop_back();  // the key's terminator
  return key;
}

}  // namespace scrubwell

// Fuzz target: the value readers of the settings file (integers, shown dates) on any text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/settings_values.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  // The first line is the date pattern, the rest the value.
  size_t cut = text.find('\n');
  std::string_view pattern = cut == std::string_view::npos ? "dd.MM.yyyy" : text.substr(0, cut);
  std::string_view value = cut == std::string_view::npos ? text : text.substr(cut + 1);
  scrubwell::parseIniInteger(value, 7);
  if (auto d = scrubwell::parseShortDate(value, pattern))
    if (d->month < 1 || d->month > 12 || d->day < 1 || d->day > 31) __builtin_trap();
  scrubwell::daysSinceShownDate(value, "never", pattern, {2026, 3, 1}, 43200);
  return 0;
}

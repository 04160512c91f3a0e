// Fuzz target: any bytes as a downloaded update description; every name that comes out must be a
// plain file name, and the lists stay within their bounds.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/safe_file_name.h"
#include "update/update_description.h"
#include "update/version_compare.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace scrubwell;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  UpdateDescription d = parseUpdateDescription(text);
  if (d.files.size() > kMaxUpdateListEntries || d.removals.size() > kMaxUpdateListEntries)
    __builtin_trap();
  for (const auto& name : d.files)
    if (!isSafeFileName(name)) __builtin_trap();
  for (const auto& name : d.removals)
    if (!isSafeFileName(name)) __builtin_trap();
  for (const auto& name : d.files) (void)d.version(name), (void)d.category(name);
  if (d.reinstallIfOlderThan) (void)compareVersionTexts("8.75", *d.reinstallIfOlderThan);
  return 0;
}

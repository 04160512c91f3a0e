// Fuzz target: any bytes as a language text file; lookups must stay inside the table and the
// language name must come out of any content.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/kv_trans2.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static scrubwell::KvTrans2 table;
  std::string_view content(reinterpret_cast<const char*>(data), size);
  table.loadFromText(content);
  size_t total = table.firstText().size();
  for (int n : {-1, 0, 1, 304, 9999, 10000, 10001, 65535}) total += table.text(n).size();
  total += scrubwell::languageNameFromText(content).size();
  if (total > size * 16 + 64) __builtin_trap();  // texts never grow beyond the input
  return 0;
}

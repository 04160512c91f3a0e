// Fuzzes the bounds check of shortcut files: any bytes are answered without reading outside them
// (the sanitizers watch), and the answer does not depend on anything beyond the bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "scan/shell_link_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A copy of exactly `size` bytes, so a read past the end is a heap overflow the sanitizer sees.
  std::string bytes(reinterpret_cast<const char*>(data), size);
  const bool first = scrubwell::isWellFormedShellLink(bytes);
  if (scrubwell::isWellFormedShellLink(std::string_view(bytes.data(), bytes.size())) != first)
    std::abort();
  // A file that is a shortcut stays one with the terminal block it may lack appended.
  if (first && size + 4 <= scrubwell::kMaxShellLinkBytes &&
      !scrubwell::isWellFormedShellLink(bytes + std::string(4, '\0')))
    std::abort();
  return 0;
}

// Fuzzes the mask pre-filter with a mask and a name (split at the first newline) and checks it
// against a plain dynamic-programming statement of the same loose rules, and that a name always
// passes the mask that spells it out.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/text_upper.h"
#include "scan/mask_prefilter.h"

namespace {

bool isStar(char c) { return c == '*' || c == '<' || c == '>' || c == '"'; }

// The loose rules written out directly: can mask[i..] match name[j..]?
bool reference(const std::string& mask, const std::string& name) {
  const size_t m = mask.size(), n = name.size();
  if (m > 63) return true;
  size_t tail = m;
  while (tail > 0 && (isStar(mask[tail - 1]) || mask[tail - 1] == '?' || mask[tail - 1] == '.' ||
                      mask[tail - 1] == ' '))
    --tail;
  std::vector<std::vector<char>> ok(m + 1, std::vector<char>(n + 1, 0));
  ok[m][n] = 1;
  for (size_t i = m; i-- > 0;) {
    for (size_t j = n + 1; j-- > 0;) {
      const char c = mask[i];
      bool r = false;
      if (isStar(c)) {
        r = ok[i + 1][j] || (j < n && ok[i][j + 1]);
      } else if (c == '?') {
        r = ok[i + 1][j] || (j < n && ok[i + 1][j + 1]);
      } else {
        const bool same =
            j < n && (scrubwell::upperChar(c) == scrubwell::upperChar(name[j]) || name[j] == '?');
        r = (same && ok[i + 1][j + 1]) || (i >= tail && ok[i + 1][j]);
      }
      ok[i][j] = r;
    }
  }
  return ok[0][0];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 400) return 0;
  std::string input(reinterpret_cast<const char*>(data), size);
  size_t cut = input.find('\n');
  std::string mask = input.substr(0, cut);
  std::string name = cut == std::string::npos ? std::string() : input.substr(cut + 1);
  scrubwell::MaskPrefilter filter(mask);
  if (filter.mayMatch(name) != reference(mask, name)) std::abort();
  if (!scrubwell::MaskPrefilter(name).mayMatch(name)) std::abort();
  return 0;
}

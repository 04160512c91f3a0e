// The locale-independent version comparison.
#include "update/version_compare.h"

#include <algorithm>
#include <string>

namespace scrubwell {
namespace {

struct Decimal {
  std::string whole,
      fraction;  // digits only; whole without leading zeros, fraction without trailing
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<Decimal> parseDecimal(std::string_view text) {
  constexpr size_t kMaxDigits = 40;
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  size_t i = 0;
  Decimal d;
  while (i < text.size() && isDigit(text[i])) d.whole += text[i++];
  if (d.whole.empty() || d.whole.size() > kMaxDigits) return std::nullopt;
  if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
    ++i;
    while (i < text.size() && isDigit(text[i])) d.fraction += text[i++];
    if (d.fraction.size() > kMaxDigits) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  d.whole.erase(0, d.whole.find_first_not_of('0'));
  d.fraction.erase(d.fraction.find_last_not_of('0') + 1);
  return d;
}

}  // namespace

std::optional<int> compareVersionTexts(std::string_view a, std::string_view b) {
  auto x = parseDecimal(a), y = parseDecimal(b);
  if (!x || !y) return std::nullopt;
  if (x->whole.size() != y->whole.size()) return x->whole.size() < y->whole.size() ? -1 : 1;
  if (int c = x->whole.compare(y->whole)) return c < 0 ? -1 : 1;
  // Equal whole parts: the fractions compare digit by digit, a missing digit counting as 0.
  size_t n = std::max(x->fraction.size(), y->fraction.size());
  x->fraction.resize(n, '0');
  y->fraction.resize(n, '0');
  if (int c = x->fraction.compare(y->fraction)) return c < 0 ? -1 : 1;
  return 0;
}

}  // namespace scrubwell

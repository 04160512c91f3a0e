// Reading the values of the settings file.
#include "base/settings_values.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/text_trim.h"

namespace scrubwell {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool validDate(const CivilDate& d) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (d.year < 1 || d.year > 9999 || d.month < 1 || d.month > 12 || d.day < 1) return false;
  bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
  return d.day <= days[d.month - 1] + (d.month == 2 && leap);
}

}  // namespace

int parseIniInteger(std::string_view text, int fallback) {
  text = trimmed(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > 10) return fallback;
  int64_t value = 0;
  for (char c : text) {
    if (!isDigit(c)) return fallback;
    value = value * 10 + (c - '0');
  }
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return fallback;
  return static_cast<int>(value);
}

int clampLookIndex(int value, int count) {
  if (value >= count) value = count - 1;
  return value < 0 ? 0 : value;
}

std::optional<CivilDate> parseShortDate(std::string_view text, std::string_view pattern) {
  // The order of day, month and year as the pattern first names them (quoted parts skipped).
  std::string order;
  bool quoted = false;
  for (char c : pattern) {
    if (c == '\'') quoted = !quoted;
    if (quoted) continue;
    char field = c == 'd' ? 'd' : c == 'M' ? 'M' : (c == 'y' || c == 'Y') ? 'y' : 0;
    if (field && order.find(field) == std::string::npos) order += field;
  }
  if (order.size() != 3) order = "Mdy";

  text = trimmed(text);
  std::vector<int> numbers;
  size_t i = 0;
  for (;;) {
    size_t start = i;
    while (i < text.size() && isDigit(text[i])) ++i;
    if (i == start || i - start > 4) return std::nullopt;
    numbers.push_back(std::stoi(std::string(text.substr(start, i - start))));
    size_t separator = i;
    while (i < text.size() && !isDigit(text[i])) ++i;
    if (i - separator > 3) return std::nullopt;
    if (numbers.size() == 3) break;
    if (i == separator) return std::nullopt;
  }
  // Up to three characters such as the "." of "2026.03.01." may follow the third number.
  if (i != text.size()) return std::nullopt;
  CivilDate date;
  for (size_t k = 0; k < 3; ++k) {
    if (order[k] == 'd') date.day = numbers[k];
    if (order[k] == 'M') date.month = numbers[k];
    if (order[k] == 'y') date.year = numbers[k];
  }
  if (date.year < 100) date.year += date.year < 50 ? 2000 : 1900;
  if (!validDate(date)) return std::nullopt;
  return date;
}

long daysFromCivil(const CivilDate& date) {
  // Howard Hinnant's days_from_civil.
  long y = date.year - (date.month <= 2);
  long era = (y >= 0 ? y : y - 399) / 400;
  long yoe = y - era * 400;
  long mp = (date.month + 9) % 12;
  long doy = (153 * mp + 2) / 5 + date.day - 1;
  long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

int daysSinceShownDate(std::string_view shown, std::string_view neverText, std::string_view pattern,
                       const CivilDate& today, int secondsOfDay) {
  constexpr int kUnknown = 100;
  if (shown == "-" || shown == "never" || shown == neverText) return kUnknown;
  auto date = parseShortDate(shown, pattern);
  if (!date) return kUnknown;
  double elapsed =
      static_cast<double>(daysFromCivil(today) - daysFromCivil(*date)) + secondsOfDay / 86400.0;
  return static_cast<int>(std::nearbyint(elapsed));
}

}  // namespace scrubwell

// Reading the values of the settings file: integers as the settings file stores them, look
// indexes kept inside their lists, and the dates shown for the last scan and update check.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace scrubwell {

// A decimal integer with an optional sign and surrounding blanks; `fallback` for anything else,
// including numbers outside the 32-bit range.
int parseIniInteger(std::string_view text, int fallback);

// A stored list index: at or above `count` it becomes count - 1, below 0 it becomes 0.
int clampLookIndex(int value, int count);

struct CivilDate {
  int year = 0, month = 0, day = 0;
};

// Parses a date written in a short date format such as "dd.MM.yyyy" or "M/d/yyyy": three numbers
// in the order of the pattern's d, M and y, separated by one to three non-digit characters.
// Two-digit years are 2000 to 2049 and 1950 to 1999. Nothing when the text is not such a date.
std::optional<CivilDate> parseShortDate(std::string_view text, std::string_view pattern);

// Days since 1 January 1970 of a date (proleptic Gregorian calendar).
long daysFromCivil(const CivilDate& date);

// Days from `shown` (the date text shown as the last update check) to `today` at `secondsOfDay`,
// rounded to whole days (halves to even); 100 when the text is "-", "never", `neverText` or not a
// date in `pattern`.
int daysSinceShownDate(std::string_view shown, std::string_view neverText, std::string_view pattern,
                       const CivilDate& today, int secondsOfDay);

}  // namespace scrubwell

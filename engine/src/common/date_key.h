// The engine's form of a date: four bytes, century, year within the century,
// month and day, compared byte by byte as unsigned numbers (so that the
// order of keys is the order of dates).
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vorn {

struct DateKey {
  std::uint8_t century = 0;
  std::uint8_t year = 0;
  std::uint8_t month = 0;
  std::uint8_t day = 0;

  bool isZero() const { return century == 0 && year == 0 && month == 0 && day == 0; }
  friend auto operator<=>(const DateKey&, const DateKey&) = default;
};

// The key of eight digits "CCYYMMDD"; nothing when any of them is not a digit.
std::optional<DateKey> DateKeyFromDigits(std::string_view ccyymmdd);

// "%02d%02d%02d%02d" of century, year, month and day.
std::string DateKeyDigits(const DateKey& key);

// "MM-DD-CCYY" of the key.
std::string DateKeyText(const DateKey& key);

// The date check of a text "MM?DD?CCYY" (any separator characters): month
// 1 to 12 and day 1 to the month's length (February 29 only in a Gregorian
// leap year) and a year from 1 to 9999. On success the key is set, the text
// is rewritten "MM-DD-CCYY" and the result is 0; otherwise -1 and both are
// left unchanged.
int ParseDateText(DateKey& key, std::span<char, 10> text);

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

}  // namespace vorn

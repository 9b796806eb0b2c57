#include "common/date_key.h"

#include <algorithm>

#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"

namespace vorn {

std::optional<DateKey> DateKeyFromDigits(std::string_view ccyymmdd) {
  if (ccyymmdd.size() != 8) return std::nullopt;
  std::uint8_t parts[4];
  for (std::size_t i = 0; i < 4; ++i) {
    const std::optional<std::uint64_t> part = platform::ParseDigits(ccyymmdd.substr(2 * i, 2));
    if (!part) return std::nullopt;
    parts[i] = static_cast<std::uint8_t>(*part);
  }
  return DateKey{parts[0], parts[1], parts[2], parts[3]};
}

std::string DateKeyDigits(const DateKey& key) {
  return platform::ZeroPadded(key.century, 2) + platform::ZeroPadded(key.year, 2) + platform::ZeroPadded(key.month, 2) +
         platform::ZeroPadded(key.day, 2);
}

std::string DateKeyText(const DateKey& key) {
  return platform::ZeroPadded(key.month, 2) + "-" + platform::ZeroPadded(key.day, 2) + "-" +
         platform::ZeroPadded(key.century * 100 + key.year, 4);
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

int ParseDateText(DateKey& key, std::span<char, 10> text) {
  platform::FieldScanner scanner(std::string_view(text.data(), text.size()));
  std::optional<std::int32_t> month = scanner.number(2);
  if (!month || !scanner.skipChar()) return -1;
  std::optional<std::int32_t> day = scanner.number(2);
  if (!day || !scanner.skipChar()) return -1;
  std::optional<std::int32_t> year = scanner.number(4);
  if (!year) return -1;
  if (*month < 1 || *month > 12 || *year < 1 || *day < 1 || *day > DaysInMonth(*year, *month)) return -1;
  key = DateKey{static_cast<std::uint8_t>(*year / 100), static_cast<std::uint8_t>(*year % 100),
                static_cast<std::uint8_t>(*month), static_cast<std::uint8_t>(*day)};
  const std::string rewritten = DateKeyText(key);
  std::copy(rewritten.begin(), rewritten.end(), text.begin());
  return 0;
}

}  // namespace vorn

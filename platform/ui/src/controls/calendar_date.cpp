// Gregorian calendar arithmetic (see calendar_date.h). Days are counted
// from 1 January 1601, a Monday.
#include "platform/ui/calendar_date.h"

#include <algorithm>

#include "platform/ui/backend.h"

namespace platform::ui {

namespace {

// Days from 1 January 1601 to the first of the year.
long DaysBeforeYear(int year) {
  const long y = year - 1601;
  return y * 365 + y / 4 - y / 100 + y / 400;
}

long DayNumber(const CalendarDate& date) {
  long days = DaysBeforeYear(date.year);
  for (int month = 1; month < date.month; ++month) days += DaysInMonth(date.year, month);
  return days + date.day - 1;
}

CalendarDate DateOfDayNumber(long number) {
  number = std::clamp(number, 0L, DayNumber(kLastDate));
  // A year's first day is at most its number; start from an estimate
  // below the year and step up.
  int year = 1601 + static_cast<int>(number / 366);
  while (DaysBeforeYear(year + 1) <= number) ++year;
  long left = number - DaysBeforeYear(year);
  int month = 1;
  while (left >= DaysInMonth(year, month)) left -= DaysInMonth(year, month++);
  return {year, month, static_cast<int>(left) + 1};
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kLengths[month - 1];
}

bool IsValidDate(const CalendarDate& date) {
  return date.year >= kFirstDate.year && date.year <= kLastDate.year && date.month >= 1 && date.month <= 12 &&
         date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

int DayOfWeek(const CalendarDate& date) { return static_cast<int>((DayNumber(date) + 1) % 7); }

CalendarDate AddDays(const CalendarDate& date, int days) { return DateOfDayNumber(DayNumber(date) + days); }

CalendarDate AddMonths(const CalendarDate& date, int months) {
  const long index = (date.year - 1601L) * 12 + (date.month - 1) + months;
  if (index < 0) return kFirstDate;
  if (index > (kLastDate.year - 1601L) * 12 + 11) return kLastDate;
  const int year = 1601 + static_cast<int>(index / 12);
  const int month = static_cast<int>(index % 12) + 1;
  return {year, month, std::min(date.day, DaysInMonth(year, month))};
}

CalendarDate ClampDate(const CalendarDate& date, const CalendarDate& least, const CalendarDate& most) {
  if (date < least) return least;
  if (most < date) return most;
  return date;
}

CalendarDate Today() { return CurrentBackend().today(); }

}  // namespace platform::ui

// A day of the Gregorian calendar, as the date picker and the month
// calendar hold it, with the arithmetic they need. Years run from 1601 to
// 9999 (kFirstDate to kLastDate); the backend's clock says which day is
// today (backend.h).
#pragma once

#include <compare>

namespace platform::ui {

struct CalendarDate {
  int year = 1601;
  int month = 1;  // 1 to 12
  int day = 1;    // 1 to the month's length
  friend auto operator<=>(const CalendarDate&, const CalendarDate&) = default;
};

inline constexpr CalendarDate kFirstDate{1601, 1, 1};
inline constexpr CalendarDate kLastDate{9999, 12, 31};

bool IsLeapYear(int year);
// 28 to 31; 0 for a month outside 1 to 12.
int DaysInMonth(int year, int month);
// A real day between kFirstDate and kLastDate.
bool IsValidDate(const CalendarDate& date);
// 0 Sunday to 6 Saturday.
int DayOfWeek(const CalendarDate& date);
// The day so many days later (earlier when negative), held within
// kFirstDate and kLastDate.
CalendarDate AddDays(const CalendarDate& date, int days);
// The same day so many months later (earlier), its day cut to the new
// month's length, held within kFirstDate and kLastDate.
CalendarDate AddMonths(const CalendarDate& date, int months);
// The date held within the range.
CalendarDate ClampDate(const CalendarDate& date, const CalendarDate& least, const CalendarDate& most);

// Today, by the installed backend's clock.
CalendarDate Today();

}  // namespace platform::ui

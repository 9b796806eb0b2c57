// The date picker's formats: a format read into its elements (the fields
// and the text between them), and each element's text for a date.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/calendar_date.h"

namespace platform::ui::detail {

enum class DatePart {
  Literal,    // text shown as it stands
  WeekDay,    // ddd, dddd: shown only
  Day,        // d, dd
  Month,      // M, MM
  MonthName,  // MMM, MMMM
  ShortYear,  // y, yy: the year's last digits
  Year,       // yyy, yyyy: the whole year
};

struct DateElement {
  DatePart part = DatePart::Literal;
  std::string text;  // a literal's text, or the format letters ("MM")
};

// The elements of the format: runs of d, M and y (longer runs count as
// the longest form), quoted text ('' a quote, inside quotes or out), and
// every other character as text. An unclosed quote runs to the end.
std::vector<DateElement> ParseDateFormat(std::string_view format);

// The element as shown for the date.
std::string ElementText(const DateElement& element, const CalendarDate& date);

// A day, month or year: an element the user edits.
bool IsDateField(DatePart part);
// How many digits the field's number has when typed in full.
int FieldDigits(const DateElement& element);

}  // namespace platform::ui::detail

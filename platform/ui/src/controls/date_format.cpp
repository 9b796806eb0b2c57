// The date picker's formats (see date_format.h).
#include "date_format.h"

#include <algorithm>

#include "platform/kernel/fixed_format.h"
#include "platform/ui/controls/month_calendar.h"

namespace platform::ui::detail {

namespace {

void AddText(std::vector<DateElement>& elements, std::string_view text) {
  if (!elements.empty() && elements.back().part == DatePart::Literal)
    elements.back().text += text;
  else
    elements.push_back({DatePart::Literal, std::string(text)});
}

DatePart PartOf(char letter, std::size_t count) {
  switch (letter) {
    case 'd': return count <= 2 ? DatePart::Day : DatePart::WeekDay;
    case 'M': return count <= 2 ? DatePart::Month : DatePart::MonthName;
    default: return count <= 2 ? DatePart::ShortYear : DatePart::Year;
  }
}

}  // namespace

std::vector<DateElement> ParseDateFormat(std::string_view format) {
  std::vector<DateElement> elements;
  std::size_t at = 0;
  while (at < format.size()) {
    const char c = format[at];
    if (c == '\'') {
      if (at + 1 < format.size() && format[at + 1] == '\'') {
        AddText(elements, "'");
        at += 2;
        continue;
      }
      std::string quoted;
      ++at;
      while (at < format.size()) {
        if (format[at] == '\'') {
          if (at + 1 < format.size() && format[at + 1] == '\'') {
            quoted += '\'';
            at += 2;
            continue;
          }
          ++at;
          break;
        }
        quoted += format[at++];
      }
      AddText(elements, quoted);
      continue;
    }
    if (c == 'd' || c == 'M' || c == 'y') {
      std::size_t end = at;
      while (end < format.size() && format[end] == c) ++end;
      const std::size_t count = std::min<std::size_t>(end - at, 4);
      elements.push_back({PartOf(c, count), std::string(count, c)});
      at = end;
      continue;
    }
    AddText(elements, format.substr(at, 1));
    ++at;
  }
  return elements;
}

std::string ElementText(const DateElement& element, const CalendarDate& date) {
  const int count = static_cast<int>(element.text.size());
  switch (element.part) {
    case DatePart::Literal: return element.text;
    case DatePart::Day: return platform::ZeroPadded(date.day, count);
    case DatePart::Month: return platform::ZeroPadded(date.month, count);
    case DatePart::WeekDay: {
      const std::string name = month_calendar::kDayNames[DayOfWeek(date)];
      return count == 3 ? name.substr(0, 3) : name;
    }
    case DatePart::MonthName: {
      const std::string name = month_calendar::kMonthNames[date.month - 1];
      return count == 3 ? name.substr(0, 3) : name;
    }
    case DatePart::ShortYear: return platform::ZeroPadded(date.year % (count == 1 ? 10 : 100), count);
    case DatePart::Year: return platform::ZeroPadded(date.year, 4);
  }
  return {};
}

bool IsDateField(DatePart part) { return part != DatePart::Literal && part != DatePart::WeekDay; }

int FieldDigits(const DateElement& element) {
  switch (element.part) {
    case DatePart::ShortYear: return static_cast<int>(element.text.size());
    case DatePart::Year: return 4;
    default: return 2;
  }
}

}  // namespace platform::ui::detail

// The "DatePicker" class: a date shown in a format of the program's,
// edited field by field, with a button that drops down a month calendar
// (month_calendar.h). A new picker shows today (the backend's, backend.h).
//
// Formats (SetFormat; the default is "M/d/yyyy"): d and dd the day, M and
// MM the month's number, MMM and MMMM its name, y and yy the last digits
// of the year, yyy and yyyy the whole year (dd, MM and yy with a leading
// zero), ddd and dddd the weekday's name; text between single quotes is
// shown as it stands ('' is a quote), and so is any other character.
//
// The day, the month and the year are fields; while the picker has the
// focus one of them is selected. Left and Right select the field before
// or after (no wrap), Home and End the first and the last, a click the
// one under the mouse. Up and Down count the field up or down: the day
// wraps within the month and the month within the year, the day is cut to
// the month's length. Digits type the field's number: a field takes its
// digits one by one (a day or month shows the number as soon as it can
// stand alone), and the next field is selected when no further digit could
// follow. A key that would give an impossible date, or one outside the
// range (SetRange), is refused with a beep and changes nothing.
//
// The drop-down: the button, F4, or Alt with Down or Up opens the calendar
// below the picker with the date selected; Left, Right, Up, Down, PageUp,
// PageDown, Home and End move in it; Enter, F4, Alt with Down or Up, or a
// click on a day takes the calendar's day and closes it; Esc or a press
// elsewhere closes it without taking it, and so does the picker losing the
// focus. Every close sends CloseUp, after the date is taken.
//
// Notices (msg::Notify): notify_code::SetFocus and KillFocus (notify.h),
// CloseUp, and KeyDown for every key-down the picker gets, before it acts
// on it (a KeyDownNotice; the answer is not used).
#pragma once

#include <string_view>

#include "platform/ui/calendar_date.h"
#include "platform/ui/control_descriptor.h"
#include "platform/ui/keys.h"
#include "platform/ui/messages.h"
#include "platform/ui/notify.h"
#include "platform/ui/styles.h"

namespace platform::ui::date_picker {

inline constexpr const char* kClassName = "DatePicker";
inline constexpr const char* kDefaultFormat = "M/d/yyyy";

// Messages.
inline constexpr MessageId GetDate = 0x1001;  // lParam: CalendarDate*; 0 (the date is always valid)
inline constexpr MessageId SetDate =
    0x1002;  // lParam: const CalendarDate*; 1, or 0 for a date not valid or outside the range
inline constexpr MessageId GetRange = 0x1003;   // lParam: CalendarDate[2]; 1
inline constexpr MessageId SetRange = 0x1004;   // lParam: const CalendarDate[2] (null: the whole calendar); 1, 0 for a
                                                // range not valid; the date is held within it
inline constexpr MessageId SetFormat = 0x1005;  // lParam: const char* (null: the default); 1
inline constexpr MessageId GetCalendar = 0x1008;  // the dropped calendar's window, null when closed

// Notices.
inline constexpr unsigned CloseUp = 0xFFFFFD07;
inline constexpr unsigned KeyDown = 0xFFFFFD0A;
struct KeyDownNotice {
  NotifyHeader header;
  VirtualKey key = 0;
  std::string_view field;  // the selected field's format letters ("MM")
  CalendarDate date;
};

// In dialog templates.
inline constexpr TemplateKind kTemplateKinds[] = {{"datepicker", style::TabStop}};
// Asks for msg::CtlColorEdit, or msg::CtlColorStatic when disabled.
extern const ControlDescriptor kDescriptor;

}  // namespace platform::ui::date_picker

// The "MonthCalendar" class: one month as a grid of days (weeks from
// Sunday), under a title band with the month and year and an arrow button
// to the month before and after, over a line with today's date. The
// selected day is highlighted, today is framed. The date picker drops one
// down; it also stands alone in dialogs.
//
// The mouse: a click on a day selects it (a day of the month before or
// after too, whose month is then shown), on an arrow shows the month
// before or after, on the today line selects today. Keys while it has the
// focus: Left and Right move the selection a day, Up and Down a week,
// PageUp and PageDown a month, Home and End to the month's first and last
// day. A day outside the range is never selected (a beep). Each change of
// the selection by the user sends the parent SelectionChange; a click on a
// day or on the today line, Select as well (the user chose that day). The
// notices (msg::Notify) point to a Notice with the date.
#pragma once

#include "platform/ui/calendar_date.h"
#include "platform/ui/control_descriptor.h"
#include "platform/ui/messages.h"
#include "platform/ui/notify.h"
#include "platform/ui/styles.h"

namespace platform::ui::month_calendar {

inline constexpr const char* kClassName = "MonthCalendar";

// Messages.
inline constexpr MessageId GetSelection = 0x1001;  // lParam: CalendarDate*; 1
inline constexpr MessageId SetSelection =
    0x1002;  // lParam: const CalendarDate*; 1, or 0 for a date not valid or outside the range
inline constexpr MessageId GetMinimumSize = 0x1009;  // MakeLong(width, height): the window size the whole month needs
inline constexpr MessageId SetRange =
    0x1012;  // lParam: const CalendarDate[2] (null: the whole calendar); the selection is held within it
inline constexpr MessageId GetShownMonth = 0x1013;  // MakeLong(month, year)

// Notices.
inline constexpr unsigned SelectionChange = 0xFFFFFD12;
inline constexpr unsigned Select = 0xFFFFFD13;
struct Notice {
  NotifyHeader header;
  CalendarDate date;
};

// The names it shows, also used by the date picker's formats.
inline constexpr const char* kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                              "July",    "August",   "September", "October", "November", "December"};
inline constexpr const char* kDayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};

// In dialog templates.
inline constexpr TemplateKind kTemplateKinds[] = {{"monthcalendar", style::TabStop}};
extern const ControlDescriptor kDescriptor;

}  // namespace platform::ui::month_calendar

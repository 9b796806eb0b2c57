// What the date picker and the calendar it drops down say to each other.
#pragma once

#include "platform/ui/types.h"

namespace platform::ui::detail {

// The calendar is the drop-down of the date picker: its notices go to the
// picker, it never activates, and a press outside it (it holds the
// capture) tells the picker with kCalendarCancelled.
void AttachCalendarToPicker(WindowHandle calendar, WindowHandle picker);

// The notice code (msg::Notify) of a press outside the dropped calendar.
inline constexpr unsigned kCalendarCancelled = 0x7F11;

}  // namespace platform::ui::detail

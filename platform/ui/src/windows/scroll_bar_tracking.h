#pragma once

#include "platform/ui/scroll_bar.h"

namespace platform::ui::detail {

// A left-button press on a window's scroll bar: the scroll requests it
// stands for go to the window (a press on the thumb drags it until the
// button comes up).
void TrackScrollBarClick(WindowHandle window, ScrollBar bar, Point screenPoint);

}  // namespace platform::ui::detail

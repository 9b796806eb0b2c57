// The scroll bars a window has in its frame (style::VScroll and
// style::HScroll). A click on a bar sends the window msg::VScroll or
// msg::HScroll with a scroll request (messages.h, namespace scroll) and the
// position in the high word for thumb requests, then scroll::EndScroll.
// A new window's bars have the range 0..100.
#pragma once

#include "platform/ui/types.h"

namespace platform::ui {

enum class ScrollBar { Horizontal = 0, Vertical = 1 };

struct ScrollInfo {
  int minimum = 0;
  int maximum = 100;
  int page = 0;  // 0: a fixed-size thumb
  int position = 0;
  bool enabled = true;
  bool visible = false;
};

ScrollInfo GetScrollInfo(WindowHandle window, ScrollBar bar);
// The position is kept within the new range.
bool SetScrollRange(WindowHandle window, ScrollBar bar, int minimum, int maximum);
bool SetScrollPage(WindowHandle window, ScrollBar bar, int page);
// Returns the previous position; the new one is kept within the range
// (less the page).
int SetScrollPosition(WindowHandle window, ScrollBar bar, int position);
int ScrollPosition(WindowHandle window, ScrollBar bar);
// Showing or hiding a bar changes the client area (msg::Size follows).
bool ShowScrollBar(WindowHandle window, ScrollBar bar, bool show);
bool EnableScrollBar(WindowHandle window, ScrollBar bar, bool enable);

// Where the parts of a shown bar lie, in the window's own coordinates
// (0,0 = the top-left corner of its window rectangle). Empty rectangles for
// a hidden bar, and an empty thumb when the range is empty or the bar is
// disabled.
struct ScrollBarLayout {
  Rect bar;
  Rect lineUp;    // the arrow at the top (left)
  Rect lineDown;  // the arrow at the bottom (right)
  Rect thumb;
};
ScrollBarLayout GetScrollBarLayout(WindowHandle window, ScrollBar bar);

}  // namespace platform::ui

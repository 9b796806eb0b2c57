// The window a pop-up of the menu bar is shown in while the menu loop has
// it open, and where its items lie.
#pragma once

#include <vector>

#include "platform/ui/types.h"

namespace platform::ui::detail {

// The pop-up's items laid out with the window's top-left corner at the
// point (screen coordinates): inside the frame, one under the other, items
// kMenuItemHeight high and separators kMenuSeparatorHeight, all as wide as
// the widest text needs.
std::vector<Rect> LayOutPopupItems(MenuHandle popup, Point topLeft);
// The window around those items.
Rect PopupWindowRect(MenuHandle popup, Point topLeft);

inline constexpr int kMenuItemHeight = 18;
inline constexpr int kMenuSeparatorHeight = 8;

// Shows the pop-up's items in a window of its own over the screen, owned
// by the window and never activated; `highlighted` is an item's position
// (-1 for none).
WindowHandle ShowMenuPopup(WindowHandle owner, MenuHandle popup, Point topLeft, int highlighted);
void HighlightMenuPopupItem(WindowHandle window, int highlighted);

}  // namespace platform::ui::detail

// Owner drawing: a control with an owner-drawn style has its parent draw
// its items. It sends msg::DrawItem (wParam its id, lParam a pointer to a
// DrawItemInfo) for each item it paints; a parent that drew the item
// answers non-zero. The context comes with the control's font selected,
// its colours set and a transparent background, cut to the control.
#pragma once

#include "platform/ui/types.h"

namespace platform::ui {

namespace owner_draw {
// The kind of control asking.
inline constexpr unsigned TabControl = 101;
// What the item needs: all of it drawn.
inline constexpr unsigned DrawEntire = 0x0001;
// The item's state (bits).
inline constexpr unsigned Selected = 0x0001;
inline constexpr unsigned Disabled = 0x0004;
inline constexpr unsigned Focus = 0x0010;
inline constexpr unsigned HotLight = 0x0040;  // the mouse is over it
}  // namespace owner_draw

struct DrawItemInfo {
  unsigned kind = 0;
  int controlId = 0;
  int item = 0;
  unsigned action = owner_draw::DrawEntire;
  unsigned state = 0;
  WindowHandle window = nullptr;
  DcHandle dc = nullptr;
  Rect rect;           // the item (a tab: as drawn, its edges included), in the control's client coordinates
  LParam itemData = 0; // the value the program gave the item
};

}  // namespace platform::ui

// Owner-drawn items: a list box, combo box or tab control with an
// owner-draw style (list_box::OwnerDrawFixed or OwnerDrawVariable, the
// combo box's alike, tab_control::OwnerDrawFixed) leaves the drawing of its
// items to its parent (a combo box's list asks through the combo, which
// names itself):
//
//   msg::MeasureItem  (wParam the control's id, lParam MeasureItemInfo*):
//     the parent sets itemHeight. A fixed list asks once, when it is made
//     (item 0); a variable list asks for each item as it is added; a
//     combo box also asks for its selection field (item -1).
//   msg::DrawItem     (wParam the id, lParam DrawItemInfo*): the parent
//     draws the item's inside on the context in the rectangle, its state
//     (selected, disabled, hot) as it likes; the control then draws the
//     focus rectangle over the item that has the focus
//     (StylePainter::PaintItemFocusRect for list items). The context is as
//     the control had it again afterwards. A tab control draws the tab's
//     edges first (the rectangle is the tab as drawn, its edges included)
//     and its text itself when the parent answers 0.
//   msg::DeleteItem   (wParam the id, lParam DeleteItemInfo*): an item
//     goes (deleted, the contents reset, the control destroyed while its
//     parent stays), so that the parent can free what its data stands for.
//
// The items keep their texts and data as any list's do (HasStrings or
// not): the texts are the owner's to show or not.
#pragma once

#include "platform/ui/messages.h"
#include "platform/ui/types.h"

namespace platform::ui {

enum class OwnerDrawType : unsigned { ListBox = 2, ComboBox = 3, TabControl = 101 };

namespace owner_draw_state {
inline constexpr unsigned Selected = 0x0001;
inline constexpr unsigned Disabled = 0x0004;
inline constexpr unsigned Focus = 0x0010;
inline constexpr unsigned HotLight = 0x0040;       // the mouse is over it (a hot-tracking tab)
inline constexpr unsigned ComboBoxField = 0x1000;  // the combo's selection field, not its list
}  // namespace owner_draw_state

struct MeasureItemInfo {
  OwnerDrawType type = OwnerDrawType::ListBox;
  int controlId = 0;
  int itemId = 0;      // -1: a combo box's selection field
  int itemHeight = 0;  // in: the height of the control's font; out: the item's
  LParam itemData = 0;
};

struct DrawItemInfo {
  OwnerDrawType type = OwnerDrawType::ListBox;
  int controlId = 0;
  int itemId = 0;      // -1: none (an empty combo field)
  unsigned state = 0;  // owner_draw_state bits
  WindowHandle control = nullptr;
  DcHandle dc = nullptr;
  Rect rect;  // in the context's coordinates
  LParam itemData = 0;
};

struct DeleteItemInfo {
  OwnerDrawType type = OwnerDrawType::ListBox;
  int controlId = 0;
  int itemId = 0;
  WindowHandle control = nullptr;
  LParam itemData = 0;
};

}  // namespace platform::ui

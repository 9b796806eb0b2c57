// The "TabControl" class: a row of tabs over a panel. One tab is selected;
// what the panel shows is the program's (a property sheet's pages): the
// control draws the panel's edge and leaves its inside alone.
//
// The user selects a tab by a click, by Left and Right while the control
// has the focus (no wrap), and by Ctrl+Tab and Ctrl+Shift+Tab (wrapping).
// Before the selection moves the parent hears SelectionChanging (a
// non-zero answer refuses: nothing moves); after it, SelectionChange. A
// click gives the control the focus. SetCurrentSelection notifies
// nothing.
//
// Tabs are as wide as their text, or with FixedWidth all as wide as the
// widest (or as SetItemSize says). With HotTrack the tab under the mouse
// is hot: a redraw follows each change of the hot tab, and the hot tab
// stops being hot when the mouse leaves the control (msg::MouseLeave,
// asked for by TrackMouseLeave). With OwnerDrawFixed the parent draws each
// tab's text (owner_draw.h: OwnerDrawType::TabControl, the tab's
// rectangle, the owner_draw_state bits Selected, Focus and HotLight) once
// the control has drawn the tab's edges; the control draws the text itself
// when the parent answers 0.
#pragma once

#include <string>

#include "platform/ui/control_descriptor.h"
#include "platform/ui/messages.h"
#include "platform/ui/styles.h"

namespace platform::ui::tab_control {

inline constexpr const char* kClassName = "TabControl";

// Style bits.
inline constexpr StyleBits HotTrack = 0x0040;
inline constexpr StyleBits FixedWidth = 0x0400;
inline constexpr StyleBits OwnerDrawFixed = 0x2000;

// A tab as the program gives it and reads it back.
struct Item {
  std::string text;
  LParam data = 0;
};

// Messages.
inline constexpr MessageId GetItemCount = 0x1304;
inline constexpr MessageId GetItem = 0x1305;  // wParam: index, lParam: Item*; 1, or 0 for no such tab
inline constexpr MessageId SetItem = 0x1306;  // wParam: index, lParam: const Item*; 1 or 0
inline constexpr MessageId InsertItem =
    0x1307;  // wParam: index (past the end: appended), lParam: const Item*; the index, or -1
inline constexpr MessageId DeleteItem = 0x1308;  // wParam: index; 1 or 0
inline constexpr MessageId DeleteAllItems = 0x1309;
inline constexpr MessageId GetItemRect = 0x130A;          // wParam: index, lParam: Rect*; 1 or 0
inline constexpr MessageId GetCurrentSelection = 0x130B;  // the index, or -1
inline constexpr MessageId SetCurrentSelection = 0x130C;  // wParam: index; the previous index, or -1 for no such tab
inline constexpr MessageId HitTest = 0x130D;              // lParam: a client point (PointToParam); the index, or -1
inline constexpr MessageId GetHotItem = 0x130E;           // the hot tab, or -1
inline constexpr MessageId AdjustRect = 0x1328;           // wParam: larger, lParam: Rect*; see below
inline constexpr MessageId SetItemSize = 0x1329;  // lParam: MakeLong(width, height), 0 keeps one; the previous size

// AdjustRect: with wParam 0 the control's window rectangle becomes the
// area the panel shows (the display area); with wParam non-zero a display
// area becomes the window rectangle that holds it.

// Notices (msg::Notify, notify.h).
inline constexpr unsigned SelectionChange = 0xFFFFFDD9;
inline constexpr unsigned SelectionChanging = 0xFFFFFDD8;  // answer non-zero to refuse

// In dialog templates.
inline constexpr TemplateKind kTemplateKinds[] = {{"tabcontrol", style::TabStop}};
inline constexpr StyleWord kStyleWords[] = {
    {"hottrack", HotTrack},
    {"fixedwidth", FixedWidth},
    {"ownerdrawfixed", OwnerDrawFixed},
};
extern const ControlDescriptor kDescriptor;

}  // namespace platform::ui::tab_control

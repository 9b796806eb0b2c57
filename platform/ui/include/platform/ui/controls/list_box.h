// The "ListBox" class: a single-selection list of text items, each with a
// pointer-sized item value, kept sorted with the Sort style. Tab stops are
// kept in quarters of the font's average character width, as they are
// given, for the painter to place tabbed text; the top index, the item
// heights and the list's own vertical scroll bar (when it was created with
// style::VScroll: range 0 .. count - 1, page = the lines that fit) follow
// the contents.
//
// Input: the arrow keys, Page Up, Page Down, Home and End move the
// selection, a character selects the next item starting with it; with
// WantKeyboardInput the parent is asked first (msg::VKeyToItem and
// msg::CharToItem: -2 handled, -1 the default, an index to select). A
// click selects the item under it and captures the mouse; while the button
// is held outside the items, msg::SystemTimer (id list_box::kAutoScrollTimer)
// arrives every kAutoScrollInterval ms and scrolls one line towards the
// mouse. A double click sends DoubleClick.
//
// With Notify, the parent hears SelectionChange (after a change by the
// user, never after one by a message), DoubleClick, SetFocusNotify and
// KillFocusNotify.
//
// Item heights: one height for every item, except with OwnerDrawVariable,
// where each item has its own (SetItemHeight with the index).
//
// With OwnerDrawFixed or OwnerDrawVariable the parent measures and draws
// the items (owner_draw.h), and hears of those that go.
#pragma once

#include <vector>

#include "platform/ui/control_descriptor.h"
#include "platform/ui/messages.h"
#include "platform/ui/styles.h"

namespace platform::ui::list_box {

inline constexpr const char* kClassName = "ListBox";

// Style bits.
inline constexpr StyleBits Notify = 0x0001;
inline constexpr StyleBits Sort = 0x0002;
inline constexpr StyleBits NoRedraw = 0x0004;
inline constexpr StyleBits OwnerDrawFixed = 0x0010;
inline constexpr StyleBits OwnerDrawVariable = 0x0020;
inline constexpr StyleBits HasStrings = 0x0040;
inline constexpr StyleBits UseTabStops = 0x0080;
inline constexpr StyleBits NoIntegralHeight = 0x0100;
inline constexpr StyleBits WantKeyboardInput = 0x0400;
inline constexpr StyleBits DisableNoScroll = 0x1000;
inline constexpr StyleBits Standard = Notify | Sort | style::VScroll | style::Border;

// Messages (the range 0x0180 .. 0x01A7 is the list-box range callers pass
// on unchanged).
inline constexpr MessageId AddString = 0x0180;     // lParam: const char*; answer: the index
inline constexpr MessageId InsertString = 0x0181;  // wParam: index (-1: the end)
inline constexpr MessageId DeleteString = 0x0182;  // wParam: index; answer: the count left
inline constexpr MessageId ResetContent = 0x0184;
inline constexpr MessageId SetCurrentSelection = 0x0186;  // wParam: index, -1 for none
inline constexpr MessageId GetCurrentSelection = 0x0188;
inline constexpr MessageId GetText = 0x0189;  // wParam: index, lParam: char* (large enough)
inline constexpr MessageId GetTextLength = 0x018A;
inline constexpr MessageId GetCount = 0x018B;
inline constexpr MessageId SelectString = 0x018C;  // wParam: start after (-1: all), lParam: prefix
inline constexpr MessageId GetTopIndex = 0x018E;
inline constexpr MessageId FindString = 0x018F;   // wParam: start after, lParam: prefix
inline constexpr MessageId SetTabStops = 0x0192;  // wParam: count, lParam: const int*
inline constexpr MessageId GetHorizontalExtent = 0x0193;
inline constexpr MessageId SetHorizontalExtent = 0x0194;
inline constexpr MessageId SetTopIndex = 0x0197;
inline constexpr MessageId GetItemRect = 0x0198;  // wParam: index, lParam: Rect*
inline constexpr MessageId GetItemData = 0x0199;
inline constexpr MessageId SetItemData = 0x019A;  // wParam: index, lParam: the value
inline constexpr MessageId SetCaretIndex = 0x019E;
inline constexpr MessageId GetCaretIndex = 0x019F;
inline constexpr MessageId SetItemHeight = 0x01A0;  // wParam: index, lParam: height (1..255)
inline constexpr MessageId GetItemHeight = 0x01A1;
inline constexpr MessageId FindStringExact = 0x01A2;
inline constexpr MessageId InitStorage = 0x01A8;    // wParam: items; answer: the room for items
inline constexpr MessageId ItemFromPoint = 0x01A9;  // lParam: a client point; answer: MakeLong(index, outside)

inline constexpr LResult Error = -1;
inline constexpr LResult ErrorSpace = -2;

// Notifications.
inline constexpr unsigned SelectionChange = 1;
inline constexpr unsigned DoubleClick = 2;
inline constexpr unsigned SelectionCancel = 3;
inline constexpr unsigned SetFocusNotify = 4;
inline constexpr unsigned KillFocusNotify = 5;

inline constexpr unsigned kAutoScrollTimer = 1;
inline constexpr unsigned kAutoScrollInterval = 100;

// In dialog templates.
inline constexpr TemplateKind kTemplateKinds[] = {
    {"listbox", Notify | style::Border | style::VScroll | style::TabStop}};
inline constexpr StyleWord kStyleWords[] = {
    {"notify", Notify},
    {"sort", Sort},
    {"noredraw", NoRedraw},
    {"ownerdrawfixed", OwnerDrawFixed},
    {"ownerdrawvariable", OwnerDrawVariable},
    {"hasstrings", HasStrings},
    {"usetabstops", UseTabStops},
    {"nointegralheight", NoIntegralHeight},
    {"wantkeyboardinput", WantKeyboardInput},
    {"disablenoscroll", DisableNoScroll},
};
// Asks for msg::CtlColorListBox.
extern const ControlDescriptor kDescriptor;

// The tab stops as they were set, in quarters of the average character
// width (empty: the default, every 32).
std::vector<int> TabStops(WindowHandle list);
// The same in pixels of the list's font.
std::vector<int> TabStopPixels(WindowHandle list);

}  // namespace platform::ui::list_box

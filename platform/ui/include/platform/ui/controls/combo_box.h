// The "ComboBox" class: a drop-down combo box (an edit child, id
// combo_box::kEditId, over a list) or a drop-down list (no edit; the text
// is the selected item's). The list is a pop-up list box shown below the
// combo while it is open. The combo's height is the field's; the height
// it was created or moved with is the height of the open list.
//
// Closed, Up and Down change the selection (SelectionChange). F4 (or Alt
// with Down or Up) and a click open the list: DropDownNotify, then the
// list takes the keys; each change of its selection sends SelectionChange
// at once. Enter, F4 or a click on an item closes it with the choice:
// SelectionEndOk, then CloseUp. Esc or a press elsewhere closes it without
// the choice: the selection is put back (SelectionChange when it had
// moved), SelectionEndCancel, then CloseUp. Losing the focus closes it as
// Esc does, then sends KillFocusNotify.
//
// Messages that set the selection (SetCurrentSelection, SelectString)
// notify nothing; the text shown follows the selection. SetText on a
// drop-down list selects the item with exactly that text, if there is one.
//
// With OwnerDrawFixed or OwnerDrawVariable the parent measures and draws
// the items of the list and, for a drop-down list, the selected item in
// the field (owner_draw.h: type OwnerDrawType::ComboBox, the combo's id
// and handle); the field is as high as the parent makes item -1.
#pragma once

#include "platform/ui/control_descriptor.h"
#include "platform/ui/messages.h"
#include "platform/ui/styles.h"

namespace platform::ui::combo_box {

inline constexpr const char* kClassName = "ComboBox";
inline constexpr int kEditId = 1001;

// Style bits.
inline constexpr StyleBits Simple = 0x0001;
inline constexpr StyleBits DropDown = 0x0002;
inline constexpr StyleBits DropDownList = 0x0003;
inline constexpr StyleBits TypeMask = 0x0003;
inline constexpr StyleBits OwnerDrawFixed = 0x0010;
inline constexpr StyleBits OwnerDrawVariable = 0x0020;
inline constexpr StyleBits AutoHScroll = 0x0040;
inline constexpr StyleBits Sort = 0x0100;
inline constexpr StyleBits HasStrings = 0x0200;
inline constexpr StyleBits NoIntegralHeight = 0x0400;
inline constexpr StyleBits UpperCase = 0x2000;

// Messages.
inline constexpr MessageId GetEditSelection = 0x0140;
inline constexpr MessageId LimitText = 0x0141;
inline constexpr MessageId SetEditSelection = 0x0142;  // lParam: MakeLong(start, end)
inline constexpr MessageId AddString = 0x0143;
inline constexpr MessageId DeleteString = 0x0144;
inline constexpr MessageId GetCount = 0x0146;
inline constexpr MessageId GetCurrentSelection = 0x0147;
inline constexpr MessageId GetItemText = 0x0148;  // wParam: index, lParam: char*
inline constexpr MessageId GetItemTextLength = 0x0149;
inline constexpr MessageId InsertString = 0x014A;
inline constexpr MessageId ResetContent = 0x014B;
inline constexpr MessageId FindString = 0x014C;
inline constexpr MessageId SelectString = 0x014D;  // wParam: start after, lParam: prefix
inline constexpr MessageId SetCurrentSelection = 0x014E;
inline constexpr MessageId ShowDropDown = 0x014F;  // wParam: open or close
inline constexpr MessageId GetItemData = 0x0150;
inline constexpr MessageId SetItemData = 0x0151;
inline constexpr MessageId SetItemHeight = 0x0153;
inline constexpr MessageId GetItemHeight = 0x0154;
inline constexpr MessageId GetDroppedState = 0x0157;
inline constexpr MessageId FindStringExact = 0x0158;
inline constexpr MessageId InitStorage = 0x0161;

inline constexpr LResult Error = -1;

// Notifications.
inline constexpr unsigned SelectionChange = 1;
inline constexpr unsigned DoubleClick = 2;
inline constexpr unsigned SetFocusNotify = 3;
inline constexpr unsigned KillFocusNotify = 4;
inline constexpr unsigned EditChange = 5;
inline constexpr unsigned EditUpdate = 6;
inline constexpr unsigned DropDownNotify = 7;
inline constexpr unsigned CloseUp = 8;
inline constexpr unsigned SelectionEndOk = 9;
inline constexpr unsigned SelectionEndCancel = 10;

// The pop-up list of the combo (a list box), or null.
WindowHandle DropListOf(WindowHandle combo);

// In dialog templates.
inline constexpr TemplateKind kTemplateKinds[] = {{"combobox", DropDownList | style::VScroll | style::TabStop}};
inline constexpr StyleWord kStyleWords[] = {
    {"simple", Simple, TypeMask},
    {"dropdown", DropDown, TypeMask},
    {"dropdownlist", DropDownList, TypeMask},
    {"ownerdrawfixed", OwnerDrawFixed},
    {"ownerdrawvariable", OwnerDrawVariable},
    {"autohscroll", AutoHScroll},
    {"sort", Sort},
    {"hasstrings", HasStrings},
    {"nointegralheight", NoIntegralHeight},
    {"uppercase", UpperCase},
};
// Asks for msg::CtlColorListBox.
extern const ControlDescriptor kDescriptor;

}  // namespace platform::ui::combo_box

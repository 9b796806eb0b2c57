// The "Edit" class: a single-line edit field with a caret, a selection
// and a length limit, and a multi-line field (read-only use: lines split
// at "\r\n" or "\n", scrolled by line).
//
// Typing replaces the selection; a character that would take the text
// over the limit is refused with a beep and edit::MaxText. Keys: Left,
// Right, Home and End move the caret (with Shift they extend the
// selection), Backspace and Delete remove the selection or the character
// before or after the caret. A read-only field refuses every change
// with a beep. Text set by msg::SetText is not limited.
//
// Notifications to the parent (high word of msg::Command's wParam):
// SetFocusNotify, KillFocusNotify (sent while the field handles
// msg::KillFocus, so before the window gaining the focus hears of it),
// Change (after any change of the text, also by msg::SetText of a
// single-line field), MaxText.
//
// The edit of a drop-down combo box passes its combo the keys that work
// the list (Up, Down, Page Up, Page Down, F4, and Enter and Esc while the
// list is open).
#pragma once

#include "platform/ui/control_descriptor.h"
#include "platform/ui/messages.h"
#include "platform/ui/styles.h"

namespace platform::ui::edit {

inline constexpr const char* kClassName = "Edit";

// Style bits.
inline constexpr StyleBits Left = 0x0000;
inline constexpr StyleBits Center = 0x0001;
inline constexpr StyleBits Right = 0x0002;
inline constexpr StyleBits AlignMask = 0x0003;
inline constexpr StyleBits MultiLine = 0x0004;
inline constexpr StyleBits UpperCase = 0x0008;
inline constexpr StyleBits LowerCase = 0x0010;
inline constexpr StyleBits Password = 0x0020;
inline constexpr StyleBits AutoVScroll = 0x0040;
inline constexpr StyleBits AutoHScroll = 0x0080;
inline constexpr StyleBits NoHideSelection = 0x0100;
inline constexpr StyleBits ReadOnly = 0x0800;
inline constexpr StyleBits WantReturn = 0x1000;
inline constexpr StyleBits Number = 0x2000;

// Messages.
inline constexpr MessageId GetSelection = 0x00B0;  // wParam, lParam: int* or 0; answer MakeLong(start, end)
inline constexpr MessageId SetSelection = 0x00B1;  // wParam start (-1: no selection), lParam end (-1: the end)
inline constexpr MessageId LineScroll = 0x00B6;    // lParam: lines to scroll (multi-line)
inline constexpr MessageId ScrollCaret = 0x00B7;
inline constexpr MessageId GetModify = 0x00B8;
inline constexpr MessageId SetModify = 0x00B9;
inline constexpr MessageId GetLineCount = 0x00BA;
inline constexpr MessageId ReplaceSelection = 0x00C2;  // lParam: const char*
inline constexpr MessageId LimitText = 0x00C5;         // wParam: the limit, 0 for none
inline constexpr MessageId GetFirstVisibleLine = 0x00CE;
inline constexpr MessageId SetReadOnly = 0x00CF;  // wParam: read-only or not
inline constexpr MessageId GetLimitText = 0x00D5;

// The limit of a field that was given none.
inline constexpr int kNoLimit = 0x7FFFFFFE;

// Notifications.
inline constexpr unsigned SetFocusNotify = 0x0100;
inline constexpr unsigned KillFocusNotify = 0x0200;
inline constexpr unsigned Change = 0x0300;
inline constexpr unsigned Update = 0x0400;
inline constexpr unsigned MaxText = 0x0501;

// In dialog templates.
inline constexpr TemplateKind kTemplateKinds[] = {{"edit", style::TabStop | style::Border | AutoHScroll}};
inline constexpr StyleWord kStyleWords[] = {
    {"left", Left, AlignMask},    {"center", Center, AlignMask},
    {"right", Right, AlignMask},  {"multiline", MultiLine},
    {"uppercase", UpperCase},     {"lowercase", LowerCase},
    {"password", Password},       {"autovscroll", AutoVScroll},
    {"autohscroll", AutoHScroll}, {"nohidesel", NoHideSelection},
    {"readonly", ReadOnly},       {"wantreturn", WantReturn},
    {"number", Number},
};
// Asks for msg::CtlColorEdit; a read-only or disabled field for
// msg::CtlColorStatic.
extern const ControlDescriptor kDescriptor;

}  // namespace platform::ui::edit

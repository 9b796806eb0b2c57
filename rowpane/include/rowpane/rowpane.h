// The "Rowpane" window class of Rowpane32: a list box of any length that
// holds only the rows in view and asks its parent window for every other
// row. Loading the library registers the class; a program creates the
// window, answers the RPBN_ requests below and sends RPB_INITIALIZE when it
// is ready to answer them.
//
// Requests travel as SendMessage(parent, RPBN_..., 0, &request) with the
// control's ItemRequest; the parent sets status 0 when it answers (and the
// data value, index and text of the row), non-zero when there is no such
// item. Notices (RPBN_FREEITEM, RPBN_FREEALL) carry the control id in
// wParam.
#pragma once

#include <cstdint>

#include "platform/ui/messages.h"
#include "platform/ui/styles.h"
#include "platform/ui/types.h"

namespace rowpane {

inline constexpr const char* kClassName = "Rowpane";
inline constexpr const char* kLibraryName = "Rowpane32.dll";

// The record exchanged between the control, its parent and its callers.
// "The item" of a row is its data value in data mode, its absolute index
// otherwise; a caller names an item in data or index accordingly. The
// pointers are pointer-sized: the record never leaves the process.
struct ItemRequest {
  std::int32_t controlId = 0;
  std::int32_t status = 0;  // 0: answered; non-zero: no such item
  std::int32_t data = 0;
  std::int32_t index = 0;
  union {
    char* text = nullptr;      // the row's text (a buffer for RPB_GETTEXT)
    platform::ui::Rect* rect;  // RPB_GETITEMRECT
  };
  const char* search = nullptr;  // the text to find
};
static_assert(sizeof(ItemRequest) == 4 * sizeof(std::int32_t) + 2 * sizeof(void*), "four numbers, two pointers");

// Messages to the control.
namespace message {
using platform::ui::MessageId;
inline constexpr MessageId RPB_RESETCONTENT = 1524;
inline constexpr MessageId RPB_SETCURSEL = 1525;  // wParam: mode (RPBN_FIRST .. RPBN_GOTO), lParam: item (-1: none)
inline constexpr MessageId RPB_GETCURSEL = 1526;
// The text goes to the request's buffer, which must hold RPB_GETTEXTLEN + 1
// bytes (as a list box's text does).
inline constexpr MessageId RPB_GETTEXT = 1527;     // lParam: ItemRequest*
inline constexpr MessageId RPB_GETTEXTLEN = 1528;  // lParam: ItemRequest*
inline constexpr MessageId RPB_GETCOUNT = 1529;
inline constexpr MessageId RPB_SELECTSTRING = 1530;  // lParam: ItemRequest* with the search text
inline constexpr MessageId RPB_FINDSTRING = 1531;
inline constexpr MessageId RPB_GETITEMRECT = 1532;
inline constexpr MessageId RPB_GETITEMDATA = 1533;
inline constexpr MessageId RPB_SETITEMDATA = 1534;    // the value in the request's index
inline constexpr MessageId RPB_SETITEMHEIGHT = 1535;  // lParam: height
inline constexpr MessageId RPB_GETITEMHEIGHT = 1536;
inline constexpr MessageId RPB_FINDSTRINGEXACT = 1537;
inline constexpr MessageId RPB_INITIALIZE = 1538;
inline constexpr MessageId RPB_GETTOPINDEX = 1540;
inline constexpr MessageId RPB_SETTOPINDEX = 1541;  // lParam: item
inline constexpr MessageId RPB_GETHORIZONTALEXTENT = 1542;
inline constexpr MessageId RPB_SETHORIZONTALEXTENT = 1543;  // wParam: extent
inline constexpr MessageId RPB_UPDATE = 1544;
inline constexpr MessageId RPB_GETLINES = 1545;
inline constexpr MessageId RPB_PAGEDOWN = 1546;  // wParam: lines more (less, negative) than a page
inline constexpr MessageId RPB_PAGEUP = 1547;

// Requests and notices to the parent.
inline constexpr MessageId RPBN_FINDSTRING = 1624;
inline constexpr MessageId RPBN_FINDSTRINGEXACT = 1625;
inline constexpr MessageId RPBN_GETITEMDATA = 1627;
inline constexpr MessageId RPBN_GETTEXT = 1628;
inline constexpr MessageId RPBN_GETTEXTLEN = 1629;  // the length as the answer
inline constexpr MessageId RPBN_FIRST = 1630;
inline constexpr MessageId RPBN_PREV = 1631;
inline constexpr MessageId RPBN_NEXT = 1632;
inline constexpr MessageId RPBN_LAST = 1633;
inline constexpr MessageId RPBN_GOTO = 1634;
inline constexpr MessageId RPBN_GETCOUNT = 1635;  // the count in index; status non-zero: unknown
inline constexpr MessageId RPBN_THUMBPOS = 1636;  // percent 0..100 in data and index
inline constexpr MessageId RPBN_FREEITEM = 1724;  // wParam: id, lParam: the row's item
inline constexpr MessageId RPBN_FREEALL = 1725;   // wParam: id
}  // namespace message
using namespace message;

// The control's own style bits (the low word of the window style).
namespace style {
using platform::ui::StyleBits;
inline constexpr StyleBits ForwardCommands = 0x0001;
inline constexpr StyleBits OwnerDrawFixed = 0x0010;  // without HasStrings: rows carry no text
inline constexpr StyleBits HasStrings = 0x0040;
inline constexpr StyleBits KeepHeight = 0x0100;
inline constexpr StyleBits ParentKeysFirst = 0x0400;
inline constexpr StyleBits DisableNoScroll = 0x1000;
inline constexpr StyleBits Frame3d = 0x4000;
inline constexpr StyleBits DataMode = 0x8000;
}  // namespace style

// The total count before RPB_INITIALIZE, and when the parent cannot count.
inline constexpr int kCountNotAsked = -2;
inline constexpr int kCountUnknown = -1;

// The id of the inner list box.
inline constexpr int kInnerListId = 100;

}  // namespace rowpane

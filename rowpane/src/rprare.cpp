// The control's item messages: texts, data and rectangles of items shown
// or asked of the parent, finding by text, the count, the top item, the
// horizontal extent, and emptying, initialising and refreshing the page.
#include <cstring>

#include "platform/ui/controls/list_box.h"
#include "platform/ui/scroll_bar.h"
#include "rowpane_state.h"

namespace rowpane::detail {

namespace ui = platform::ui;
namespace lb = platform::ui::list_box;

namespace {

LResult Inner(const State& s, MessageId message, WParam wParam = 0, LParam lParam = 0) {
  return ui::SendMessage(s.inner, message, wParam, lParam);
}

// The caller's request, or null.
ItemRequest* RequestOf(LParam lParam) { return reinterpret_cast<ItemRequest*>(lParam); }

// The item a caller names.
int NamedItem(const State& s, const ItemRequest& request) { return s.dataMode() ? request.data : request.index; }

LResult GetText(State& s, ItemRequest* caller) {
  if (caller == nullptr || caller->text == nullptr) return -1;
  const int item = NamedItem(s, *caller);
  const int line = LineOfItem(s, item);
  if (line >= 0) return Inner(s, lb::GetText, static_cast<WParam>(line), reinterpret_cast<LParam>(caller->text));
  if (!HasItems(s) || !AskItem(s, RPBN_GETTEXT, item) || s.request.text == nullptr) return -1;
  const std::size_t length = std::strlen(s.request.text);
  std::memcpy(caller->text, s.request.text, length + 1);
  return static_cast<LResult>(length);
}

LResult GetTextLength(State& s, const ItemRequest* caller) {
  if (caller == nullptr) return -1;
  const int item = NamedItem(s, *caller);
  const int line = LineOfItem(s, item);
  if (line >= 0) return Inner(s, lb::GetTextLength, static_cast<WParam>(line));
  if (!HasItems(s)) return -1;
  s.request.controlId = s.id;
  s.request.data = item;
  s.request.index = item;
  s.request.text = nullptr;
  return ui::SendMessage(s.parent, RPBN_GETTEXTLEN, 0, reinterpret_cast<LParam>(&s.request));
}

// The parent's item for the caller's search text, or -1.
bool Find(State& s, MessageId code, const ItemRequest* caller, int& item) {
  if (caller == nullptr || caller->search == nullptr || !HasItems(s)) return false;
  s.request.search = caller->search;
  s.request.data = caller->data;
  s.request.index = caller->index;
  const bool found = Ask(s, code);
  s.request.search = nullptr;
  if (!found) return false;
  item = AnsweredItem(s);
  return true;
}

LResult SelectString(State& s, const ItemRequest* caller) {
  int item = 0;
  if (!Find(s, RPBN_FINDSTRINGEXACT, caller, item)) return -1;
  int line = LineOfItem(s, item);
  if (line < 0) {
    if (RPBFindPage(s, item, true) < 0) return -1;
    line = LineOfItem(s, item);
    if (line < 0) return -1;
  }
  SelectLine(s, line);
  return item;
}

LResult FindString(State& s, MessageId code, const ItemRequest* caller) {
  int item = 0;
  return Find(s, code, caller, item) ? item : -1;
}

LResult GetItemRect(State& s, ItemRequest* caller) {
  if (caller == nullptr || caller->rect == nullptr) return -1;
  const int line = LineOfItem(s, NamedItem(s, *caller));
  if (line < 0) return -1;
  return Inner(s, lb::GetItemRect, static_cast<WParam>(line), reinterpret_cast<LParam>(caller->rect));
}

LResult GetItemData(State& s, const ItemRequest* caller) {
  if (caller == nullptr) return -1;
  const int item = NamedItem(s, *caller);
  const int line = LineOfItem(s, item);
  if (line >= 0) return Inner(s, lb::GetItemData, static_cast<WParam>(line));
  if (!HasItems(s) || !AskItem(s, RPBN_GETITEMDATA, item)) return -1;
  return s.request.data;
}

LResult SetItemData(State& s, const ItemRequest* caller) {
  if (caller == nullptr) return -1;
  const int line = LineOfItem(s, NamedItem(s, *caller));
  if (line < 0) return -1;
  return Inner(s, lb::SetItemData, static_cast<WParam>(line), caller->index);
}

LResult GetTopIndex(const State& s) {
  if (!s.dataMode()) return s.top;
  return Rows(s) > 0 ? ItemAtLine(s, 0) : -1;
}

LResult SetTopIndex(State& s, int item) {
  const int line = LineOfItem(s, item);
  if (line > 0) return RPBScrollDownPage(s, line - s.lines) < 0 ? -1 : 1;
  return RPBFindPage(s, item, true) < 0 ? -1 : 1;
}

// The horizontal bar is wanted when the rows are wider than the box.
LResult SetHorizontalExtent(State& s, WParam extent) {
  const bool wanted = static_cast<int>(extent) > ui::ClientRect(s.inner).width();
  if (s.style & style::DisableNoScroll) {
    if (!s.horizontalShown) ui::ShowScrollBar(s.inner, ui::ScrollBar::Horizontal, true);
    ui::EnableScrollBar(s.inner, ui::ScrollBar::Horizontal, wanted);
    if (!s.horizontalShown) RPBSizeHandler(s, 0);
    s.horizontalShown = true;
  } else if (wanted != s.horizontalShown) {
    ui::ShowScrollBar(s.inner, ui::ScrollBar::Horizontal, wanted);
    s.horizontalShown = wanted;
    RPBSizeHandler(s, 0);
  }
  return Inner(s, lb::SetHorizontalExtent, extent);
}

LResult ResetContent(State& s) {
  RedrawOff(s);
  DropAll(s);
  AskCount(s);
  s.selection = -1;
  if (s.count != 0) RPBFirstPage(s);
  UpdateRPBWindow(s);
  RedrawOn(s);
  return 0;
}

LResult Update(State& s) {
  AskCount(s);
  if (s.count == 0) {
    RedrawOff(s);
    DropAll(s);
    s.selection = -1;
    UpdateRPBWindow(s);
    RedrawOn(s);
    return 1;
  }
  int result = 0;
  if (Rows(s) == 0 || (s.countKnown() && s.count <= s.lines))
    result = RPBFirstPage(s);
  else
    result = RPBFindPage(s, ItemAtLine(s, 0), false);
  return result < 0 ? -1 : 1;
}

}  // namespace

LResult Initialize(State& s) {
  ui::SetScrollRange(s.inner, ui::ScrollBar::Vertical, 0, 100);
  AskCount(s);
  s.selection = -1;
  if (s.count != 0 && s.lines != 0) RPBFirstPage(s);
  UpdateRPBWindow(s);
  return 0;
}

LResult RareMessage(State& s, MessageId message, WParam wParam, LParam lParam, bool& handled) {
  handled = true;
  switch (message) {
    case RPB_RESETCONTENT: return ResetContent(s);
    case RPB_GETCURSEL: return s.selection;
    case RPB_GETTEXT: return GetText(s, RequestOf(lParam));
    case RPB_GETTEXTLEN: return GetTextLength(s, RequestOf(lParam));
    case RPB_GETCOUNT: return s.count;
    case RPB_SELECTSTRING: return SelectString(s, RequestOf(lParam));
    case RPB_FINDSTRING: return FindString(s, RPBN_FINDSTRING, RequestOf(lParam));
    case RPB_FINDSTRINGEXACT: return FindString(s, RPBN_FINDSTRINGEXACT, RequestOf(lParam));
    case RPB_GETITEMRECT: return GetItemRect(s, RequestOf(lParam));
    case RPB_GETITEMDATA: return GetItemData(s, RequestOf(lParam));
    case RPB_SETITEMDATA: return SetItemData(s, RequestOf(lParam));
    case RPB_SETITEMHEIGHT: return Inner(s, lb::SetItemHeight, 0, lParam);
    case RPB_GETITEMHEIGHT: return Inner(s, lb::GetItemHeight, 0);
    case RPB_GETTOPINDEX: return GetTopIndex(s);
    case RPB_SETTOPINDEX: return SetTopIndex(s, static_cast<int>(lParam));
    case RPB_GETHORIZONTALEXTENT: return Inner(s, lb::GetHorizontalExtent);
    case RPB_SETHORIZONTALEXTENT: return SetHorizontalExtent(s, wParam);
    case RPB_UPDATE: return Update(s);
    case RPB_GETLINES: return s.lines;
    default: handled = false; return 0;
  }
}

}  // namespace rowpane::detail

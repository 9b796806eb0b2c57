// Paging: exactly one window's worth of rows, filled from the first, the
// last or a given item, scrolled by a line or a page, the thumb placed from
// the top row, the keys that move the selection, and the lines re-laid when
// the size or the font changes. Every row comes from the parent; every row
// that leaves the window is announced.
#include <algorithm>
#include <cstdint>

#include "platform/ui/controls/list_box.h"
#include "platform/ui/keys.h"
#include "platform/ui/metrics.h"
#include "platform/ui/paint.h"
#include "platform/ui/scroll_bar.h"
#include "rowpane_state.h"

namespace rowpane::detail {

namespace ui = platform::ui;
namespace lb = platform::ui::list_box;

namespace {

// Rows come and go only after RPB_INITIALIZE (the parent is ready), while
// the parent has items and the window has lines.
bool CanPage(const State& s) { return HasItems(s) && s.lines > 0; }

int RowData(const State& s, int line) {
  return static_cast<int>(ui::SendMessage(s.inner, lb::GetItemData, static_cast<WParam>(line)));
}

// The request for the row after the last one shown.
bool AskNext(State& s) {
  const int rows = Rows(s);
  s.request.data = rows > 0 ? RowData(s, rows - 1) : 0;
  s.request.index = s.dataMode() ? -1 : s.top + rows - 1;
  return Ask(s, RPBN_NEXT);
}

// The request for the row before the first one shown.
bool AskPrevious(State& s) {
  s.request.data = Rows(s) > 0 ? RowData(s, 0) : 0;
  s.request.index = s.top;
  return Ask(s, RPBN_PREV);
}

// With the count unknown the top "index" is the top row's data.
void FollowTopRow(State& s) {
  if (!s.countKnown() && Rows(s) > 0) s.top = ItemAtLine(s, 0);
}

void SelectSelectionIfShown(State& s) {
  if (s.selection == -1) return;
  const int line = LineOfItem(s, s.selection);
  if (line >= 0) ui::SendMessage(s.inner, lb::SetCurrentSelection, static_cast<WParam>(line));
}

// Fills the page downward from the last row, then (when the end came
// first) upward from the first.
void FillFromRows(State& s, bool upwardToo) {
  while (Rows(s) < s.lines && AskNext(s)) AppendAnswer(s);
  if (!upwardToo) return;
  while (Rows(s) < s.lines && AskPrevious(s)) {
    InsertAnswerAtTop(s);
    if (s.countKnown()) --s.top;
  }
  FollowTopRow(s);
}

// Repaints the one line a line scroll brought in.
void RepaintLine(State& s, int line) {
  ui::Rect rect;
  if (ui::SendMessage(s.inner, lb::GetItemRect, static_cast<WParam>(line), reinterpret_cast<LParam>(&rect)) > 0)
    ui::InvalidateRect(s.inner, &rect, true);
}

int PercentOf(long long part, long long whole) { return whole <= 0 ? 0 : static_cast<int>(part * 100 / whole); }

}  // namespace

void RedrawOff(State& s) {
  if (--s.redraw == 0) ui::SendMessage(s.inner, ui::msg::SetRedraw, 0);
}

void RedrawOn(State& s) {
  if (s.redraw++ == 0) {
    ui::SendMessage(s.inner, ui::msg::SetRedraw, 1);
    ui::InvalidateRect(s.window);
    ui::InvalidateRect(s.inner);  // the whole box, its frame and scroll bars with it
  }
}

void UpdateRPBWindow(State& s) {
  if (!s.countAsked() || s.inner == nullptr) return;
  const bool disable = (s.style & style::DisableNoScroll) != 0;
  if (s.countKnown() && s.count <= s.lines) {
    if (disable)
      ui::EnableScrollBar(s.inner, ui::ScrollBar::Vertical, false);
    else
      ui::ShowScrollBar(s.inner, ui::ScrollBar::Vertical, false);
    return;
  }
  ui::ShowScrollBar(s.inner, ui::ScrollBar::Vertical, true);
  ui::EnableScrollBar(s.inner, ui::ScrollBar::Vertical, true);
  int position = 50;
  if (s.countKnown()) {
    const long long room = static_cast<long long>(s.count) - s.lines;
    position = s.top >= room ? 100 : PercentOf(std::max(0, s.top), room + 1);
  }
  ui::SetScrollPosition(s.inner, ui::ScrollBar::Vertical, position);
  ui::InvalidateRect(s.inner);  // the bar is in the box's frame
}

int RPBScrollDownLine(State& s) {
  if (!CanPage(s) || Rows(s) == 0 || !AskNext(s)) return -1;
  RedrawOff(s);
  if (SelectedLine(s) == 0) ui::SendMessage(s.inner, lb::SetCurrentSelection, static_cast<WParam>(-1));
  if (Rows(s) >= s.lines) {
    DropLine(s, 0);
    ++s.top;
  }
  AppendAnswer(s);
  FollowTopRow(s);
  UpdateRPBWindow(s);
  const int last = Rows(s) - 1;
  if (s.selection != -1 && ItemAtLine(s, last) == s.selection)
    ui::SendMessage(s.inner, lb::SetCurrentSelection, static_cast<WParam>(last));
  RepaintLine(s, last);
  RedrawOn(s);
  return 1;
}

int RPBScrollUpLine(State& s) {
  if (!CanPage(s) || Rows(s) == 0 || !AskPrevious(s)) return -1;
  RedrawOff(s);
  if (SelectedLine(s) == Rows(s) - 1 && Rows(s) >= s.lines)
    ui::SendMessage(s.inner, lb::SetCurrentSelection, static_cast<WParam>(-1));
  InsertAnswerAtTop(s);
  --s.top;
  if (Rows(s) > s.lines) DropLine(s, Rows(s) - 1);
  FollowTopRow(s);
  UpdateRPBWindow(s);
  if (s.selection != -1 && ItemAtLine(s, 0) == s.selection) ui::SendMessage(s.inner, lb::SetCurrentSelection, 0);
  RepaintLine(s, 0);
  RedrawOn(s);
  return 1;
}

int RPBScrollDownPage(State& s, int adjust) {
  if (!CanPage(s) || Rows(s) == 0) return -1;
  RedrawOff(s);
  int selected = SelectedLine(s);
  ui::SendMessage(s.inner, lb::SetCurrentSelection, static_cast<WParam>(-1));
  const int steps = s.lines + adjust;
  for (int step = 0; step < steps; ++step) {
    if (!AskNext(s)) {
      if (step > 0) break;
      ui::SendMessage(s.inner, lb::SetCurrentSelection, static_cast<WParam>(selected));
      RedrawOn(s);
      return -1;
    }
    if (Rows(s) >= s.lines) {
      DropLine(s, 0);
      ++s.top;
      --selected;
    }
    AppendAnswer(s);
    if (s.selection != -1 && ItemAtLine(s, Rows(s) - 1) == s.selection) selected = Rows(s) - 1;
  }
  FollowTopRow(s);
  if (selected >= 0 && selected < Rows(s))
    ui::SendMessage(s.inner, lb::SetCurrentSelection, static_cast<WParam>(selected));
  UpdateRPBWindow(s);
  RedrawOn(s);
  return 1;
}

int RPBScrollUpPage(State& s, int adjust) {
  if (!CanPage(s) || Rows(s) == 0) return -1;
  RedrawOff(s);
  int selected = SelectedLine(s);
  ui::SendMessage(s.inner, lb::SetCurrentSelection, static_cast<WParam>(-1));
  const int steps = s.lines + adjust;
  for (int step = 0; step < steps; ++step) {
    if (!AskPrevious(s)) {
      if (step > 0) break;
      ui::SendMessage(s.inner, lb::SetCurrentSelection, static_cast<WParam>(selected));
      RedrawOn(s);
      return -1;
    }
    InsertAnswerAtTop(s);
    --s.top;
    if (selected >= 0) ++selected;
    if (Rows(s) > s.lines) DropLine(s, Rows(s) - 1);
    if (s.selection != -1 && ItemAtLine(s, 0) == s.selection) selected = 0;
  }
  FollowTopRow(s);
  if (selected >= 0 && selected < Rows(s))
    ui::SendMessage(s.inner, lb::SetCurrentSelection, static_cast<WParam>(selected));
  UpdateRPBWindow(s);
  RedrawOn(s);
  return 1;
}

int RPBFirstPage(State& s) {
  if (!CanPage(s)) return -1;
  s.request.data = 0;
  s.request.index = 0;
  if (!Ask(s, RPBN_FIRST)) return -1;
  RedrawOff(s);
  DropAll(s);
  AppendAnswer(s);
  s.top = s.countKnown() ? 0 : s.request.data;
  FillFromRows(s, false);
  SelectSelectionIfShown(s);
  UpdateRPBWindow(s);
  RedrawOn(s);
  return 1;
}

int RPBLastPage(State& s) {
  if (!CanPage(s)) return -1;
  s.request.data = 0;
  s.request.index = 0;
  if (!Ask(s, RPBN_LAST)) return -1;
  RedrawOff(s);
  DropAll(s);
  AppendAnswer(s);
  s.top = s.countKnown() ? s.count - 1 : s.request.data;
  while (Rows(s) < s.lines && AskPrevious(s)) {
    InsertAnswerAtTop(s);
    if (s.countKnown()) --s.top;
  }
  FollowTopRow(s);
  SelectSelectionIfShown(s);
  UpdateRPBWindow(s);
  RedrawOn(s);
  return 1;
}

namespace {

// The page from the row the parent just answered, its top index set first.
void FillPageFromAnswer(State& s, int top) {
  RedrawOff(s);
  DropAll(s);
  AppendAnswer(s);
  s.top = top;
  FillFromRows(s, true);
  SelectSelectionIfShown(s);
  UpdateRPBWindow(s);
  RedrawOn(s);
}

}  // namespace

int RPBFindPage(State& s, int item, bool placeTop) {
  if (!CanPage(s) || !AskItem(s, RPBN_GOTO, item)) return -1;
  int top = s.top;
  if (placeTop) top = !s.countKnown() ? s.request.data : s.dataMode() ? s.count / 2 : item;
  FillPageFromAnswer(s, top);
  return 1;
}

int RPBFindPos(State& s, int percent) {
  if (!CanPage(s) || !AskItem(s, RPBN_THUMBPOS, percent)) return -1;
  const long long room = static_cast<long long>(s.count) - s.lines + 1;
  const int top = s.countKnown() ? static_cast<int>(std::max(0LL, percent * room / 100)) : s.request.data;
  FillPageFromAnswer(s, top);
  return 1;
}

LResult VerticalScroll(State& s, unsigned request, int position) {
  switch (request) {
    case ui::scroll::LineUp: return RPBScrollUpLine(s);
    case ui::scroll::LineDown: return RPBScrollDownLine(s);
    case ui::scroll::PageUp: return RPBScrollUpPage(s, 0);
    case ui::scroll::PageDown: return RPBScrollDownPage(s, 0);
    case ui::scroll::ThumbPosition:
      if (position <= 0) return RPBFirstPage(s);
      if (position >= 100) return RPBLastPage(s);
      if (s.dataMode()) return RPBFindPos(s, position);
      return RPBFindPage(s, static_cast<int>(static_cast<long long>(position) * (s.count - s.lines + 1) / 100), true);
    case ui::scroll::Top: return RPBFirstPage(s);
    case ui::scroll::Bottom: return RPBLastPage(s);
    default: return 0;
  }
}

void AutoScroll(State& s) {
  const int line = SelectedLine(s);
  if (line < 0) return;
  if (line == Rows(s) - 1)
    RPBScrollDownLine(s);
  else if (line == 0)
    RPBScrollUpLine(s);
}

namespace {

// Brings the selected item back to line 0 when it is out of view; false
// when there is no selection or the parent cannot give it.
bool SelectionOnPage(State& s, int& line) {
  if (s.selection == -1 || Rows(s) == 0) return false;
  line = LineOfItem(s, s.selection);
  if (line >= 0) return true;
  if (RPBFindPage(s, s.selection, true) < 0) return false;
  line = -1;  // brought back: the caller's out-of-view move applies
  return true;
}

void rpbLineDn(State& s) {
  int line = 0;
  if (!SelectionOnPage(s, line)) return;
  if (line < 0) {
    RPBScrollDownLine(s);
    SelectLine(s, 0);
  } else if (line == Rows(s) - 1) {
    RPBScrollDownLine(s);
    SelectLine(s, Rows(s) - 1);
  } else {
    SelectLine(s, line + 1);
  }
}

void rpbLineUp(State& s) {
  int line = 0;
  if (!SelectionOnPage(s, line)) return;
  if (line <= 0) RPBScrollUpLine(s);
  SelectLine(s, line <= 0 ? 0 : line - 1);
}

void rpbPGDN(State& s) {
  int line = 0;
  if (!SelectionOnPage(s, line)) return;
  if (line < 0) {
    RPBScrollDownPage(s, -1);
    SelectLine(s, 0);
    return;
  }
  RPBScrollDownPage(s, line - s.lines);
  SelectLine(s, Rows(s) - 1);
}

void rpbPGUP(State& s) {
  int line = 0;
  if (!SelectionOnPage(s, line)) return;
  RPBScrollUpPage(s, line < 0 ? -1 : -(line + 1));
  SelectLine(s, 0);
}

}  // namespace

LResult VirtualKey(State& s, unsigned key) {
  switch (key) {
    case ui::key::Down: rpbLineDn(s); break;
    case ui::key::Up: rpbLineUp(s); break;
    case ui::key::PageDown: rpbPGDN(s); break;
    case ui::key::PageUp: rpbPGUP(s); break;
    case ui::key::End:
      if (RPBLastPage(s) > 0) SelectLine(s, Rows(s) - 1);
      break;
    case ui::key::Home:
      if (RPBFirstPage(s) > 0) SelectLine(s, 0);
      break;
    default: return -1;
  }
  return -2;
}

namespace {

// The item height (0: from the font or the inner box), the window cut to
// whole lines and the inner box fitted to it, then the lines in view; false
// when the window was shortened (its size message re-lays the lines).
bool RPBCountLines(State& s, int itemHeight) {
  if (itemHeight <= 0) {
    const bool dataOnly = !(s.flags & flag::Strings);
    itemHeight =
        dataOnly ? static_cast<int>(ui::SendMessage(s.inner, lb::GetItemHeight, 0)) : ui::MeasureFont(s.font).height;
  }
  s.itemHeight = std::max(1, itemHeight);
  const ui::Rect client = ui::ClientRect(s.window);
  if (!(s.style & style::KeepHeight)) {
    const int whole = client.height() / s.itemHeight * s.itemHeight;
    if (whole > 0 && whole != client.height()) {
      ui::Rect rect = ui::WindowRectInParent(s.window);
      rect.bottom -= client.height() - whole;
      ui::MoveWindow(s.window, rect);  // its msg::Size re-lays the lines
      return false;
    }
  }
  const int border = ui::GetSystemMetric(ui::SystemMetric::BorderWidth);
  ui::MoveWindow(s.inner, client.inflatedBy(border, border));
  s.lines = ui::ClientRect(s.inner).height() / s.itemHeight;
  return true;
}

}  // namespace

void RPBSizeHandler(State& s, int itemHeight) {
  if (s.inner == nullptr || !RPBCountLines(s, itemHeight)) return;
  if (!CanPage(s)) return;
  RedrawOff(s);
  while (Rows(s) > s.lines) DropLine(s, Rows(s) - 1);
  if (Rows(s) < s.lines) {
    if (Rows(s) == 0 || (s.countKnown() && s.count <= s.lines))
      RPBFirstPage(s);
    else
      RPBFindPage(s, ItemAtLine(s, 0), false);
  }
  UpdateRPBWindow(s);
  RedrawOn(s);
}

}  // namespace rowpane::detail

// Moving the selection by message: to the first or last item, to the item
// before or after a given one, or to a given item, scrolling as needed.
#include "platform/ui/controls/list_box.h"
#include "rowpane_state.h"

namespace rowpane::detail {

namespace ui = platform::ui;

namespace {

// The item's line, its page brought in first when it is not shown (in
// data mode the last page follows when that page is not full); -1 when the
// parent cannot give it.
int ShowItem(State& s, int item) {
  int line = LineOfItem(s, item);
  if (line >= 0) return line;
  if (RPBFindPage(s, item, true) < 0) return -1;
  if (s.dataMode() && Rows(s) < s.lines && RPBLastPage(s) < 0) return -1;
  return LineOfItem(s, item);
}

int MoveTo(State& s, WParam mode, int item) {
  switch (mode) {
    case RPBN_FIRST: return RPBFirstPage(s) < 0 ? -1 : 0;
    case RPBN_LAST: return RPBLastPage(s) < 0 ? -1 : Rows(s) - 1;
    case RPBN_GOTO: return ShowItem(s, item);
    case RPBN_PREV: {
      const int line = ShowItem(s, item);
      if (line < 0) return -1;
      if (line > 0) return line - 1;
      return RPBScrollUpLine(s) < 0 ? -1 : 0;
    }
    case RPBN_NEXT: {
      const int line = ShowItem(s, item);
      if (line < 0) return -1;
      if (line < Rows(s) - 1) return line + 1;
      return RPBScrollDownLine(s) < 0 ? -1 : Rows(s) - 1;
    }
    default: return -1;
  }
}

}  // namespace

LResult SetCurrentSelection(State& s, WParam mode, LParam item) {
  if (item == -1) {
    ui::SendMessage(s.inner, ui::list_box::SetCurrentSelection, static_cast<WParam>(-1));
    s.selection = -1;
    return -1;
  }
  if (!s.countAsked()) return -1;
  const int line = MoveTo(s, mode, static_cast<int>(item));
  if (line < 0 || line >= Rows(s)) return -1;
  SelectLine(s, line);
  return 0;
}

}  // namespace rowpane::detail

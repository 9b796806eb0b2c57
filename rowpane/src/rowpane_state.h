// The per-window state of a Rowpane control and the operations its
// message handlers share. The control keeps one window's worth of rows in
// an inner list box (the row's item value in the list box's item data) and
// asks the parent for every other row.
#pragma once

#include <cstdint>

#include "platform/ui/font.h"
#include "platform/ui/window.h"
#include "rowpane/rowpane.h"

namespace rowpane::detail {

using platform::ui::LParam;
using platform::ui::LResult;
using platform::ui::MessageId;
using platform::ui::StyleBits;
using platform::ui::WindowHandle;
using platform::ui::WParam;

namespace flag {
inline constexpr std::uint16_t Strings = 0x01;
inline constexpr std::uint16_t DataMode = 0x02;
inline constexpr std::uint16_t SelectionOutOfView = 0x08;
inline constexpr std::uint16_t Focus = 0x10;
}  // namespace flag

struct State {
  WindowHandle window = nullptr;
  int id = 0;
  WindowHandle parent = nullptr;
  WindowHandle inner = nullptr;
  platform::ui::WindowProcedure innerPrevious = nullptr;
  int itemHeight = 1;
  int lines = 0;
  StyleBits style = 0;  // as created, scroll bars included
  platform::ui::FontHandle font = nullptr;
  int top = 0;  // index of the row on line 0 (its data when the count is unknown)
  int count = kCountNotAsked;
  ItemRequest request;
  std::uint16_t flags = 0;
  int selection = -1;  // the selected item, -1 for none
  int redraw = 1;      // redraw-off counter: drawing is on while it is above 0
  bool horizontalShown = false;

  bool dataMode() const { return (flags & flag::DataMode) != 0; }
  bool countKnown() const { return count >= 0; }
  bool countAsked() const { return count != kCountNotAsked; }
};

// The state of a control window, or null (not a control, or destroyed).
State* StateOf(WindowHandle window);

// ---- the inner list box
int Rows(const State& s);
// The item of the row on the line.
int ItemAtLine(const State& s, int line);
// The line showing the item, or -1.
int LineOfItem(const State& s, int item);
int SelectedLine(const State& s);
void SelectLine(State& s, int line);
// The selection := the item of the inner box's selected line (kept when no
// line is selected, so that a selection scrolled out of view stays).
void RecordSelection(State& s);

// ---- the parent
// The parent may be asked about items: the count was asked and is not 0.
inline bool HasItems(const State& s) { return s.countAsked() && s.count != 0; }
// Sends the request (control id set, status preset to "not answered", text
// cleared unless keepText); true when the parent answered with status 0.
bool Ask(State& s, MessageId code, bool keepText = false);
// The same with data = index = item.
bool AskItem(State& s, MessageId code, int item);
// The item the last answer named.
int AnsweredItem(const State& s);
void AnnounceFreeItem(State& s, int item);
void AnnounceFreeAll(State& s);
// Asks the count: a known count, or kCountUnknown (data mode on).
void AskCount(State& s);

// ---- rows
void AppendAnswer(State& s);
void InsertAnswerAtTop(State& s);
// Deletes the row and announces it.
void DropLine(State& s, int line);
// Empties the box and announces it.
void DropAll(State& s);

// ---- paging (rpscroll)
void RedrawOff(State& s);
void RedrawOn(State& s);
int RPBScrollDownLine(State& s);
int RPBScrollUpLine(State& s);
int RPBScrollDownPage(State& s, int adjust);
int RPBScrollUpPage(State& s, int adjust);
int RPBFirstPage(State& s);
int RPBLastPage(State& s);
int RPBFindPage(State& s, int item, bool placeTop);
int RPBFindPos(State& s, int percent);
void UpdateRPBWindow(State& s);
LResult VerticalScroll(State& s, unsigned request, int position);
void AutoScroll(State& s);
// A key the parent left to the control: -2 handled, -1 not a paging key.
LResult VirtualKey(State& s, unsigned key);
// Re-lays the lines after a change of size, font or item height (0: the
// height from the font or the inner box).
void RPBSizeHandler(State& s, int itemHeight);

// ---- the selection by message (rpsetcur)
LResult SetCurrentSelection(State& s, WParam mode, LParam item);

// ---- the less common messages (rprare)
// The answer to an RPB_ message other than the paging ones; handled is set
// false for a message this does not know.
LResult RareMessage(State& s, MessageId message, WParam wParam, LParam lParam, bool& handled);
LResult Initialize(State& s);

// ---- the class (rowpane)
LResult RowpaneBoxWndProc(WindowHandle window, MessageId message, WParam wParam, LParam lParam);
bool RegisterRowpaneClass();
void UnregisterRowpaneClass();

}  // namespace rowpane::detail

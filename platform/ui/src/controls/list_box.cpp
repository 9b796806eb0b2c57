// The "ListBox" class.
#include "platform/ui/controls/list_box.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>
#include <string>

#include "list_box_internal.h"
#include "platform/ui/focus.h"
#include "platform/ui/font.h"
#include "platform/ui/gdi.h"
#include "platform/ui/style_painter.h"
#include "platform/ui/keys.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/window.h"
#include "windows/window_system.h"

namespace platform::ui::detail {

namespace {

struct Item {
  std::string text;
  LParam data = 0;
  int height = 0;  // OwnerDrawVariable only
};

class ListBoxState : public ControlState {
 public:
  std::vector<Item> items;
  int selection = -1;
  int top = 0;
  int caret = 0;
  std::vector<int> tabStops;
  int itemHeight = 0;  // 0: the font's height
  int horizontalExtent = 0;
  bool ownsScrollBar = false;  // created with style::VScroll
  bool tracking = false;       // the left button is held on the list
  WindowHandle combo = nullptr;  // the combo box whose drop-down list this is
};

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

bool LessIgnoringCase(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int ca = std::toupper(static_cast<unsigned char>(a[i]));
    const int cb = std::toupper(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb;
  }
  return a.size() < b.size();
}

class ListBox {
 public:
  ListBox(WindowHandle window, WindowRecord& record, ListBoxState& state) : window_(window), record_(record), state_(state) {}

  int count() const { return static_cast<int>(state_.items.size()); }
  bool valid(WParam index) const { return static_cast<LParam>(index) >= 0 && static_cast<LParam>(index) < count(); }
  bool variable() const { return (record_.style & list_box::OwnerDrawVariable) != 0; }

  int fixedHeight() const { return state_.itemHeight > 0 ? state_.itemHeight : std::max(1, MeasureFont(state_.font).height); }
  int heightOf(int index) const {
    if (variable() && index >= 0 && index < count() && state_.items[static_cast<std::size_t>(index)].height > 0)
      return state_.items[static_cast<std::size_t>(index)].height;
    return fixedHeight();
  }
  // The items that fit from the top index (at least one).
  int visibleLines() const {
    const int height = ClientRect(window_).height();
    if (!variable()) return std::max(1, height / fixedHeight());
    int lines = 0;
    for (int used = 0, i = state_.top; i < count() && used + heightOf(i) <= height; ++i, ++lines) used += heightOf(i);
    return std::max(1, lines);
  }
  int highestTop() const {
    if (!variable()) return std::max(0, count() - visibleLines());
    // The top index that shows the last item at the bottom.
    const int height = ClientRect(window_).height();
    int top = count();
    for (int used = 0; top > 0 && used + heightOf(top - 1) <= height;) used += heightOf(--top);
    return std::min(top, std::max(0, count() - 1));
  }

  void notify(unsigned code) {
    if (state_.combo != nullptr) {
      SendMessage(state_.combo, msg::Command, CommandParam(WindowId(window_), code), HandleToParam(window_));
      return;
    }
    if (record_.style & list_box::Notify) NotifyParent(window_, code);
  }

  void updateScrollBar() {
    if (!state_.ownsScrollBar) return;
    const int lines = visibleLines();
    SetScrollRange(window_, ScrollBar::Vertical, 0, std::max(0, count() - 1));
    SetScrollPage(window_, ScrollBar::Vertical, lines);
    SetScrollPosition(window_, ScrollBar::Vertical, state_.top);
    const bool needed = count() > lines;
    if (record_.style & list_box::DisableNoScroll) {
      ShowScrollBar(window_, ScrollBar::Vertical, true);
      EnableScrollBar(window_, ScrollBar::Vertical, needed);
    } else {
      ShowScrollBar(window_, ScrollBar::Vertical, needed);
    }
  }

  void setTop(int top) {
    state_.top = std::clamp(top, 0, highestTop());
    updateScrollBar();
  }

  void ensureVisible(int index) {
    if (index < 0 || index >= count()) return;
    if (index < state_.top) {
      setTop(index);
      return;
    }
    int top = state_.top;
    const int height = ClientRect(window_).height();
    for (;;) {
      int used = 0;
      for (int i = top; i <= index; ++i) used += heightOf(i);
      if (used <= height || top >= index) break;
      ++top;
    }
    setTop(top);
  }

  void select(int index) {
    state_.selection = index >= 0 && index < count() ? index : -1;
    if (state_.selection >= 0) {
      state_.caret = state_.selection;
      ensureVisible(state_.selection);
    }
  }

  // A selection made by the user: notified when it changed.
  void userSelect(int index) {
    index = std::clamp(index, 0, std::max(0, count() - 1));
    if (count() == 0) return;
    const int before = state_.selection;
    select(index);
    if (state_.selection != before) notify(list_box::SelectionChange);
  }

  int insert(int index, std::string text) {
    if (index < 0 || index > count()) index = count();
    state_.items.insert(state_.items.begin() + index, Item{std::move(text), 0, 0});
    if (state_.selection >= index) ++state_.selection;
    updateScrollBar();
    return index;
  }

  int sortedPosition(std::string_view text) const {
    const auto at = std::upper_bound(state_.items.begin(), state_.items.end(), text,
                                     [](std::string_view t, const Item& item) { return LessIgnoringCase(t, item.text); });
    return static_cast<int>(at - state_.items.begin());
  }

  // The first item after start (wrapping) that matches.
  template <class Matches>
  LResult find(WParam start, Matches matches) const {
    const int n = count();
    if (n == 0) return list_box::Error;
    const int from = valid(start) ? static_cast<int>(start) : -1;
    for (int step = 1; step <= n; ++step) {
      const int index = (from + step) % n;
      if (matches(state_.items[static_cast<std::size_t>(index)].text)) return index;
    }
    return list_box::Error;
  }

  int itemAt(Point point, bool& outside) const {
    outside = !ClientRect(window_).contains(point);
    int y = 0;
    for (int i = state_.top; i < count(); ++i) {
      const int h = heightOf(i);
      if (point.y >= y && point.y < y + h) return i;
      y += h;
    }
    outside = true;
    if (count() == 0) return 0;
    return point.y < 0 ? std::max(0, state_.top - 1) : std::min(count() - 1, state_.top + visibleLines() - 1);
  }

  Rect itemRect(int index) const {
    int y = 0;
    if (index >= state_.top)
      for (int i = state_.top; i < index; ++i) y += heightOf(i);
    else
      for (int i = index; i < state_.top; ++i) y -= heightOf(i);
    return {0, y, ClientRect(window_).width(), y + heightOf(index)};
  }

  bool keyDown(VirtualKey code) {
    const int lines = visibleLines();
    const int current = state_.selection >= 0 ? state_.selection : state_.caret;
    switch (code) {
      case key::Up: userSelect(state_.selection < 0 ? current : current - 1); return true;
      case key::Down: userSelect(state_.selection < 0 ? current : current + 1); return true;
      case key::PageUp: userSelect(current - std::max(1, lines - 1)); return true;
      case key::PageDown: userSelect(current + std::max(1, lines - 1)); return true;
      case key::Home: userSelect(0); return true;
      case key::End: userSelect(count() - 1); return true;
      default: return false;
    }
  }

  // The parent's answer to msg::VKeyToItem or msg::CharToItem: -2 done,
  // an index to select, or -1 for the default handling.
  bool askParent(MessageId message, unsigned code) {
    if (!(record_.style & list_box::WantKeyboardInput) || state_.combo != nullptr) return false;
    const LResult answer = SendMessage(ParentWindow(window_), message,
                                       MakeLong(code, static_cast<unsigned>(state_.caret)), HandleToParam(window_));
    if (!IsWindow(window_)) return true;
    if (answer == -2) return true;
    if (answer >= 0) {
      userSelect(static_cast<int>(answer));
      return true;
    }
    return false;
  }

  void scrollRequest(unsigned request, int position) {
    const int lines = visibleLines();
    switch (request) {
      case scroll::LineUp: setTop(state_.top - 1); break;
      case scroll::LineDown: setTop(state_.top + 1); break;
      case scroll::PageUp: setTop(state_.top - lines); break;
      case scroll::PageDown: setTop(state_.top + lines); break;
      case scroll::ThumbPosition:
      case scroll::ThumbTrack: setTop(position); break;
      case scroll::Top: setTop(0); break;
      case scroll::Bottom: setTop(count()); break;
      default: break;
    }
  }

  // While the button is held outside the items: one line towards the
  // mouse, selecting the line that comes into view.
  void autoScroll() {
    const Point at = ScreenToClient(window_, CursorPosition());
    const Rect client = ClientRect(window_);
    if (at.y < client.top) {
      setTop(state_.top - 1);
      userSelect(state_.top);
    } else if (at.y >= client.bottom) {
      setTop(state_.top + 1);
      userSelect(std::min(count() - 1, state_.top + visibleLines() - 1));
    }
  }

  WindowHandle window_;
  WindowRecord& record_;
  ListBoxState& state_;
};

LResult CopyText(const std::string& text, LParam buffer) {
  if (buffer == 0) return list_box::Error;
  std::memcpy(reinterpret_cast<char*>(buffer), text.c_str(), text.size() + 1);
  return static_cast<LResult>(text.size());
}

LResult HandleMouse(ListBox& list, MessageId message, LParam lParam) {
  WindowHandle window = list.window_;
  ListBoxState& state = list.state_;
  bool outside = false;
  const Point point = PointFromParam(lParam);
  switch (message) {
    case msg::LeftButtonDown:
    case msg::LeftButtonDoubleClick: {
      if (state.combo != nullptr && !ClientRect(window).contains(point)) {
        // A press outside the open drop-down list closes it.
        list.notify(kComboListCancelled);
        return 0;
      }
      if (state.combo == nullptr && GetFocus() != window) {
        SetFocus(window);
        if (!IsWindow(window) || GetFocus() != window) return 0;
      }
      const int index = list.itemAt(point, outside);
      if (!outside || list.count() > 0) list.userSelect(index);
      if (!IsWindow(window)) return 0;
      if (message == msg::LeftButtonDoubleClick && !outside) {
        list.notify(list_box::DoubleClick);
        return 0;
      }
      state.tracking = true;
      if (GetCapture() != window) SetCapture(window);
      return 0;
    }
    case msg::MouseMove: {
      if (!state.tracking) return 0;
      const int index = list.itemAt(point, outside);
      if (!outside) {
        KillSystemTimer(window, list_box::kAutoScrollTimer);
        list.userSelect(index);
      } else if (!ClientRect(window).contains(point)) {
        SetSystemTimer(window, list_box::kAutoScrollTimer, list_box::kAutoScrollInterval);
      }
      return 0;
    }
    case msg::LeftButtonUp: {
      if (!state.tracking) return 0;
      state.tracking = false;
      KillSystemTimer(window, list_box::kAutoScrollTimer);
      if (state.combo != nullptr) {
        list.itemAt(point, outside);
        if (!outside) list.notify(kComboListChosen);
        return 0;
      }
      if (GetCapture() == window) ReleaseCapture();
      return 0;
    }
    default:
      return 0;
  }
}

// ---- painting

// Items from the top index down, each its height high: the selected one in
// the highlight colours, the caret item framed with the focus rectangle
// while the list has the focus; with UseTabStops the text goes to the tab
// stops (in quarters of the average character width).
void PaintListBox(WindowHandle window, WindowRecord& record, ListBoxState& state) {
  ControlPaint paint = BeginControlPaint(window, state.font);
  FillRect(paint.dc, paint.client, paint.background);
  ListBox list(window, record, state);
  std::vector<int> stops = list_box::TabStopPixels(window);
  const bool tabbed = (record.style & list_box::UseTabStops) != 0;
  if (tabbed && stops.empty()) stops.push_back(MulDiv(32, GetTextMetrics(paint.dc).averageCharWidth, 4));
  const ColorRef text = paint.enabled ? TextColorOf(paint.dc) : GetSystemColor(SystemColor::GrayText);
  const bool focused = GetFocus() == window;
  SetBackgroundMode(paint.dc, BackgroundMode::Transparent);
  int y = 0;
  for (int i = state.top; i < list.count() && y < paint.client.bottom; ++i) {
    const int height = list.heightOf(i);
    const Rect row{0, y, paint.client.right, y + height};
    const bool selected = i == state.selection;
    if (selected) FillSolidRect(paint.dc, row, GetSystemColor(SystemColor::Highlight));
    SetTextColor(paint.dc, selected ? GetSystemColor(SystemColor::HighlightText) : text);
    const std::string& itemText = state.items[static_cast<std::size_t>(i)].text;
    if (tabbed)
      TabbedTextOut(paint.dc, 1, y, itemText, stops, 1);
    else
      TextOut(paint.dc, 1, y, itemText);
    if (focused && i == state.caret) {
      SetTextColor(paint.dc, selected ? GetSystemColor(SystemColor::HighlightText) : GetSystemColor(SystemColor::WindowText));
      StylePainter::PaintFocusRect(paint.dc, row);
    }
    y += height;
  }
  EndControlPaint(window, paint);
}

bool ChangesListLook(MessageId message) {
  switch (message) {
    case list_box::AddString:
    case list_box::InsertString:
    case list_box::DeleteString:
    case list_box::ResetContent:
    case list_box::SetCurrentSelection:
    case list_box::SelectString:
    case list_box::SetTabStops:
    case list_box::SetTopIndex:
    case list_box::SetCaretIndex:
    case list_box::SetItemHeight:
    case list_box::SetHorizontalExtent:
      return true;
    default:
      return false;
  }
}

LResult ListBoxBehaviour(WindowHandle window, MessageId message, WParam wParam, LParam lParam);

LResult ListBoxProcedure(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
  if (message == msg::Paint) {
    if (ListBoxState* state = StateOf<ListBoxState>(window)) {
      PaintListBox(window, *Find(window), *state);
      return 0;
    }
  }
  const LResult result = ListBoxBehaviour(window, message, wParam, lParam);
  if (IsWindow(window) && (ChangesLook(window, message) || ChangesListLook(message))) {
    InvalidateRect(window);
    // The frame holds the scroll bar.
    if (WindowStyle(window) & style::VScroll) InvalidateWhereWindowIs(window);
  }
  return result;
}

LResult ListBoxBehaviour(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
  ListBoxState* state = ControlStateFor<ListBoxState>(window, message);
  if (state == nullptr) return DefaultWindowProcedure(window, message, wParam, lParam);
  WindowRecord* record = Find(window);
  if (message == msg::NcCreate) state->ownsScrollBar = (record->style & style::VScroll) != 0;
  ListBox list(window, *record, *state);
  switch (message) {
    case msg::Create:
      list.updateScrollBar();
      return 0;
    case msg::Size:
      list.setTop(state->top);
      return 0;
    case msg::GetDialogCode:
      return dialog_code::WantArrows | dialog_code::WantChars;
    case msg::SetFont:
      state->font = reinterpret_cast<FontHandle>(wParam);
      list.updateScrollBar();
      return 0;
    case msg::GetFont:
      return HandleToParam(state->font);
    case msg::MouseActivate:
      if (state->combo != nullptr) return mouse_activate::NoActivate;
      return DefaultWindowProcedure(window, message, wParam, lParam);
    case list_box::AddString: {
      std::string text = lParam ? reinterpret_cast<const char*>(lParam) : "";
      const int at = (record->style & list_box::Sort) ? list.sortedPosition(text) : list.count();
      return list.insert(at, std::move(text));
    }
    case list_box::InsertString:
      if (static_cast<LParam>(wParam) > list.count()) return list_box::Error;
      return list.insert(static_cast<int>(static_cast<LParam>(wParam)), lParam ? reinterpret_cast<const char*>(lParam) : "");
    case list_box::DeleteString: {
      if (!list.valid(wParam)) return list_box::Error;
      const int index = static_cast<int>(wParam);
      state->items.erase(state->items.begin() + index);
      if (state->selection == index) state->selection = -1;
      else if (state->selection > index) --state->selection;
      state->caret = std::clamp(state->caret, 0, std::max(0, list.count() - 1));
      list.setTop(state->top);
      return list.count();
    }
    case list_box::ResetContent:
      state->items.clear();
      state->selection = -1;
      state->caret = 0;
      list.setTop(0);
      return 0;
    case list_box::SetCurrentSelection:
      list.select(list.valid(wParam) ? static_cast<int>(wParam) : -1);
      return list.valid(wParam) ? static_cast<LResult>(wParam) : list_box::Error;
    case list_box::GetCurrentSelection:
      return state->selection;
    case list_box::GetText:
      if (!list.valid(wParam)) return list_box::Error;
      return CopyText(state->items[wParam].text, lParam);
    case list_box::GetTextLength:
      if (!list.valid(wParam)) return list_box::Error;
      return static_cast<LResult>(state->items[wParam].text.size());
    case list_box::GetCount:
      return list.count();
    case list_box::SelectString:
    case list_box::FindString:
    case list_box::FindStringExact: {
      const std::string wanted = lParam ? reinterpret_cast<const char*>(lParam) : "";
      const LResult found = message == list_box::FindStringExact
                                ? list.find(wParam, [&](const std::string& t) { return EqualsIgnoringCase(t, wanted); })
                                : list.find(wParam, [&](const std::string& t) { return StartsWithIgnoringCase(t, wanted); });
      if (message == list_box::SelectString && found >= 0) list.select(static_cast<int>(found));
      return found;
    }
    case list_box::GetTopIndex:
      return state->top;
    case list_box::SetTopIndex:
      if (!list.valid(wParam) && !(wParam == 0 && list.count() == 0)) return list_box::Error;
      list.setTop(static_cast<int>(wParam));
      return 0;
    case list_box::SetTabStops: {
      const auto count = static_cast<std::size_t>(wParam);
      if (count > 0 && lParam == 0) return 0;
      const int* stops = reinterpret_cast<const int*>(lParam);
      state->tabStops.assign(stops, stops + count);
      return 1;
    }
    case list_box::GetHorizontalExtent:
      return state->horizontalExtent;
    case list_box::SetHorizontalExtent:
      state->horizontalExtent = static_cast<int>(wParam);
      return 0;
    case list_box::GetItemRect:
      if (!list.valid(wParam) || lParam == 0) return list_box::Error;
      *reinterpret_cast<Rect*>(lParam) = list.itemRect(static_cast<int>(wParam));
      return 1;
    case list_box::GetItemData:
      if (!list.valid(wParam)) return list_box::Error;
      return state->items[wParam].data;
    case list_box::SetItemData:
      if (!list.valid(wParam)) return list_box::Error;
      state->items[wParam].data = lParam;
      return 1;
    case list_box::SetCaretIndex:
      if (!list.valid(wParam)) return list_box::Error;
      state->caret = static_cast<int>(wParam);
      list.ensureVisible(state->caret);
      return 0;
    case list_box::GetCaretIndex:
      return state->caret;
    case list_box::SetItemHeight:
      if (lParam < 1 || lParam > 255) return list_box::Error;
      if (list.variable()) {
        if (!list.valid(wParam)) return list_box::Error;
        state->items[wParam].height = static_cast<int>(lParam);
      } else {
        state->itemHeight = static_cast<int>(lParam);
      }
      list.setTop(state->top);
      return 0;
    case list_box::GetItemHeight:
      if (list.variable() && !list.valid(wParam)) return list_box::Error;
      return list.heightOf(static_cast<int>(static_cast<LParam>(wParam)));
    case list_box::InitStorage:
      state->items.reserve(state->items.size() + wParam);
      return static_cast<LResult>(state->items.capacity());
    case list_box::ItemFromPoint: {
      bool outside = false;
      const int index = list.itemAt(PointFromParam(lParam), outside);
      return static_cast<LResult>(MakeLong(static_cast<unsigned>(index), outside ? 1 : 0));
    }
    case msg::KeyDown:
      if (list.askParent(msg::VKeyToItem, static_cast<unsigned>(wParam))) return 0;
      if (list.keyDown(static_cast<VirtualKey>(wParam))) return 0;
      return DefaultWindowProcedure(window, message, wParam, lParam);
    case msg::Char: {
      if (list.askParent(msg::CharToItem, static_cast<unsigned>(wParam))) return 0;
      const char typed[2] = {static_cast<char>(wParam), '\0'};
      if (wParam < 0x20 || wParam > 0xFF) return 0;
      const LResult found = list.find(static_cast<WParam>(state->selection),
                                      [&](const std::string& t) { return StartsWithIgnoringCase(t, typed); });
      if (found >= 0) list.userSelect(static_cast<int>(found));
      return 0;
    }
    case msg::VScroll:
      list.scrollRequest(LowWord(wParam), static_cast<int>(HighWord(wParam)));
      return 0;
    case msg::SystemTimer:
      if (wParam == list_box::kAutoScrollTimer && state->tracking) list.autoScroll();
      return 0;
    case msg::LeftButtonDown:
    case msg::LeftButtonDoubleClick:
    case msg::MouseMove:
    case msg::LeftButtonUp:
      return HandleMouse(list, message, lParam);
    case msg::CaptureChanged:
      state->tracking = false;
      KillSystemTimer(window, list_box::kAutoScrollTimer);
      return 0;
    case msg::SetFocus:
      list.notify(list_box::SetFocusNotify);
      return 0;
    case msg::KillFocus:
      list.notify(list_box::KillFocusNotify);
      return 0;
    default:
      return DefaultWindowProcedure(window, message, wParam, lParam);
  }
}

}  // namespace

void AttachListToCombo(WindowHandle list, WindowHandle combo) {
  if (ListBoxState* state = StateOf<ListBoxState>(list)) state->combo = combo;
}

}  // namespace platform::ui::detail

namespace platform::ui::list_box {

const ControlDescriptor kDescriptor{kClassName, &detail::ListBoxProcedure, class_style::DoubleClicks, kTemplateKinds,
                                    kStyleWords, &FixedControlColor<msg::CtlColorListBox>};

std::vector<int> TabStops(WindowHandle list) {
  const auto* state = detail::StateOf<detail::ListBoxState>(list);
  return state ? state->tabStops : std::vector<int>{};
}

std::vector<int> TabStopPixels(WindowHandle list) {
  const auto* state = detail::StateOf<detail::ListBoxState>(list);
  if (state == nullptr) return {};
  const int width = MeasureFont(state->font).averageCharWidth;
  std::vector<int> pixels;
  for (int stop : state->tabStops) pixels.push_back(MulDiv(stop, width, 4));
  return pixels;
}

}  // namespace platform::ui::list_box

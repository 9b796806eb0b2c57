// The "ListBox" class.
#include "platform/ui/controls/list_box.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>

#include "control.h"
#include "list_box_internal.h"
#include "owner_drawn_items.h"
#include "platform/ui/focus.h"
#include "platform/ui/font.h"
#include "platform/ui/gdi.h"
#include "platform/ui/keys.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/style_painter.h"
#include "platform/ui/window.h"

namespace platform::ui::detail {

namespace {

struct Item {
  std::string text;
  LParam data = 0;
  int height = 0;  // OwnerDrawVariable only
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

LResult CopyText(const std::string& text, LParam buffer) {
  if (buffer == 0) return list_box::Error;
  std::memcpy(reinterpret_cast<char*>(buffer), text.c_str(), text.size() + 1);
  return static_cast<LResult>(text.size());
}

class ListBox final : public Control {
 public:
  const std::vector<int>& tabStops() const { return tabStops_; }
  void attachToCombo(WindowHandle combo) { combo_ = combo; }

 protected:
  // ---- creation, size, font: the scroll bar follows
  LResult onNcCreate(const WindowCreation*) override {
    ownsScrollBar_ = (style() & style::VScroll) != 0;
    return defaultProcedure();
  }
  LResult onCreate() override {
    // A fixed owner-drawn list asks its owner for the one height.
    if (ownerDrawn() && !variable()) {
      const int height = measure(0, 0);
      if (height != fixedHeight()) itemHeight_ = height;
    }
    updateScrollBar();
    return 0;
  }
  // The owner hears of the items that go with the list, unless it is
  // going itself.
  void onDestroy() override {
    const WindowRecord* owner = Find(this->owner());
    if (owner != nullptr && !owner->destroying)
      for (int i = count() - 1; i >= 0; --i) tellOwnerOfDeleted(i);
    defaultProcedure();
  }
  void onSize(Size) override { setTop(top_); }
  void onSetFont(FontHandle font) override {
    Control::onSetFont(font);
    updateScrollBar();
  }

  // ---- the dialog manager and the mouse's way in: an open drop-down
  // list never activates
  LResult onGetDialogCode(const Message*) override { return dialog_code::WantArrows | dialog_code::WantChars; }
  LResult onMouseActivate(const MouseActivateEvent&) override {
    return combo_ != nullptr ? mouse_activate::NoActivate : defaultProcedure();
  }

  // ---- focus, keys: the parent asked first, then moves and the first
  // letter
  void onSetFocus(const FocusEvent&) override { notify(list_box::SetFocusNotify); }
  void onKillFocus(const FocusEvent&) override { notify(list_box::KillFocusNotify); }
  void onKeyDown(const KeyEvent& event) override;
  void onChar(const CharEvent& event) override;

  // ---- the mouse: a press selects and captures, a drag selects, outside
  // the items the list scrolls on a timer
  void onLeftButtonDown(const MouseEvent& event) override { press(event.point, false); }
  void onLeftButtonDoubleClick(const MouseEvent& event) override { press(event.point, true); }
  void onMouseMove(const MouseEvent& event) override;
  void onLeftButtonUp(const MouseEvent& event) override;
  void onCaptureChanged() override {
    tracking_ = false;
    KillSystemTimer(window(), list_box::kAutoScrollTimer);
  }
  void onSystemTimer(const TimerEvent& event) override {
    if (event.id == list_box::kAutoScrollTimer && tracking_) autoScroll();
  }
  void onVScroll(unsigned request, int position) override;

  // ---- its messages
  std::optional<LResult> onControlMessage(MessageId message, WParam wParam, LParam lParam) override;

  // ---- its look
  void paint(const ControlPaint& paint) override;
  void paintOwnerDrawn(const ControlPaint& paint);
  bool changesLook(MessageId message) const override;
  void invalidate() override {
    Control::invalidate();
    // The frame holds the scroll bar.
    if (style() & style::VScroll) InvalidateWhereWindowIs(window());
  }

 private:
  int count() const { return static_cast<int>(items_.size()); }
  bool valid(WParam index) const { return static_cast<LParam>(index) >= 0 && static_cast<LParam>(index) < count(); }
  bool variable() const { return (style() & list_box::OwnerDrawVariable) != 0; }
  bool ownerDrawn() const { return (style() & (list_box::OwnerDrawFixed | list_box::OwnerDrawVariable)) != 0; }
  // Where owner-drawn items are measured and drawn: the parent, or the
  // combo box whose list this is.
  WindowHandle owner() const { return combo_ != nullptr ? combo_ : ParentWindow(window()); }
  int measure(int index, LParam data) const {
    return MeasureOwnerDrawnItem(owner(), {OwnerDrawType::ListBox, WindowId(window()), index, 0, data},
                                 std::max(1, MeasureFont(font()).height));
  }
  void tellOwnerOfDeleted(int index) {
    DeleteItemInfo info{OwnerDrawType::ListBox, WindowId(window()), index, window(),
                        items_[static_cast<std::size_t>(index)].data};
    TellOwnerOfDeletedItem(owner(), info);
  }

  // ---- heights and what fits
  int fixedHeight() const { return itemHeight_ > 0 ? itemHeight_ : std::max(1, MeasureFont(font()).height); }
  int heightOf(int index) const {
    if (variable() && index >= 0 && index < count() && items_[static_cast<std::size_t>(index)].height > 0)
      return items_[static_cast<std::size_t>(index)].height;
    return fixedHeight();
  }
  int visibleLines() const;
  int highestTop() const;
  int itemAt(Point point, bool& outside) const;
  Rect itemRect(int index) const;

  // ---- the top index and the scroll bar
  void updateScrollBar();
  void setTop(int top) {
    top_ = std::clamp(top, 0, highestTop());
    updateScrollBar();
  }
  void ensureVisible(int index);
  void autoScroll();

  // ---- items and the selection
  void select(int index);
  void userSelect(int index);
  int insert(int index, std::string text);
  int sortedPosition(std::string_view text) const;
  template <class Matches>
  LResult find(WParam start, Matches matches) const;
  LResult deleteItem(WParam index);
  LResult setItemHeight(WParam index, LParam height);
  LResult setTabStops(WParam count, LParam stops);

  void notify(unsigned code);
  bool askParent(MessageId message, unsigned code);
  void press(Point point, bool doubleClick);

  std::vector<Item> items_;
  int selection_ = -1;
  int top_ = 0;
  int caret_ = 0;
  std::vector<int> tabStops_;
  int itemHeight_ = 0;  // 0: the font's height
  int horizontalExtent_ = 0;
  bool ownsScrollBar_ = false;    // created with style::VScroll
  bool tracking_ = false;         // the left button is held on the list
  WindowHandle combo_ = nullptr;  // the combo box whose drop-down list this is
};

// ---- heights and what fits

// The items that fit from the top index (at least one).
int ListBox::visibleLines() const {
  const int height = ClientRect(window()).height();
  if (!variable()) return std::max(1, height / fixedHeight());
  int lines = 0;
  for (int used = 0, i = top_; i < count() && used + heightOf(i) <= height; ++i, ++lines) used += heightOf(i);
  return std::max(1, lines);
}

int ListBox::highestTop() const {
  if (!variable()) return std::max(0, count() - visibleLines());
  // The top index that shows the last item at the bottom.
  const int height = ClientRect(window()).height();
  int top = count();
  for (int used = 0; top > 0 && used + heightOf(top - 1) <= height;) used += heightOf(--top);
  return std::min(top, std::max(0, count() - 1));
}

int ListBox::itemAt(Point point, bool& outside) const {
  outside = !ClientRect(window()).contains(point);
  int y = 0;
  for (int i = top_; i < count(); ++i) {
    const int h = heightOf(i);
    if (point.y >= y && point.y < y + h) return i;
    y += h;
  }
  outside = true;
  if (count() == 0) return 0;
  return point.y < 0 ? std::max(0, top_ - 1) : std::min(count() - 1, top_ + visibleLines() - 1);
}

Rect ListBox::itemRect(int index) const {
  int y = 0;
  if (index >= top_)
    for (int i = top_; i < index; ++i) y += heightOf(i);
  else
    for (int i = index; i < top_; ++i) y -= heightOf(i);
  return {0, y, ClientRect(window()).width(), y + heightOf(index)};
}

// ---- the top index and the scroll bar

void ListBox::updateScrollBar() {
  if (!ownsScrollBar_) return;
  const int lines = visibleLines();
  SetScrollRange(window(), ScrollBar::Vertical, 0, std::max(0, count() - 1));
  SetScrollPage(window(), ScrollBar::Vertical, lines);
  SetScrollPosition(window(), ScrollBar::Vertical, top_);
  const bool needed = count() > lines;
  if (style() & list_box::DisableNoScroll) {
    ShowScrollBar(window(), ScrollBar::Vertical, true);
    EnableScrollBar(window(), ScrollBar::Vertical, needed);
  } else {
    ShowScrollBar(window(), ScrollBar::Vertical, needed);
  }
}

void ListBox::ensureVisible(int index) {
  if (index < 0 || index >= count()) return;
  if (index < top_) {
    setTop(index);
    return;
  }
  int top = top_;
  const int height = ClientRect(window()).height();
  for (;;) {
    int used = 0;
    for (int i = top; i <= index; ++i) used += heightOf(i);
    if (used <= height || top >= index) break;
    ++top;
  }
  setTop(top);
}

void ListBox::onVScroll(unsigned request, int position) {
  const int lines = visibleLines();
  switch (request) {
    case scroll::LineUp: setTop(top_ - 1); break;
    case scroll::LineDown: setTop(top_ + 1); break;
    case scroll::PageUp: setTop(top_ - lines); break;
    case scroll::PageDown: setTop(top_ + lines); break;
    case scroll::ThumbPosition:
    case scroll::ThumbTrack: setTop(position); break;
    case scroll::Top: setTop(0); break;
    case scroll::Bottom: setTop(count()); break;
    default: break;
  }
}

// While the button is held outside the items: one line towards the mouse,
// selecting the line that comes into view.
void ListBox::autoScroll() {
  const Point at = ScreenToClient(window(), CursorPosition());
  const Rect client = ClientRect(window());
  if (at.y < client.top) {
    setTop(top_ - 1);
    userSelect(top_);
  } else if (at.y >= client.bottom) {
    setTop(top_ + 1);
    userSelect(std::min(count() - 1, top_ + visibleLines() - 1));
  }
}

// ---- items and the selection

void ListBox::select(int index) {
  selection_ = index >= 0 && index < count() ? index : -1;
  if (selection_ >= 0) {
    caret_ = selection_;
    ensureVisible(selection_);
  }
}

// A selection made by the user: notified when it changed.
void ListBox::userSelect(int index) {
  index = std::clamp(index, 0, std::max(0, count() - 1));
  if (count() == 0) return;
  const int before = selection_;
  select(index);
  if (selection_ != before) notify(list_box::SelectionChange);
}

int ListBox::insert(int index, std::string text) {
  if (index < 0 || index > count()) index = count();
  items_.insert(items_.begin() + index, Item{std::move(text), 0, 0});
  if (ownerDrawn() && variable()) {
    const int height = measure(index, 0);
    if (!alive() || index >= count()) return index;
    items_[static_cast<std::size_t>(index)].height = height;
  }
  if (selection_ >= index) ++selection_;
  updateScrollBar();
  return index;
}

int ListBox::sortedPosition(std::string_view text) const {
  const auto at = std::upper_bound(items_.begin(), items_.end(), text,
                                   [](std::string_view t, const Item& item) { return LessIgnoringCase(t, item.text); });
  return static_cast<int>(at - items_.begin());
}

// The first item after start (wrapping) that matches.
template <class Matches>
LResult ListBox::find(WParam start, Matches matches) const {
  const int n = count();
  if (n == 0) return list_box::Error;
  const int from = valid(start) ? static_cast<int>(start) : -1;
  for (int step = 1; step <= n; ++step) {
    const int index = (from + step) % n;
    if (matches(items_[static_cast<std::size_t>(index)].text)) return index;
  }
  return list_box::Error;
}

LResult ListBox::deleteItem(WParam which) {
  if (!valid(which)) return list_box::Error;
  const int index = static_cast<int>(which);
  if (ownerDrawn()) {
    tellOwnerOfDeleted(index);
    if (!alive() || !valid(which)) return list_box::Error;
  }
  items_.erase(items_.begin() + index);
  if (selection_ == index)
    selection_ = -1;
  else if (selection_ > index)
    --selection_;
  caret_ = std::clamp(caret_, 0, std::max(0, count() - 1));
  setTop(top_);
  return count();
}

LResult ListBox::setItemHeight(WParam index, LParam height) {
  if (height < 1 || height > 255) return list_box::Error;
  if (variable()) {
    if (!valid(index)) return list_box::Error;
    items_[index].height = static_cast<int>(height);
  } else {
    itemHeight_ = static_cast<int>(height);
  }
  setTop(top_);
  return 0;
}

LResult ListBox::setTabStops(WParam count, LParam stops) {
  if (count > 0 && stops == 0) return 0;
  const int* first = reinterpret_cast<const int*>(stops);
  tabStops_.assign(first, first + count);
  return 1;
}

// ---- the parent (or the combo box)

void ListBox::notify(unsigned code) {
  if (combo_ != nullptr) {
    SendMessage(combo_, msg::Command, CommandParam(WindowId(window()), code), HandleToParam(window()));
    return;
  }
  if (style() & list_box::Notify) notifyParent(code);
}

// The parent's answer to msg::VKeyToItem or msg::CharToItem: -2 done, an
// index to select, or -1 for the default handling.
bool ListBox::askParent(MessageId message, unsigned code) {
  if (!(style() & list_box::WantKeyboardInput) || combo_ != nullptr) return false;
  const LResult answer = SendMessage(ParentWindow(window()), message, MakeLong(code, static_cast<unsigned>(caret_)),
                                     HandleToParam(window()));
  if (!alive()) return true;
  if (answer == -2) return true;
  if (answer >= 0) {
    userSelect(static_cast<int>(answer));
    return true;
  }
  return false;
}

// ---- keys

void ListBox::onKeyDown(const KeyEvent& event) {
  if (askParent(msg::VKeyToItem, static_cast<unsigned>(event.key))) return;
  const int lines = visibleLines();
  const int current = selection_ >= 0 ? selection_ : caret_;
  switch (event.key) {
    case key::Up: userSelect(selection_ < 0 ? current : current - 1); break;
    case key::Down: userSelect(selection_ < 0 ? current : current + 1); break;
    case key::PageUp: userSelect(current - std::max(1, lines - 1)); break;
    case key::PageDown: userSelect(current + std::max(1, lines - 1)); break;
    case key::Home: userSelect(0); break;
    case key::End: userSelect(count() - 1); break;
    default: defaultProcedure(); break;
  }
}

// A character selects the next item that starts with it.
void ListBox::onChar(const CharEvent& event) {
  if (askParent(msg::CharToItem, event.character)) return;
  if (event.character < 0x20 || event.character > 0xFF) return;
  const char typed[2] = {static_cast<char>(event.character), '\0'};
  const LResult found =
      find(static_cast<WParam>(selection_), [&](const std::string& t) { return StartsWithIgnoringCase(t, typed); });
  if (found >= 0) userSelect(static_cast<int>(found));
}

// ---- the mouse

void ListBox::press(Point point, bool doubleClick) {
  if (combo_ != nullptr && !ClientRect(window()).contains(point)) {
    // A press outside the open drop-down list closes it.
    notify(kComboListCancelled);
    return;
  }
  if (combo_ == nullptr && GetFocus() != window()) {
    SetFocus(window());
    if (!alive() || GetFocus() != window()) return;
  }
  bool outside = false;
  const int index = itemAt(point, outside);
  if (!outside || count() > 0) userSelect(index);
  if (!alive()) return;
  if (doubleClick && !outside) {
    notify(list_box::DoubleClick);
    return;
  }
  tracking_ = true;
  if (GetCapture() != window()) SetCapture(window());
}

void ListBox::onMouseMove(const MouseEvent& event) {
  if (!tracking_) return;
  bool outside = false;
  const int index = itemAt(event.point, outside);
  if (!outside) {
    KillSystemTimer(window(), list_box::kAutoScrollTimer);
    userSelect(index);
  } else if (!ClientRect(window()).contains(event.point)) {
    SetSystemTimer(window(), list_box::kAutoScrollTimer, list_box::kAutoScrollInterval);
  }
}

void ListBox::onLeftButtonUp(const MouseEvent& event) {
  if (!tracking_) return;
  tracking_ = false;
  KillSystemTimer(window(), list_box::kAutoScrollTimer);
  if (combo_ != nullptr) {
    bool outside = false;
    itemAt(event.point, outside);
    if (!outside) notify(kComboListChosen);
    return;
  }
  if (GetCapture() == window()) ReleaseCapture();
}

// ---- the messages

std::optional<LResult> ListBox::onControlMessage(MessageId message, WParam wParam, LParam lParam) {
  const auto textOf = [](LParam text) { return std::string(text ? reinterpret_cast<const char*>(text) : ""); };
  switch (message) {
    case list_box::AddString: {
      std::string text = textOf(lParam);
      const int at = (style() & list_box::Sort) ? sortedPosition(text) : count();
      return insert(at, std::move(text));
    }
    case list_box::InsertString:
      if (static_cast<LParam>(wParam) > count()) return list_box::Error;
      return insert(static_cast<int>(static_cast<LParam>(wParam)), textOf(lParam));
    case list_box::DeleteString: return deleteItem(wParam);
    case list_box::ResetContent:
      if (ownerDrawn())
        for (int i = count() - 1; i >= 0 && alive(); --i) tellOwnerOfDeleted(i);
      items_.clear();
      selection_ = -1;
      caret_ = 0;
      setTop(0);
      return 0;
    case list_box::SetCurrentSelection:
      select(valid(wParam) ? static_cast<int>(wParam) : -1);
      return valid(wParam) ? static_cast<LResult>(wParam) : list_box::Error;
    case list_box::GetCurrentSelection: return selection_;
    case list_box::GetText:
      if (!valid(wParam)) return list_box::Error;
      return CopyText(items_[wParam].text, lParam);
    case list_box::GetTextLength:
      if (!valid(wParam)) return list_box::Error;
      return static_cast<LResult>(items_[wParam].text.size());
    case list_box::GetCount: return count();
    case list_box::SelectString:
    case list_box::FindString:
    case list_box::FindStringExact: {
      const std::string wanted = textOf(lParam);
      const LResult found = message == list_box::FindStringExact
                                ? find(wParam, [&](const std::string& t) { return EqualsIgnoringCase(t, wanted); })
                                : find(wParam, [&](const std::string& t) { return StartsWithIgnoringCase(t, wanted); });
      if (message == list_box::SelectString && found >= 0) select(static_cast<int>(found));
      return found;
    }
    case list_box::GetTopIndex: return top_;
    case list_box::SetTopIndex:
      if (!valid(wParam) && !(wParam == 0 && count() == 0)) return list_box::Error;
      setTop(static_cast<int>(wParam));
      return 0;
    case list_box::SetTabStops: return setTabStops(wParam, lParam);
    case list_box::GetHorizontalExtent: return horizontalExtent_;
    case list_box::SetHorizontalExtent: horizontalExtent_ = static_cast<int>(wParam); return 0;
    case list_box::GetItemRect:
      if (!valid(wParam) || lParam == 0) return list_box::Error;
      *reinterpret_cast<Rect*>(lParam) = itemRect(static_cast<int>(wParam));
      return 1;
    case list_box::GetItemData:
      if (!valid(wParam)) return list_box::Error;
      return items_[wParam].data;
    case list_box::SetItemData:
      if (!valid(wParam)) return list_box::Error;
      items_[wParam].data = lParam;
      return 1;
    case list_box::SetCaretIndex:
      if (!valid(wParam)) return list_box::Error;
      caret_ = static_cast<int>(wParam);
      ensureVisible(caret_);
      return 0;
    case list_box::GetCaretIndex: return caret_;
    case list_box::SetItemHeight: return setItemHeight(wParam, lParam);
    case list_box::GetItemHeight:
      if (variable() && !valid(wParam)) return list_box::Error;
      return heightOf(static_cast<int>(static_cast<LParam>(wParam)));
    case list_box::InitStorage: items_.reserve(items_.size() + wParam); return static_cast<LResult>(items_.capacity());
    case list_box::ItemFromPoint: {
      bool outside = false;
      const int index = itemAt(PointFromParam(lParam), outside);
      return static_cast<LResult>(MakeLong(static_cast<unsigned>(index), outside ? 1 : 0));
    }
    default: return std::nullopt;
  }
}

// ---- painting

// Items from the top index down, each its height high: the selected one in
// the highlight colours, the caret item framed with the focus rectangle
// while the list has the focus; with UseTabStops the text goes to the tab
// stops (in quarters of the average character width).
void ListBox::paint(const ControlPaint& paint) {
  FillRect(paint.dc, paint.client, paint.background);
  if (ownerDrawn()) {
    paintOwnerDrawn(paint);
    return;
  }
  std::vector<int> stops = list_box::TabStopPixels(window());
  const bool tabbed = (style() & list_box::UseTabStops) != 0;
  if (tabbed && stops.empty()) stops.push_back(MulDiv(32, GetTextMetrics(paint.dc).averageCharWidth, 4));
  const ColorRef text = paint.enabled ? TextColorOf(paint.dc) : GetSystemColor(SystemColor::GrayText);
  const bool focused = GetFocus() == window();
  SetBackgroundMode(paint.dc, BackgroundMode::Transparent);
  int y = 0;
  for (int i = top_; i < count() && y < paint.client.bottom; ++i) {
    const int height = heightOf(i);
    const Rect row{0, y, paint.client.right, y + height};
    const bool selected = i == selection_;
    if (selected) FillSolidRect(paint.dc, row, GetSystemColor(SystemColor::Highlight));
    SetTextColor(paint.dc, selected ? GetSystemColor(SystemColor::HighlightText) : text);
    const std::string& itemText = items_[static_cast<std::size_t>(i)].text;
    if (tabbed)
      TabbedTextOut(paint.dc, 1, y, itemText, stops, 1);
    else
      TextOut(paint.dc, 1, y, itemText);
    if (focused && i == caret_) {
      SetTextColor(paint.dc,
                   selected ? GetSystemColor(SystemColor::HighlightText) : GetSystemColor(SystemColor::WindowText));
      StylePainter::PaintFocusRect(paint.dc, row);
    }
    y += height;
  }
}

// Each item from the top index down drawn by the owner, the focus
// rectangle over the caret item while the list has the focus.
void ListBox::paintOwnerDrawn(const ControlPaint& paint) {
  const bool focused = GetFocus() == window();
  const WindowHandle owner = this->owner();
  int y = 0;
  for (int i = top_; i < count() && y < paint.client.bottom; ++i) {
    const Rect row{0, y, paint.client.right, y + heightOf(i)};
    DrawItemInfo info{OwnerDrawType::ListBox,
                      WindowId(window()),
                      i,
                      0,
                      window(),
                      paint.dc,
                      row,
                      items_[static_cast<std::size_t>(i)].data};
    if (i == selection_) info.state |= owner_draw_state::Selected;
    if (!paint.enabled) info.state |= owner_draw_state::Disabled;
    if (focused && i == caret_) info.state |= owner_draw_state::Focus;
    DrawOwnerDrawnItem(owner, info);
    if (!alive()) return;
    if (focused && i == caret_) StylePainter::PaintItemFocusRect(paint.dc, row);
    y = row.bottom;
  }
}

bool ListBox::changesLook(MessageId message) const {
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
    case list_box::SetHorizontalExtent: return true;
    default: return false;
  }
}

}  // namespace

void AttachListToCombo(WindowHandle list, WindowHandle combo) {
  if (ListBox* box = StateOf<ListBox>(list)) box->attachToCombo(combo);
}

}  // namespace platform::ui::detail

namespace platform::ui::list_box {

const ControlDescriptor kDescriptor{
    .className = kClassName,
    .procedure = &detail::Control::ProcedureOf<detail::ListBox>,
    .classStyle = class_style::DoubleClicks,
    .templateKinds = kTemplateKinds,
    .styleWords = kStyleWords,
    .controlColor = &FixedControlColor<msg::CtlColorListBox>,
};

std::vector<int> TabStops(WindowHandle list) {
  const auto* box = detail::StateOf<detail::ListBox>(list);
  return box ? box->tabStops() : std::vector<int>{};
}

std::vector<int> TabStopPixels(WindowHandle list) {
  const auto* box = detail::StateOf<detail::ListBox>(list);
  if (box == nullptr) return {};
  const int width = MeasureFont(box->font()).averageCharWidth;
  std::vector<int> pixels;
  for (int stop : box->tabStops()) pixels.push_back(MulDiv(stop, width, 4));
  return pixels;
}

}  // namespace platform::ui::list_box

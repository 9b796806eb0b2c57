// The "TabControl" class.
#include "platform/ui/controls/tab_control.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "control.h"
#include "owner_drawn_items.h"
#include "platform/ui/focus.h"
#include "platform/ui/font.h"
#include "platform/ui/gdi.h"
#include "platform/ui/input.h"
#include "platform/ui/keys.h"
#include "platform/ui/notify.h"
#include "platform/ui/owner_draw.h"
#include "platform/ui/style_painter.h"

namespace platform::ui::detail {

namespace {

// The row: unselected tabs stand kTabLift pixels below the top, a selected
// one is kSelectedGrowth wider on each side and reaches the top; the text
// has kTextPadding at either side.
constexpr int kTabLift = 2;
constexpr int kSelectedGrowth = 2;
constexpr int kTextPadding = 6;
// The display area lies this far inside the panel's edges.
constexpr int kPanelInset = 4;

class TabControl final : public Control {
 protected:
  // ---- the dialog manager: arrows, and Ctrl+Tab
  LResult onGetDialogCode(const Message* asked) override {
    if (asked != nullptr && asked->message == msg::KeyDown && asked->wParam == key::Tab && IsKeyDown(key::Control))
      return dialog_code::WantMessage;
    return dialog_code::WantArrows;
  }

  // ---- focus, keys, the mouse
  void onSetFocus(const FocusEvent&) override { NotifyParentOf(window(), notify_code::SetFocus); }
  void onKillFocus(const FocusEvent&) override { NotifyParentOf(window(), notify_code::KillFocus); }
  void onKeyDown(const KeyEvent& event) override;
  void onLeftButtonDown(const MouseEvent& event) override;
  void onMouseMove(const MouseEvent& event) override;
  void onMouseLeave() override { setHot(-1); }

  std::optional<LResult> onControlMessage(MessageId message, WParam wParam, LParam lParam) override;

  void paint(const ControlPaint& paint) override;
  bool changesLook(MessageId message) const override {
    switch (message) {
      case tab_control::SetItem:
      case tab_control::InsertItem:
      case tab_control::DeleteItem:
      case tab_control::DeleteAllItems:
      case tab_control::SetCurrentSelection:
      case tab_control::SetItemSize: return true;
      default: return false;
    }
  }

 private:
  int count() const { return static_cast<int>(items_.size()); }
  int rowHeight() const;
  int tabWidth(int index) const;
  Rect tabRect(int index) const;
  int hitTest(Point point) const;
  Rect displayArea(Rect windowRect) const;
  // Moves the selection as the user does: SelectionChanging (which may
  // refuse), then SelectionChange.
  void choose(int index);
  void setHot(int index);

  std::vector<tab_control::Item> items_;
  int selection_ = -1;
  int hot_ = -1;
  Size itemSize_;  // 0: from the text and the font
};

int TabControl::rowHeight() const {
  if (itemSize_.height > 0) return itemSize_.height;
  return MeasureFont(font() ? font() : DefaultGuiFont()).height + 8;
}

int TabControl::tabWidth(int index) const {
  const FontHandle face = font() ? font() : DefaultGuiFont();
  const auto textWidth = [face](const tab_control::Item& item) {
    return MeasureTextWidth(face, StripPrefixes(item.text)) + 2 * kTextPadding;
  };
  if (!(style() & tab_control::FixedWidth)) return textWidth(items_[static_cast<std::size_t>(index)]);
  if (itemSize_.width > 0) return itemSize_.width;
  int widest = 0;
  for (const tab_control::Item& item : items_) widest = std::max(widest, textWidth(item));
  return widest;
}

// The tab as it stands when not selected.
Rect TabControl::tabRect(int index) const {
  int left = kSelectedGrowth;
  for (int i = 0; i < index; ++i) left += tabWidth(i);
  return {left, kTabLift, left + tabWidth(index), kTabLift + rowHeight()};
}

int TabControl::hitTest(Point point) const {
  for (int i = 0; i < count(); ++i) {
    Rect rect = tabRect(i);
    if (i == selection_) rect = {rect.left - kSelectedGrowth, 0, rect.right + kSelectedGrowth, rect.bottom};
    if (rect.contains(point)) return i;
  }
  return -1;
}

Rect TabControl::displayArea(Rect windowRect) const {
  return {windowRect.left + kPanelInset, windowRect.top + kTabLift + rowHeight() + kPanelInset,
          windowRect.right - kPanelInset, windowRect.bottom - kPanelInset};
}

void TabControl::choose(int index) {
  if (index < 0 || index >= count() || index == selection_) return;
  if (NotifyParentOf(window(), tab_control::SelectionChanging) != 0 || !alive()) return;
  selection_ = index;
  invalidate();
  NotifyParentOf(window(), tab_control::SelectionChange);
}

void TabControl::onKeyDown(const KeyEvent& event) {
  if (count() == 0) {
    defaultProcedure();
    return;
  }
  const int last = count() - 1;
  switch (event.key) {
    case key::Left: choose(std::max(0, selection_ - 1)); break;
    case key::Right: choose(std::min(last, selection_ + 1)); break;
    case key::Tab:
      if (!IsKeyDown(key::Control)) {
        defaultProcedure();
        break;
      }
      choose(IsKeyDown(key::Shift) ? (selection_ <= 0 ? last : selection_ - 1)
                                   : (selection_ >= last ? 0 : selection_ + 1));
      break;
    default: defaultProcedure(); break;
  }
}

void TabControl::onLeftButtonDown(const MouseEvent& event) {
  const int index = hitTest(event.point);
  if (index < 0) return;
  if (GetFocus() != window()) SetFocus(window());
  if (alive()) choose(index);
}

// The hot tab follows the mouse until it leaves the control.
void TabControl::onMouseMove(const MouseEvent& event) {
  if (!(style() & tab_control::HotTrack)) return;
  TrackMouseLeave(window());
  setHot(hitTest(event.point));
}

void TabControl::setHot(int index) {
  if (index == hot_) return;
  for (int changed : {hot_, index}) {
    if (changed < 0) continue;
    const Rect rect = tabRect(changed).inflatedBy(kSelectedGrowth, kTabLift);
    InvalidateRect(window(), &rect);
  }
  hot_ = index;
}

std::optional<LResult> TabControl::onControlMessage(MessageId message, WParam wParam, LParam lParam) {
  const auto index = static_cast<int>(static_cast<LParam>(wParam));
  const bool exists = index >= 0 && index < count();
  switch (message) {
    case tab_control::GetItemCount: return count();
    case tab_control::GetItem:
      if (!exists || lParam == 0) return 0;
      *reinterpret_cast<tab_control::Item*>(lParam) = items_[static_cast<std::size_t>(index)];
      return 1;
    case tab_control::SetItem:
      if (!exists || lParam == 0) return 0;
      items_[static_cast<std::size_t>(index)] = *reinterpret_cast<const tab_control::Item*>(lParam);
      return 1;
    case tab_control::InsertItem: {
      if (lParam == 0 || index < 0) return -1;
      const int at = std::min(index, count());
      items_.insert(items_.begin() + at, *reinterpret_cast<const tab_control::Item*>(lParam));
      if (selection_ < 0)
        selection_ = 0;
      else if (at <= selection_)
        ++selection_;
      return at;
    }
    case tab_control::DeleteItem:
      if (!exists) return 0;
      items_.erase(items_.begin() + index);
      if (selection_ == index)
        selection_ = -1;
      else if (selection_ > index)
        --selection_;
      hot_ = -1;
      return 1;
    case tab_control::DeleteAllItems:
      items_.clear();
      selection_ = hot_ = -1;
      return 1;
    case tab_control::GetItemRect:
      if (!exists || lParam == 0) return 0;
      *reinterpret_cast<Rect*>(lParam) = tabRect(index);
      return 1;
    case tab_control::GetCurrentSelection: return selection_;
    case tab_control::SetCurrentSelection:
      if (!exists) return -1;
      return std::exchange(selection_, index);
    case tab_control::HitTest: return hitTest(PointFromParam(lParam));
    case tab_control::GetHotItem: return hot_;
    case tab_control::AdjustRect: {
      if (lParam == 0) return 0;
      Rect& rect = *reinterpret_cast<Rect*>(lParam);
      if (wParam == 0) {
        rect = displayArea(rect);
      } else {
        const Rect inner = displayArea({0, 0, 0, 0});
        rect = {rect.left - inner.left, rect.top - inner.top, rect.right - inner.right, rect.bottom - inner.bottom};
      }
      return 1;
    }
    case tab_control::SetItemSize: {
      const Size before{itemSize_.width > 0 || count() == 0 ? itemSize_.width : tabWidth(0), rowHeight()};
      const auto width = static_cast<int>(LowWord(static_cast<WParam>(lParam)));
      const auto height = static_cast<int>(HighWord(static_cast<WParam>(lParam)));
      if (width > 0) itemSize_.width = width;
      if (height > 0) itemSize_.height = height;
      return static_cast<LResult>(MakeLong(static_cast<unsigned>(before.width), static_cast<unsigned>(before.height)));
    }
    default: return std::nullopt;
  }
}

// The row of tabs over the panel's edge. The panel's inside is not
// painted: what lies there (the parent's background, a property sheet's
// page in front of the control) stays as it is.
void TabControl::paint(const ControlPaint& paint) {
  const int panelTop = kTabLift + rowHeight();
  FillRect(paint.dc, {paint.client.left, paint.client.top, paint.client.right, panelTop}, paint.background);
  StylePainter::PaintTabPanel(paint.dc, {paint.client.left, panelTop, paint.client.right, paint.client.bottom});
  const bool focused = GetFocus() == window();
  const bool ownerDrawn = (style() & tab_control::OwnerDrawFixed) != 0;
  const FontHandle face = font() ? font() : DefaultGuiFont();
  // The selected tab last, over its neighbours and the panel's edge.
  std::vector<int> order;
  for (int i = 0; i < count(); ++i)
    if (i != selection_) order.push_back(i);
  if (selection_ >= 0) order.push_back(selection_);
  for (int i : order) {
    if (!alive()) return;
    const bool selected = i == selection_;
    Rect rect = tabRect(i);
    if (selected) rect = {rect.left - kSelectedGrowth, 0, rect.right + kSelectedGrowth, panelTop + 2};
    const Rect inside = StylePainter::PaintTab(paint.dc, rect);
    SelectFont(paint.dc, face);
    SetBackgroundMode(paint.dc, BackgroundMode::Transparent);
    const bool hot = i == hot_ && (style() & tab_control::HotTrack);
    SetTextColor(paint.dc, GetSystemColor(!paint.enabled       ? SystemColor::GrayText
                                          : hot && !ownerDrawn ? SystemColor::Highlight
                                                               : SystemColor::ButtonText));
    bool drawn = false;
    if (ownerDrawn) {
      using namespace owner_draw_state;
      DrawItemInfo info{OwnerDrawType::TabControl,
                        WindowId(window()),
                        i,
                        (selected ? Selected : 0) | (selected && focused ? Focus : 0) | (hot ? HotLight : 0) |
                            (paint.enabled ? 0 : Disabled),
                        window(),
                        paint.dc,
                        rect,
                        items_[static_cast<std::size_t>(i)].data};
      drawn = DrawOwnerDrawnItem(ParentWindow(window()), info);
      if (!alive()) return;
    }
    Rect label = inside;
    if (!drawn)
      DrawText(paint.dc, items_[static_cast<std::size_t>(i)].text, label,
               draw_text::SingleLine | draw_text::Center | draw_text::VerticalCenter);
    if (selected && focused) {
      SetTextColor(paint.dc, GetSystemColor(SystemColor::ButtonText));
      StylePainter::PaintFocusRect(paint.dc, inside.inflatedBy(-1, -1));
    }
  }
}

}  // namespace

}  // namespace platform::ui::detail

namespace platform::ui::tab_control {

const ControlDescriptor kDescriptor{
    .className = kClassName,
    .procedure = &detail::Control::ProcedureOf<detail::TabControl>,
    .classStyle = class_style::DoubleClicks,
    .templateKinds = kTemplateKinds,
    .styleWords = kStyleWords,
};

}  // namespace platform::ui::tab_control

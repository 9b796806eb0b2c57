// The "Toolbar" class.
#include "platform/ui/controls/toolbar.h"

#include <utility>
#include <vector>

#include "control.h"
#include "platform/ui/controls/tool_tip.h"
#include "platform/ui/focus.h"
#include "platform/ui/gdi.h"
#include "platform/ui/image_list.h"
#include "platform/ui/input.h"
#include "platform/ui/style_painter.h"
#include "platform/ui/window.h"

namespace platform::ui::detail {

namespace {

// Images are this size until a list says otherwise.
constexpr Size kDefaultImageSize{16, 16};

class Toolbar final : public Control {
 protected:
  // ---- creation: no caption, its tool tip, its size
  LResult onNcCreate(const WindowCreation*) override;
  LResult onCreate() override;
  void onDestroy() override {
    if (IsWindow(tip_)) DestroyWindow(tip_);
    defaultProcedure();
  }

  // ---- the mouse: the hot item, clicks, the tip told of it all
  void onMouseMove(const MouseEvent& event) override;
  void onMouseLeave() override;
  void onLeftButtonDown(const MouseEvent& event) override;
  void onLeftButtonUp(const MouseEvent& event) override;
  void onCaptureChanged() override { tracking_ = false; }

  // ---- its messages
  std::optional<LResult> onControlMessage(MessageId message, WParam wParam, LParam lParam) override;

  // ---- its look
  void paint(const ControlPaint& paint) override;
  bool changesLook(MessageId message) const override;

 private:
  int count() const { return static_cast<int>(buttons_.size()); }
  bool valid(LParam index) const { return index >= 0 && index < count(); }
  int indexOf(WParam command) const;
  bool hidden(int index) const {
    return (buttons_[static_cast<std::size_t>(index)].state & toolbar::state::Hidden) != 0;
  }
  bool separator(int index) const {
    return (buttons_[static_cast<std::size_t>(index)].style & toolbar::button_style::Separator) != 0;
  }
  // A button the mouse can work: shown, enabled, not a separator.
  bool usable(int index) const {
    return valid(index) && !hidden(index) && !separator(index) &&
           (buttons_[static_cast<std::size_t>(index)].state & toolbar::state::Enabled) != 0;
  }

  // ---- layout
  Size imageSize() const;
  Size buttonSize() const;
  Rect rectOf(int index) const;
  int buttonAt(Point point) const;
  void autoSize();
  // The toolbar changed its buttons or their sizes: its size, its tips.
  void relayout();
  void syncTools();

  LResult setStateBit(WParam command, std::uint8_t bit, bool on);
  void setHot(int index);
  void click(int index);
  void relayToTip() {
    if (tip_ != nullptr) SendMessage(tip_, tool_tip::RelayEvent, 0, reinterpret_cast<LParam>(&message()));
  }

  std::vector<toolbar::Button> buttons_;
  ImageListHandle images_ = nullptr;
  ImageListHandle disabledImages_ = nullptr;
  WindowHandle tip_ = nullptr;
  int hot_ = -1;
  int pushed_ = -1;        // the button the left button went down on
  bool tracking_ = false;  // the left button is held
  bool pushedInside_ = false;
};

// ---- creation

LResult Toolbar::onNcCreate(const WindowCreation*) {
  // Border with DialogFrame would make a caption: the frame stays alone.
  if ((record().style & style::Caption) == style::Caption) record().style &= ~style::Border;
  return defaultProcedure();
}

LResult Toolbar::onCreate() {
  if (style() & toolbar::ToolTips) {
    WindowCreation tip;
    tip.className = tool_tip::kClassName;
    tip.style = style::Popup;
    tip.exStyle = exstyle::TopMost | exstyle::ToolWindow;
    tip.parent = TopLevelWindow(window());
    tip_ = CreateWindow(tip);
  }
  autoSize();
  return 0;
}

// ---- layout

Size Toolbar::imageSize() const {
  const Size size = ImageListImageSize(images_);
  return size.width > 0 ? size : kDefaultImageSize;
}

Size Toolbar::buttonSize() const {
  const Size image = imageSize();
  return {image.width + toolbar::kButtonPadding, image.height + toolbar::kButtonPadding};
}

// Side by side from the left margin, hidden buttons left out (an empty
// rectangle where they would be).
Rect Toolbar::rectOf(int index) const {
  const Size button = buttonSize();
  const int top = ((style() & toolbar::NoDivider) ? 0 : toolbar::kDividerHeight) + toolbar::kMargin;
  int left = toolbar::kMargin;
  for (int i = 0; i < index; ++i)
    if (!hidden(i)) left += separator(i) ? toolbar::kSeparatorWidth : button.width;
  if (hidden(index)) return Rect::FromSize(left, top, 0, 0);
  return Rect::FromSize(left, top, separator(index) ? toolbar::kSeparatorWidth : button.width, button.height);
}

int Toolbar::buttonAt(Point point) const {
  for (int i = 0; i < count(); ++i)
    if (rectOf(i).contains(point)) return i;
  return -1;
}

void Toolbar::autoSize() {
  if (style() & toolbar::NoResize) return;
  const Rect outer = WindowRectInParent(window());
  const FrameInsets frame = ComputeFrameInsets(record());
  const int top = (style() & toolbar::NoDivider) ? 0 : toolbar::kDividerHeight;
  const int height = top + 2 * toolbar::kMargin + buttonSize().height + frame.top + frame.bottom;
  const WindowHandle parent = ParentWindow(window());
  const int width = parent != nullptr ? ClientRect(parent).width() : outer.width();
  const Point at = (style() & toolbar::NoParentAlign) ? Point{outer.left, outer.top} : Point{0, 0};
  const Rect wanted = Rect::FromSize(at.x, at.y, width, height);
  if (wanted != outer) SetWindowPosition(window(), nullptr, wanted, position::NoZOrder | position::NoActivate);
}

void Toolbar::relayout() {
  autoSize();
  if (!alive()) return;
  syncTools();
  if (hot_ >= 0 && !usable(hot_)) hot_ = -1;
}

// One tool per command: its button's rectangle, empty while hidden.
void Toolbar::syncTools() {
  if (tip_ == nullptr) return;
  for (int i = 0; i < count(); ++i) {
    if (separator(i)) continue;
    const tool_tip::Tool tool{window(), buttons_[static_cast<std::size_t>(i)].command, rectOf(i),
                              tool_tip::kTextCallback};
    if (SendMessage(tip_, tool_tip::NewToolRect, 0, reinterpret_cast<LParam>(&tool)) == 0)
      SendMessage(tip_, tool_tip::AddTool, 0, reinterpret_cast<LParam>(&tool));
  }
}

// ---- the mouse

void Toolbar::setHot(int index) {
  if (index == hot_) return;
  hot_ = index;
  invalidate();
}

void Toolbar::onMouseMove(const MouseEvent& event) {
  relayToTip();
  if (!alive()) return;
  TrackMouseLeave(window());
  const int over = buttonAt(event.point);
  if (tracking_) {
    const bool inside = over == pushed_;
    if (inside != pushedInside_) {
      pushedInside_ = inside;
      invalidate();
    }
    return;
  }
  if (style() & toolbar::Flat) setHot(usable(over) ? over : -1);
}

void Toolbar::onMouseLeave() {
  relayToTip();
  if (alive()) setHot(-1);
}

void Toolbar::onLeftButtonDown(const MouseEvent& event) {
  relayToTip();
  if (!alive()) return;
  const int index = buttonAt(event.point);
  if (!usable(index)) return;
  SetCapture(window());
  if (!alive()) return;
  tracking_ = true;
  pushed_ = index;
  pushedInside_ = true;
  invalidate();
}

void Toolbar::onLeftButtonUp(const MouseEvent& event) {
  if (!tracking_) return;
  tracking_ = false;
  const int index = pushed_;
  const bool inside = buttonAt(event.point) == index;
  pushed_ = -1;
  ReleaseCapture();
  if (!alive()) return;
  invalidate();
  if (inside && usable(index)) click(index);
}

// A check button toggles, then the parent hears the command.
void Toolbar::click(int index) {
  toolbar::Button& button = buttons_[static_cast<std::size_t>(index)];
  if (button.style & toolbar::button_style::Check) button.state ^= toolbar::state::Checked;
  const int command = button.command;
  invalidate();
  SendMessage(ParentWindow(window()), msg::Command, CommandParam(command, 0), HandleToParam(window()));
}

// ---- the messages

int Toolbar::indexOf(WParam command) const {
  for (int i = 0; i < count(); ++i)
    if (!separator(i) && buttons_[static_cast<std::size_t>(i)].command == static_cast<int>(command)) return i;
  return -1;
}

LResult Toolbar::setStateBit(WParam command, std::uint8_t bit, bool on) {
  const int index = indexOf(command);
  if (index < 0) return 0;
  std::uint8_t& state = buttons_[static_cast<std::size_t>(index)].state;
  const std::uint8_t before = state;
  state = on ? (state | bit) : (state & ~bit);
  if ((before ^ state) & toolbar::state::Hidden) relayout();
  if (hot_ >= 0 && !usable(hot_)) hot_ = -1;
  return 1;
}

std::optional<LResult> Toolbar::onControlMessage(MessageId message, WParam wParam, LParam lParam) {
  using namespace toolbar;
  const auto stateIs = [&](std::uint8_t bit) -> LResult {
    const int index = indexOf(wParam);
    return index >= 0 && (buttons_[static_cast<std::size_t>(index)].state & bit) != 0 ? 1 : 0;
  };
  switch (message) {
    case EnableButton: return setStateBit(wParam, state::Enabled, lParam != 0);
    case CheckButton: return setStateBit(wParam, state::Checked, lParam != 0);
    case PressButton: return setStateBit(wParam, state::Pressed, lParam != 0);
    case HideButton: return setStateBit(wParam, state::Hidden, lParam != 0);
    case IsButtonEnabled: return stateIs(state::Enabled);
    case IsButtonChecked: return stateIs(state::Checked);
    case IsButtonPressed: return stateIs(state::Pressed);
    case IsButtonHidden: return stateIs(state::Hidden);
    case SetState: {
      const int index = indexOf(wParam);
      if (index < 0) return 0;
      const auto wanted = static_cast<std::uint8_t>(lParam);
      for (const std::uint8_t bit : {state::Checked, state::Pressed, state::Enabled, state::Hidden})
        setStateBit(wParam, bit, (wanted & bit) != 0);
      return 1;
    }
    case GetState: {
      const int index = indexOf(wParam);
      return index < 0 ? -1 : buttons_[static_cast<std::size_t>(index)].state;
    }
    case AddButtons: {
      if (wParam == 0 || lParam == 0) return 0;
      const auto* first = reinterpret_cast<const Button*>(lParam);
      buttons_.insert(buttons_.end(), first, first + wParam);
      relayout();
      return 1;
    }
    case GetButton:
      if (!valid(static_cast<LParam>(wParam)) || lParam == 0) return 0;
      *reinterpret_cast<Button*>(lParam) = buttons_[wParam];
      return 1;
    case ButtonCount: return count();
    case CommandToIndex: return indexOf(wParam);
    case toolbar::AutoSize: autoSize(); return 0;
    case GetToolTips: return HandleToParam(tip_);
    case GetItemRect:
      if (!valid(static_cast<LParam>(wParam)) || hidden(static_cast<int>(wParam)) || lParam == 0) return 0;
      *reinterpret_cast<Rect*>(lParam) = rectOf(static_cast<int>(wParam));
      return 1;
    case SetImageList: {
      const LResult before = HandleToParam(std::exchange(images_, HandleFromParam<ImageListHandle>(lParam)));
      relayout();
      return before;
    }
    case GetImageList: return HandleToParam(images_);
    case SetDisabledImageList:
      return HandleToParam(std::exchange(disabledImages_, HandleFromParam<ImageListHandle>(lParam)));
    case GetDisabledImageList: return HandleToParam(disabledImages_);
    case GetHotItem: return hot_;
    case SetHotItem: {
      const int before = hot_;
      setHot(usable(static_cast<LParam>(wParam)) ? static_cast<int>(wParam) : -1);
      return before;
    }
    case msg::Notify: {
      // The tip asks for a button's text: the parent answers.
      const auto* header = reinterpret_cast<const NotifyHeader*>(lParam);
      if (header == nullptr || header->from != tip_) return 0;
      return SendMessage(ParentWindow(window()), msg::Notify, wParam, lParam);
    }
    default: return std::nullopt;
  }
}

bool Toolbar::changesLook(MessageId message) const {
  switch (message) {
    case toolbar::EnableButton:
    case toolbar::CheckButton:
    case toolbar::PressButton:
    case toolbar::HideButton:
    case toolbar::SetState:
    case toolbar::AddButtons:
    case toolbar::SetImageList:
    case toolbar::SetDisabledImageList: return true;
    default: return false;
  }
}

// ---- painting

// The face, the divider along the top, then each shown button: its edge
// and face by its state, its image centred on the face (the disabled
// list's image for a disabled button, when there is one, else the normal
// image in the disabled look).
void Toolbar::paint(const ControlPaint& paint) {
  FillSolidRect(paint.dc, paint.client, GetSystemColor(SystemColor::ButtonFace));
  if (!(style() & toolbar::NoDivider))
    StylePainter::PaintEdge(paint.dc, {0, 0, paint.client.right, toolbar::kDividerHeight}, StylePainter::Edge::Etched);
  const bool flat = (style() & toolbar::Flat) != 0;
  const Size image = imageSize();
  for (int i = 0; i < count(); ++i) {
    if (hidden(i)) continue;
    const Rect rect = rectOf(i);
    if (separator(i)) {
      StylePainter::PaintToolbarSeparator(paint.dc, rect, flat);
      continue;
    }
    const toolbar::Button& button = buttons_[static_cast<std::size_t>(i)];
    StylePainter::ToolbarButtonLook look;
    look.flat = flat;
    look.enabled = (button.state & toolbar::state::Enabled) != 0 && paint.enabled;
    look.hot = i == hot_ && look.enabled;
    look.checked = (button.state & toolbar::state::Checked) != 0;
    look.pressed = (button.state & toolbar::state::Pressed) != 0 || (tracking_ && i == pushed_ && pushedInside_);
    const Rect face = StylePainter::PaintToolbarButton(paint.dc, rect, look);
    const Point at{face.left + (face.width() - image.width) / 2, face.top + (face.height() - image.height) / 2};
    if (look.enabled)
      DrawListImage(paint.dc, images_, button.image, at);
    else if (!DrawListImage(paint.dc, disabledImages_, button.image, at))
      DrawListImage(paint.dc, images_, button.image, at, ImageLook::Disabled);
  }
}

}  // namespace

}  // namespace platform::ui::detail

namespace platform::ui::toolbar {

const ControlDescriptor kDescriptor{
    .className = kClassName,
    .procedure = &detail::Control::ProcedureOf<detail::Toolbar>,
    .templateKinds = kTemplateKinds,
    .styleWords = kStyleWords,
};

}  // namespace platform::ui::toolbar

// The "Button" class.
#include "platform/ui/controls/button.h"

#include "control.h"
#include "platform/ui/focus.h"
#include "platform/ui/gdi.h"
#include "platform/ui/keys.h"
#include "platform/ui/style_painter.h"
#include "platform/ui/window.h"

namespace platform::ui {

StyleBits button::TypeOf(StyleBits style) { return style & TypeMask; }

bool button::IsPushButton(StyleBits style) {
  const StyleBits type = TypeOf(style);
  return type == PushButton || type == DefPushButton;
}

bool button::IsRadioButton(StyleBits style) {
  const StyleBits type = TypeOf(style);
  return type == RadioButton || type == AutoRadioButton;
}

bool button::IsCheckBox(StyleBits style) {
  const StyleBits type = TypeOf(style);
  return type == CheckBox || type == AutoCheckBox || type == ThreeState || type == AutoThreeState;
}

}  // namespace platform::ui

namespace platform::ui::detail {

namespace {

// The automatic radio buttons of the group the button is in, itself left
// out.
void ClearGroupRadios(WindowHandle window) {
  const WindowHandle parent = ParentWindow(window);
  const std::vector<WindowHandle> siblings = ChildWindows(parent);
  std::size_t at = 0;
  while (at < siblings.size() && siblings[at] != window) ++at;
  if (at == siblings.size()) return;
  std::size_t first = at;
  while (first > 0 && !(WindowStyle(siblings[first]) & style::Group)) --first;
  for (std::size_t i = first; i < siblings.size(); ++i) {
    if (i > first && (WindowStyle(siblings[i]) & style::Group)) break;
    const WindowHandle other = siblings[i];
    if (other != window && IsWindowOfClass(other, button::kClassName) &&
        button::TypeOf(WindowStyle(other)) == button::AutoRadioButton)
      SendMessage(other, button::SetCheck, button::Unchecked);
  }
}

LResult DialogCodeFor(StyleBits style) {
  switch (button::TypeOf(style)) {
    case button::PushButton: return dialog_code::PushButton;
    case button::DefPushButton: return dialog_code::DefaultPushButton;
    case button::RadioButton:
    case button::AutoRadioButton: return dialog_code::RadioButton | dialog_code::Button;
    case button::GroupBox: return dialog_code::Static;
    default: return dialog_code::Button;
  }
}

class Button final : public Control {
 protected:
  // ---- the dialog manager and the mouse's way in: a group box takes no
  // input, the mouse passes through it
  LResult onGetDialogCode(const Message*) override { return DialogCodeFor(style()); }
  LResult onHitTest(Point) override { return groupBox() ? hit::Transparent : defaultProcedure(); }

  // ---- pressed by the mouse: pushed while the mouse is over it, clicked
  // when the button comes up there
  void onLeftButtonDown(const MouseEvent&) override;
  void onMouseMove(const MouseEvent& event) override {
    if (tracking_) pushed_ = ClientRect(window()).contains(event.point);
  }
  void onLeftButtonUp(const MouseEvent& event) override;
  void onCaptureChanged() override {
    tracking_ = false;
    pushed_ = false;
  }

  // ---- pressed by Space while it has the focus
  void onKeyDown(const KeyEvent& event) override;
  void onKeyUp(const KeyEvent& event) override;
  void onSetFocus(const FocusEvent&) override { focused_ = true; }
  void onKillFocus(const FocusEvent&) override {
    focused_ = false;
    spaceDown_ = false;
    if (!tracking_) pushed_ = false;
  }

  // ---- its messages
  std::optional<LResult> onControlMessage(MessageId message, WParam wParam, LParam lParam) override;

  // ---- its look
  void paint(const ControlPaint& paint) override;
  bool changesLook(MessageId message) const override {
    return message == button::SetCheck || message == button::SetState || message == button::SetStyle ||
           message == button::Click;
  }

 private:
  bool groupBox() const { return button::TypeOf(style()) == button::GroupBox; }
  void setCheck(WParam check);
  // Checks an automatic box or radio button, then tells the parent.
  void click();

  WParam check_ = button::Unchecked;
  bool pushed_ = false;
  bool focused_ = false;
  bool tracking_ = false;  // the left button went down on it and the mouse is captured
  bool spaceDown_ = false;
};

void Button::setCheck(WParam check) {
  const StyleBits style = this->style();
  if (!button::IsCheckBox(style) && !button::IsRadioButton(style)) return;
  const StyleBits type = button::TypeOf(style);
  const bool threeState = type == button::ThreeState || type == button::AutoThreeState;
  check_ = check > (threeState ? button::Indeterminate : button::Checked) ? button::Checked : check;
  // A checked radio button is its group's tab stop.
  if (button::IsRadioButton(style))
    SetWindowStyle(window(), check_ ? (style | style::TabStop) : (style & ~style::TabStop));
}

void Button::click() {
  switch (button::TypeOf(style())) {
    case button::AutoCheckBox: setCheck(check_ ? button::Unchecked : button::Checked); break;
    case button::AutoThreeState: setCheck((check_ + 1) % 3); break;
    case button::AutoRadioButton:
      setCheck(button::Checked);
      ClearGroupRadios(window());
      break;
    default: break;
  }
  notifyParent(button::Clicked);
}

void Button::onLeftButtonDown(const MouseEvent&) {
  if (groupBox()) return;
  SetFocus(window());
  if (!alive()) return;
  SetCapture(window());
  if (!alive()) return;
  tracking_ = true;
  pushed_ = true;
}

void Button::onLeftButtonUp(const MouseEvent& event) {
  if (!tracking_) return;
  const bool inside = ClientRect(window()).contains(event.point);
  tracking_ = false;
  pushed_ = false;
  ReleaseCapture();
  if (inside && alive()) click();
}

void Button::onKeyDown(const KeyEvent& event) {
  if (event.key != key::Space || groupBox()) {
    defaultProcedure();
    return;
  }
  spaceDown_ = true;
  pushed_ = true;
}

void Button::onKeyUp(const KeyEvent& event) {
  if (event.key != key::Space || !spaceDown_) {
    defaultProcedure();
    return;
  }
  spaceDown_ = false;
  const bool wasPushed = pushed_;
  pushed_ = false;
  if (wasPushed) click();
}

std::optional<LResult> Button::onControlMessage(MessageId message, WParam wParam, LParam) {
  switch (message) {
    case button::GetCheck: return static_cast<LResult>(check_);
    case button::SetCheck: setCheck(wParam); return 0;
    case button::GetState:
      return static_cast<LResult>(check_) | (pushed_ ? button::state::Pushed : 0) |
             (focused_ ? button::state::Focused : 0);
    case button::SetState: pushed_ = wParam != 0; return 0;
    case button::SetStyle:
      record().style = (record().style & 0xFFFF0000u) | (static_cast<StyleBits>(wParam) & 0xFFFFu);
      return 0;
    case button::Click:
      if (IsWindowUsable(window())) click();
      return 0;
    default: return std::nullopt;
  }
}

// ---- painting

void DrawLabel(const ControlPaint& paint, const std::string& text, Rect rect, unsigned format) {
  SetBackgroundMode(paint.dc, BackgroundMode::Transparent);
  if (paint.enabled) {
    DrawText(paint.dc, text, rect, format);
  } else {
    StylePainter::PaintDisabledText(paint.dc, rect, text, format);
  }
}

// The label's rectangle as drawn (for the focus rectangle).
Rect LabelRect(const ControlPaint& paint, const std::string& text, const Rect& area, unsigned format) {
  Rect measured = area;
  DrawText(paint.dc, text, measured, format | draw_text::CalculateRect);
  int left = area.left;
  if (format & draw_text::Center) left = area.left + (area.width() - measured.width()) / 2;
  const int top = area.top + (area.height() - measured.height()) / 2;
  return Rect::FromSize(left, top, measured.width(), measured.height()).inflatedBy(1, 1);
}

void Button::paint(const ControlPaint& paint) {
  const StyleBits style = this->style();
  const std::string text = WindowText(window());
  const Rect client = paint.client;
  const unsigned single = draw_text::SingleLine | draw_text::VerticalCenter;
  if (button::IsPushButton(style)) {
    const bool isDefault = button::TypeOf(style) == button::DefPushButton;
    const Rect face = StylePainter::PaintButton(paint.dc, client, pushed_, isDefault);
    DrawLabel(paint, text, face, single | draw_text::Center);
    if (focused_)
      StylePainter::PaintFocusRect(paint.dc, face.inflatedBy(-3, -3).offsetBy(pushed_ ? -1 : 0, pushed_ ? -1 : 0));
  } else if (button::TypeOf(style) == button::GroupBox) {
    // The inside is left to the parent: only the frame and the caption.
    const int textHeight = GetTextMetrics(paint.dc).height;
    Rect caption = Rect::FromSize(client.left + 8, client.top, 0, textHeight);
    DrawText(paint.dc, text, caption, draw_text::SingleLine | draw_text::CalculateRect);
    StylePainter::PaintGroupFrame(paint.dc, client, client.top + textHeight / 2, caption.left - 2,
                                  text.empty() ? 0 : caption.width() + 4);
    DrawLabel(paint, text, caption, draw_text::SingleLine);
  } else {
    FillRect(paint.dc, client, paint.background);
    const bool radio = button::IsRadioButton(style);
    const int box = radio ? StylePainter::kRadioButtonSize : StylePainter::kCheckBoxSize;
    const bool leftText = (style & button::LeftText) != 0;
    const Point at{leftText ? client.right - box : client.left, client.top + (client.height() - box) / 2};
    if (radio)
      StylePainter::PaintRadioButton(paint.dc, at, check_ != 0, paint.enabled, pushed_);
    else
      StylePainter::PaintCheckBox(paint.dc, at, static_cast<int>(check_), paint.enabled, pushed_);
    const Rect label = leftText ? Rect{client.left, client.top, client.right - box - 4, client.bottom}
                                : Rect{client.left + box + 4, client.top, client.right, client.bottom};
    DrawLabel(paint, text, label, single);
    if (focused_ && !text.empty()) StylePainter::PaintFocusRect(paint.dc, LabelRect(paint, text, label, single));
  }
}

MessageId ButtonControlColor(StyleBits style, bool) {
  return button::IsPushButton(style) ? msg::CtlColorButton : msg::CtlColorStatic;
}

}  // namespace

}  // namespace platform::ui::detail

namespace platform::ui::button {

const ControlDescriptor kDescriptor{
    .className = kClassName,
    .procedure = &detail::Control::ProcedureOf<detail::Button>,
    .classStyle = class_style::DoubleClicks | class_style::ParentDc,
    .templateKinds = kTemplateKinds,
    .styleWords = kStyleWords,
    .controlColor = &detail::ButtonControlColor,
};

}  // namespace platform::ui::button

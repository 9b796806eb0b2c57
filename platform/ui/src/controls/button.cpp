// The "Button" class.
#include "platform/ui/controls/button.h"

#include <memory>

#include "platform/ui/focus.h"
#include "platform/ui/gdi.h"
#include "platform/ui/style_painter.h"
#include "platform/ui/keys.h"
#include "platform/ui/window.h"
#include "windows/window_system.h"

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

class ButtonState : public ControlState {
 public:
  WParam check = button::Unchecked;
  bool pushed = false;
  bool focused = false;
  bool tracking = false;  // the left button went down on it and the mouse is captured
  bool spaceDown = false;
};

void SetCheck(WindowHandle window, ButtonState& state, WParam check) {
  const StyleBits style = WindowStyle(window);
  if (!button::IsCheckBox(style) && !button::IsRadioButton(style)) return;
  const StyleBits type = button::TypeOf(style);
  const bool threeState = type == button::ThreeState || type == button::AutoThreeState;
  state.check = check > (threeState ? button::Indeterminate : button::Checked) ? button::Checked : check;
  // A checked radio button is its group's tab stop.
  if (button::IsRadioButton(style))
    SetWindowStyle(window, state.check ? (style | style::TabStop) : (style & ~style::TabStop));
}

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

void Click(WindowHandle window, ButtonState& state) {
  switch (button::TypeOf(WindowStyle(window))) {
    case button::AutoCheckBox:
      SetCheck(window, state, state.check ? button::Unchecked : button::Checked);
      break;
    case button::AutoThreeState:
      SetCheck(window, state, (state.check + 1) % 3);
      break;
    case button::AutoRadioButton:
      SetCheck(window, state, button::Checked);
      ClearGroupRadios(window);
      break;
    default:
      break;
  }
  NotifyParent(window, button::Clicked);
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

void PaintButton(WindowHandle window, const ButtonState& state) {
  ControlPaint paint = BeginControlPaint(window, state.font);
  const StyleBits style = WindowStyle(window);
  const std::string text = WindowText(window);
  const Rect client = paint.client;
  const unsigned single = draw_text::SingleLine | draw_text::VerticalCenter;
  if (button::IsPushButton(style)) {
    const bool isDefault = button::TypeOf(style) == button::DefPushButton;
    const Rect face = StylePainter::PaintButton(paint.dc, client, state.pushed, isDefault);
    DrawLabel(paint, text, face, single | draw_text::Center);
    if (state.focused) StylePainter::PaintFocusRect(paint.dc, face.inflatedBy(-3, -3).offsetBy(state.pushed ? -1 : 0, state.pushed ? -1 : 0));
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
      StylePainter::PaintRadioButton(paint.dc, at, state.check != 0, paint.enabled, state.pushed);
    else
      StylePainter::PaintCheckBox(paint.dc, at, static_cast<int>(state.check), paint.enabled, state.pushed);
    const Rect label = leftText ? Rect{client.left, client.top, client.right - box - 4, client.bottom}
                                : Rect{client.left + box + 4, client.top, client.right, client.bottom};
    DrawLabel(paint, text, label, single);
    if (state.focused && !text.empty()) StylePainter::PaintFocusRect(paint.dc, LabelRect(paint, text, label, single));
  }
  EndControlPaint(window, paint);
}

bool ChangesButtonLook(MessageId message) {
  switch (message) {
    case button::SetCheck:
    case button::SetState:
    case button::SetStyle:
    case button::Click:
      return true;
    default:
      return false;
  }
}

LResult ButtonBehaviour(WindowHandle window, MessageId message, WParam wParam, LParam lParam);

LResult ButtonProcedure(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
  if (message == msg::Paint) {
    if (ButtonState* state = StateOf<ButtonState>(window)) {
      PaintButton(window, *state);
      return 0;
    }
  }
  const LResult result = ButtonBehaviour(window, message, wParam, lParam);
  if (IsWindow(window) && (ChangesLook(window, message) || ChangesButtonLook(message))) InvalidateRect(window);
  return result;
}

LResult ButtonBehaviour(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
  ButtonState* state = ControlStateFor<ButtonState>(window, message);
  if (state == nullptr) return DefaultWindowProcedure(window, message, wParam, lParam);
  WindowRecord* record = Find(window);
  const bool groupBox = button::TypeOf(record->style) == button::GroupBox;
  if (LResult result = 0; HandleFontMessage(*state, message, wParam, result)) return result;
  switch (message) {
    case msg::GetDialogCode:
      return DialogCodeFor(record->style);
    case msg::NcHitTest:
      if (groupBox) return hit::Transparent;
      return DefaultWindowProcedure(window, message, wParam, lParam);
    case button::GetCheck:
      return static_cast<LResult>(state->check);
    case button::SetCheck:
      SetCheck(window, *state, wParam);
      return 0;
    case button::GetState:
      return static_cast<LResult>(state->check) | (state->pushed ? button::state::Pushed : 0) |
             (state->focused ? button::state::Focused : 0);
    case button::SetState:
      state->pushed = wParam != 0;
      return 0;
    case button::SetStyle:
      record->style = (record->style & 0xFFFF0000u) | (static_cast<StyleBits>(wParam) & 0xFFFFu);
      return 0;
    case button::Click:
      if (IsWindowUsable(window)) Click(window, *state);
      return 0;
    case msg::LeftButtonDown:
    case msg::LeftButtonDoubleClick:
      if (groupBox) return 0;
      SetFocus(window);
      if (!IsWindow(window)) return 0;
      SetCapture(window);
      state = StateOf<ButtonState>(window);
      if (state == nullptr) return 0;
      state->tracking = true;
      state->pushed = true;
      return 0;
    case msg::MouseMove:
      if (state->tracking) state->pushed = ClientRect(window).contains(PointFromParam(lParam));
      return 0;
    case msg::LeftButtonUp: {
      if (!state->tracking) return 0;
      const bool inside = ClientRect(window).contains(PointFromParam(lParam));
      state->tracking = false;
      state->pushed = false;
      ReleaseCapture();
      state = StateOf<ButtonState>(window);
      if (inside && state != nullptr) Click(window, *state);
      return 0;
    }
    case msg::CaptureChanged:
      state->tracking = false;
      state->pushed = false;
      return 0;
    case msg::KeyDown:
      if (wParam == key::Space && !groupBox) {
        state->spaceDown = true;
        state->pushed = true;
        return 0;
      }
      return DefaultWindowProcedure(window, message, wParam, lParam);
    case msg::KeyUp:
      if (wParam == key::Space && state->spaceDown) {
        state->spaceDown = false;
        const bool wasPushed = state->pushed;
        state->pushed = false;
        if (wasPushed) Click(window, *state);
        return 0;
      }
      return DefaultWindowProcedure(window, message, wParam, lParam);
    case msg::SetFocus:
      state->focused = true;
      return 0;
    case msg::KillFocus:
      state->focused = false;
      state->spaceDown = false;
      if (!state->tracking) state->pushed = false;
      return 0;
    default:
      return DefaultWindowProcedure(window, message, wParam, lParam);
  }
}

MessageId ButtonControlColor(StyleBits style, bool) {
  return button::IsPushButton(style) ? msg::CtlColorButton : msg::CtlColorStatic;
}

}  // namespace

}  // namespace platform::ui::detail

namespace platform::ui::button {

const ControlDescriptor kDescriptor{kClassName, &detail::ButtonProcedure, class_style::DoubleClicks | class_style::ParentDc,
                                    kTemplateKinds, kStyleWords, &detail::ButtonControlColor};

}  // namespace platform::ui::button

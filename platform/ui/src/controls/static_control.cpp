// The "Static" class.
#include "platform/ui/controls/static_control.h"

#include <memory>
#include <utility>

#include "platform/ui/gdi.h"
#include "platform/ui/style_painter.h"
#include "platform/ui/window.h"
#include "windows/window_system.h"

namespace platform::ui::detail {

namespace {

class StaticState : public ControlState {
 public:
  LParam image = 0;
};

void PaintStatic(WindowHandle window, const StaticState& state) {
  ControlPaint paint = BeginControlPaint(window, state.font);
  const StyleBits style = WindowStyle(window);
  const StyleBits type = style & static_control::TypeMask;
  Rect client = paint.client;
  switch (type) {
    case static_control::BlackRect:
      FillSolidRect(paint.dc, client, GetSystemColor(SystemColor::WindowFrame));
      break;
    case static_control::GrayRect:
      FillSolidRect(paint.dc, client, GetSystemColor(SystemColor::ButtonShadow));
      break;
    case static_control::EtchedHorizontal:
      StylePainter::PaintEdge(paint.dc, {client.left, client.top, client.right, client.top + 2},
                              StylePainter::Edge::Etched);
      break;
    case static_control::Icon:
    case static_control::Bitmap: {
      FillRect(paint.dc, client, paint.background);
      const auto image = HandleFromParam<BitmapHandle>(state.image);
      const Size size = BitmapSize(image);
      Point at{client.left, client.top};
      if (style & static_control::CenterImage)
        at = {client.left + (client.width() - size.width) / 2, client.top + (client.height() - size.height) / 2};
      DrawBitmap(paint.dc, image, at);
      break;
    }
    default: {
      FillRect(paint.dc, client, paint.background);
      unsigned format = (style & static_control::NoPrefix) ? draw_text::NoPrefix : 0;
      if (type == static_control::Center) format |= draw_text::Center | draw_text::WordBreak;
      else if (type == static_control::Right) format |= draw_text::Right | draw_text::WordBreak;
      else if (type == static_control::Left) format |= draw_text::WordBreak;
      else format |= draw_text::SingleLine;
      const std::string text = WindowText(window);
      SetBackgroundMode(paint.dc, BackgroundMode::Transparent);
      if (paint.enabled)
        DrawText(paint.dc, text, client, format);
      else
        StylePainter::PaintDisabledText(paint.dc, client, text, format);
      break;
    }
  }
  if (style & static_control::Sunken) StylePainter::PaintBorder(paint.dc, paint.client, StylePainter::Border::SunkenOuter);
  EndControlPaint(window, paint);
}

LResult StaticBehaviour(WindowHandle window, MessageId message, WParam wParam, LParam lParam);

LResult StaticProcedure(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
  if (message == msg::Paint) {
    if (StaticState* state = StateOf<StaticState>(window)) {
      PaintStatic(window, *state);
      return 0;
    }
  }
  const LResult result = StaticBehaviour(window, message, wParam, lParam);
  if (IsWindow(window) && (ChangesLook(window, message) || message == static_control::SetImage)) InvalidateRect(window);
  return result;
}

LResult StaticBehaviour(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
  StaticState* state = ControlStateFor<StaticState>(window, message);
  if (state == nullptr) return DefaultWindowProcedure(window, message, wParam, lParam);
  WindowRecord* record = Find(window);
  if (LResult result = 0; HandleFontMessage(*state, message, wParam, result)) return result;
  switch (message) {
    case msg::GetDialogCode:
      return dialog_code::Static;
    case msg::NcHitTest:
      if (!(record->style & static_control::Notify)) return hit::Transparent;
      return DefaultWindowProcedure(window, message, wParam, lParam);
    case static_control::SetImage:
      return std::exchange(state->image, lParam);
    case static_control::GetImage:
      return state->image;
    default:
      return DefaultWindowProcedure(window, message, wParam, lParam);
  }
}

}  // namespace

}  // namespace platform::ui::detail

namespace platform::ui::static_control {

const ControlDescriptor kDescriptor{kClassName, &detail::StaticProcedure, class_style::ParentDc, kTemplateKinds,
                                    kStyleWords, &FixedControlColor<msg::CtlColorStatic>};

}  // namespace platform::ui::static_control

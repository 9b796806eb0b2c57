// The "Static" class.
#include "platform/ui/controls/static_control.h"

#include <utility>

#include "control.h"
#include "platform/ui/gdi.h"
#include "platform/ui/style_painter.h"
#include "platform/ui/window.h"

namespace platform::ui::detail {

namespace {

class Static final : public Control {
 protected:
  // The mouse passes through unless the static has Notify.
  LResult onGetDialogCode(const Message*) override { return dialog_code::Static; }
  LResult onHitTest(Point) override {
    return (style() & static_control::Notify) ? defaultProcedure() : hit::Transparent;
  }

  std::optional<LResult> onControlMessage(MessageId message, WParam, LParam lParam) override {
    switch (message) {
      case static_control::SetImage: return std::exchange(image_, lParam);
      case static_control::GetImage: return image_;
      default: return std::nullopt;
    }
  }

  void paint(const ControlPaint& paint) override;
  bool changesLook(MessageId message) const override { return message == static_control::SetImage; }

 private:
  LParam image_ = 0;
};

void Static::paint(const ControlPaint& paint) {
  const StyleBits style = this->style();
  const StyleBits type = style & static_control::TypeMask;
  Rect client = paint.client;
  switch (type) {
    case static_control::BlackRect: FillSolidRect(paint.dc, client, GetSystemColor(SystemColor::WindowFrame)); break;
    case static_control::GrayRect: FillSolidRect(paint.dc, client, GetSystemColor(SystemColor::ButtonShadow)); break;
    case static_control::EtchedHorizontal:
      StylePainter::PaintEdge(paint.dc, {client.left, client.top, client.right, client.top + 2},
                              StylePainter::Edge::Etched);
      break;
    case static_control::Icon:
    case static_control::Bitmap: {
      FillRect(paint.dc, client, paint.background);
      const auto image = HandleFromParam<BitmapHandle>(image_);
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
      if (type == static_control::Center)
        format |= draw_text::Center | draw_text::WordBreak;
      else if (type == static_control::Right)
        format |= draw_text::Right | draw_text::WordBreak;
      else if (type == static_control::Left)
        format |= draw_text::WordBreak;
      else
        format |= draw_text::SingleLine;
      const std::string text = WindowText(window());
      SetBackgroundMode(paint.dc, BackgroundMode::Transparent);
      if (paint.enabled)
        DrawText(paint.dc, text, client, format);
      else
        StylePainter::PaintDisabledText(paint.dc, client, text, format);
      break;
    }
  }
  if (style & static_control::Sunken)
    StylePainter::PaintBorder(paint.dc, paint.client, StylePainter::Border::SunkenOuter);
}

}  // namespace

}  // namespace platform::ui::detail

namespace platform::ui::static_control {

const ControlDescriptor kDescriptor{
    .className = kClassName,
    .procedure = &detail::Control::ProcedureOf<detail::Static>,
    .classStyle = class_style::ParentDc,
    .templateKinds = kTemplateKinds,
    .styleWords = kStyleWords,
    .controlColor = &FixedControlColor<msg::CtlColorStatic>,
};

}  // namespace platform::ui::static_control

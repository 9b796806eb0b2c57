// The recording surface of headless tests.
#include "platform/ui/recording_surface.h"

namespace platform::ui {

void RecordingSurface::fillRect(const Rect& rect, ColorRef color) {
  DrawCall call;
  call.kind = DrawCall::Kind::Fill;
  call.rect = rect;
  call.color = color;
  call.clip = clip_;
  calls_.push_back(std::move(call));
}

void RecordingSurface::invertRect(const Rect& rect) {
  DrawCall call;
  call.kind = DrawCall::Kind::Invert;
  call.rect = rect;
  call.clip = clip_;
  calls_.push_back(std::move(call));
}

void RecordingSurface::drawLine(Point from, Point to, ColorRef color, int width) {
  DrawCall call;
  call.kind = DrawCall::Kind::Line;
  call.from = from;
  call.to = to;
  call.color = color;
  call.width = width;
  call.clip = clip_;
  calls_.push_back(std::move(call));
}

void RecordingSurface::drawText(Point origin, const FontSpec& font, ColorRef color, std::string_view text) {
  DrawCall call;
  call.kind = DrawCall::Kind::Text;
  call.from = origin;
  call.font = font;
  call.color = color;
  call.text = std::string(text);
  call.clip = clip_;
  calls_.push_back(std::move(call));
}

void RecordingSurface::drawImage(Point at, const Image& image) {
  DrawCall call;
  call.kind = DrawCall::Kind::Image;
  call.rect = Rect::FromSize(at.x, at.y, image.width, image.height);
  call.clip = clip_;
  calls_.push_back(std::move(call));
}

std::vector<DrawCall> RecordingSurface::texts() const {
  std::vector<DrawCall> result;
  for (const DrawCall& call : calls_)
    if (call.kind == DrawCall::Kind::Text) result.push_back(call);
  return result;
}

}  // namespace platform::ui

// The cairo image surface (see image_surface.h).
#include "platform/ui/cairo/image_surface.h"

#include <algorithm>

#include "cairo_canvas.h"

namespace platform::ui::cairo {

using detail::Canvas;
using detail::TextRendering;

struct ImageSurface::Cairo {
  cairo_surface_t* surface = nullptr;
  cairo_t* cr = nullptr;
  Canvas canvas{nullptr, TextRendering::Crisp};
};

ImageSurface::ImageSurface(Size size) : size_{std::max(1, size.width), std::max(1, size.height)}, cairo_(new Cairo) {
  cairo_->surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, size_.width, size_.height);
  cairo_->cr = cairo_create(cairo_->surface);
  cairo_->canvas = Canvas(cairo_->cr, TextRendering::Crisp);
  cairo_set_antialias(cairo_->cr, CAIRO_ANTIALIAS_NONE);
  cairo_set_source_rgb(cairo_->cr, 1, 1, 1);
  cairo_paint(cairo_->cr);
}

ImageSurface::~ImageSurface() {
  cairo_destroy(cairo_->cr);
  cairo_surface_destroy(cairo_->surface);
}

void ImageSurface::setClip(const Rect& clip) { cairo_->canvas.setClip(clip); }
void ImageSurface::fillRect(const Rect& rect, ColorRef color) { cairo_->canvas.fillRect(rect, color); }
void ImageSurface::invertRect(const Rect& rect) { cairo_->canvas.invertRect(rect); }
void ImageSurface::drawLine(Point from, Point to, ColorRef color, int width) {
  cairo_->canvas.drawLine(from, to, color, width);
}
void ImageSurface::drawText(Point origin, const FontSpec& font, ColorRef color, std::string_view text) {
  cairo_->canvas.drawText(origin, font, color, text);
}
void ImageSurface::drawImage(Point at, const Image& image) { cairo_->canvas.drawImage(at, image); }

ColorRef ImageSurface::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= size_.width || y >= size_.height) return 0;
  cairo_surface_flush(cairo_->surface);
  const std::uint8_t* row = data() + static_cast<std::ptrdiff_t>(y) * stride();
  const std::uint32_t value = reinterpret_cast<const std::uint32_t*>(row)[x];
  return Rgb((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

bool ImageSurface::writePng(const std::string& path) const {
  cairo_surface_flush(cairo_->surface);
  return cairo_surface_write_to_png(cairo_->surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

const std::uint8_t* ImageSurface::data() const {
  cairo_surface_flush(cairo_->surface);
  return cairo_image_surface_get_data(cairo_->surface);
}

int ImageSurface::stride() const { return cairo_image_surface_get_stride(cairo_->surface); }

FontMetrics MeasureFontWithPango(const FontSpec& spec) { return detail::MeasureFont(spec, TextRendering::Crisp); }

int MeasureTextWithPango(const FontSpec& spec, std::string_view text) {
  return detail::MeasureText(spec, text, TextRendering::Crisp);
}

Rect InkOfTextWithPango(const FontSpec& spec, std::string_view text) {
  return detail::InkOfText(spec, text, TextRendering::Crisp);
}

}  // namespace platform::ui::cairo

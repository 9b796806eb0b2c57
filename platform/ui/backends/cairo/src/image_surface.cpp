// The cairo image surface and pango text (see image_surface.h).
#include "platform/ui/cairo/image_surface.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace platform::ui::cairo {

namespace {

void SetColor(cairo_t* cr, ColorRef color) {
  cairo_set_source_rgb(cr, RedOf(color) / 255.0, GreenOf(color) / 255.0, BlueOf(color) / 255.0);
}

// The character height in pixels: a negative height is it; a positive one
// is the cell height, of which the internal leading is a sixth.
int EmPixels(const FontSpec& spec) {
  if (spec.height < 0) return -spec.height;
  if (spec.height > 0) return std::max(1, spec.height - spec.height / 6);
  return 11;
}

PangoFontDescription* DescriptionOf(const FontSpec& spec) {
  PangoFontDescription* description = pango_font_description_new();
  const std::string face(MappedFontFace(spec));
  pango_font_description_set_family(description, face.c_str());
  pango_font_description_set_absolute_size(description, EmPixels(spec) * PANGO_SCALE);
  pango_font_description_set_weight(description, static_cast<PangoWeight>(std::clamp(spec.weight == 0 ? 400 : spec.weight, 100, 1000)));
  pango_font_description_set_style(description, spec.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  return description;
}

// Text hinted to whole pixels with grey smoothing: the crisp look.
void ApplyFontOptions(PangoContext* context) {
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  pango_cairo_context_set_font_options(context, options);
  cairo_font_options_destroy(options);
}

// The characters 0x80 to 0x9F of Windows-1252 (0 for the five it leaves
// undefined); the others above 0x9F are those of Latin-1.
constexpr char32_t kWindows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The model's texts are Windows-1252; pango takes UTF-8. Controls become
// blanks (the model places tabs and line breaks itself), and the undefined
// characters question marks.
std::string Printable(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    char32_t code = byte;
    if (byte < 0x20) code = ' ';
    else if (byte >= 0x80 && byte < 0xA0) code = kWindows1252High[byte - 0x80] ? kWindows1252High[byte - 0x80] : U'?';
    AppendUtf8(out, code);
  }
  return out;
}

PangoLayout* LayoutFor(cairo_t* cr, const FontSpec& spec, std::string_view text) {
  PangoLayout* layout = pango_cairo_create_layout(cr);
  ApplyFontOptions(pango_layout_get_context(layout));
  pango_layout_context_changed(layout);
  PangoFontDescription* description = DescriptionOf(spec);
  pango_layout_set_font_description(layout, description);
  pango_font_description_free(description);
  if (spec.underline) {
    PangoAttrList* attributes = pango_attr_list_new();
    pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    pango_layout_set_attributes(layout, attributes);
    pango_attr_list_unref(attributes);
  }
  const std::string printable = Printable(text);
  pango_layout_set_text(layout, printable.c_str(), static_cast<int>(printable.size()));
  return layout;
}

// A context for measuring, on a one-pixel image.
cairo_t* MeasuringContext() {
  static cairo_t* cr = [] {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
    cairo_t* context = cairo_create(surface);
    cairo_surface_destroy(surface);
    return context;
  }();
  return cr;
}

int Ceil(int pangoUnits) { return (pangoUnits + PANGO_SCALE - 1) / PANGO_SCALE; }

}  // namespace

struct ImageSurface::Cairo {
  cairo_surface_t* surface = nullptr;
  cairo_t* cr = nullptr;
};

ImageSurface::ImageSurface(Size size) : size_{std::max(1, size.width), std::max(1, size.height)}, cairo_(new Cairo) {
  cairo_->surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, size_.width, size_.height);
  cairo_->cr = cairo_create(cairo_->surface);
  cairo_set_antialias(cairo_->cr, CAIRO_ANTIALIAS_NONE);
  SetColor(cairo_->cr, Rgb(255, 255, 255));
  cairo_paint(cairo_->cr);
}

ImageSurface::~ImageSurface() {
  cairo_destroy(cairo_->cr);
  cairo_surface_destroy(cairo_->surface);
}

void ImageSurface::setClip(const Rect& clip) {
  cairo_reset_clip(cairo_->cr);
  cairo_rectangle(cairo_->cr, clip.left, clip.top, std::max(0, clip.width()), std::max(0, clip.height()));
  cairo_clip(cairo_->cr);
}

void ImageSurface::fillRect(const Rect& rect, ColorRef color) {
  if (rect.isEmpty()) return;
  SetColor(cairo_->cr, color);
  cairo_rectangle(cairo_->cr, rect.left, rect.top, rect.width(), rect.height());
  cairo_fill(cairo_->cr);
}

void ImageSurface::invertRect(const Rect& rect) {
  if (rect.isEmpty()) return;
  cairo_t* cr = cairo_->cr;
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_DIFFERENCE);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_rectangle(cr, rect.left, rect.top, rect.width(), rect.height());
  cairo_fill(cr);
  cairo_restore(cr);
}

void ImageSurface::drawLine(Point from, Point to, ColorRef color, int width) {
  width = std::max(1, width);
  // Straight lines are filled rectangles, so that they cover whole pixels.
  if (from.y == to.y) {
    fillRect({std::min(from.x, to.x + 1), from.y - (width - 1) / 2, std::max(from.x + 1, to.x), from.y + width / 2 + 1},
             color);
    return;
  }
  if (from.x == to.x) {
    fillRect({from.x - (width - 1) / 2, std::min(from.y, to.y + 1), from.x + width / 2 + 1, std::max(from.y + 1, to.y)},
             color);
    return;
  }
  cairo_t* cr = cairo_->cr;
  SetColor(cr, color);
  cairo_set_line_width(cr, width);
  cairo_move_to(cr, from.x + 0.5, from.y + 0.5);
  cairo_line_to(cr, to.x + 0.5, to.y + 0.5);
  cairo_stroke(cr);
}

void ImageSurface::drawText(Point origin, const FontSpec& font, ColorRef color, std::string_view text) {
  cairo_t* cr = cairo_->cr;
  PangoLayout* layout = LayoutFor(cr, font, text);
  SetColor(cr, color);
  cairo_move_to(cr, origin.x, origin.y);
  pango_cairo_show_layout(cr, layout);
  g_object_unref(layout);
}

void ImageSurface::drawImage(Point at, const Image& image) {
  if (image.width <= 0 || image.height <= 0) return;
  cairo_surface_t* source = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height);
  cairo_surface_flush(source);
  unsigned char* data = cairo_image_surface_get_data(source);
  const int stride = cairo_image_surface_get_stride(source);
  for (int y = 0; y < image.height; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t p = image.at(x, y);
      const std::uint32_t a = p >> 24;
      auto premultiply = [a](std::uint32_t channel) { return (channel * a + 127) / 255; };
      row[x] = (a << 24) | (premultiply((p >> 16) & 0xFF) << 16) | (premultiply((p >> 8) & 0xFF) << 8) |
               premultiply(p & 0xFF);
    }
  }
  cairo_surface_mark_dirty(source);
  cairo_set_source_surface(cairo_->cr, source, at.x, at.y);
  cairo_paint(cairo_->cr);
  cairo_surface_destroy(source);
}

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

FontMetrics MeasureFontWithPango(const FontSpec& spec) {
  cairo_t* cr = MeasuringContext();
  PangoLayout* layout = LayoutFor(cr, spec, "");
  PangoContext* context = pango_layout_get_context(layout);
  PangoFontDescription* description = DescriptionOf(spec);
  PangoFontMetrics* metrics = pango_context_get_metrics(context, description, nullptr);
  FontMetrics result;
  result.ascent = Ceil(pango_font_metrics_get_ascent(metrics));
  result.descent = Ceil(pango_font_metrics_get_descent(metrics));
  result.height = result.ascent + result.descent;
  result.internalLeading = std::max(0, result.height - EmPixels(spec));
  result.averageCharWidth = std::max(1, (pango_font_metrics_get_approximate_char_width(metrics) + PANGO_SCALE / 2) / PANGO_SCALE);
  result.maxCharWidth = std::max(result.averageCharWidth,
                                 Ceil(pango_font_metrics_get_approximate_digit_width(metrics)));
  pango_font_metrics_unref(metrics);
  pango_font_description_free(description);
  g_object_unref(layout);
  return result;
}

int MeasureTextWithPango(const FontSpec& spec, std::string_view text) {
  if (text.empty()) return 0;
  PangoLayout* layout = LayoutFor(MeasuringContext(), spec, text);
  int width = 0;
  int height = 0;
  pango_layout_get_pixel_size(layout, &width, &height);
  g_object_unref(layout);
  return width;
}

}  // namespace platform::ui::cairo

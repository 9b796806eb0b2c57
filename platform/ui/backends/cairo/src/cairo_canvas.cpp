// Surface calls on a cairo context (see cairo_canvas.h).
#include "cairo_canvas.h"

#include <algorithm>
#include <cstdint>
#include <pango/pangocairo.h>
#include <string>

#include "platform/ui/display_text.h"

namespace platform::ui::cairo::detail {

namespace {

void SetColor(cairo_t* cr, ColorRef color) {
  cairo_set_source_rgb(cr, RedOf(color) / 255.0, GreenOf(color) / 255.0, BlueOf(color) / 255.0);
}

// The character height: a negative height is it; a positive one is the
// cell height, of which the internal leading is a sixth.
int EmUnits(const FontSpec& spec) {
  if (spec.height < 0) return -spec.height;
  if (spec.height > 0) return std::max(1, spec.height - spec.height / 6);
  return 11;
}

PangoFontDescription* DescriptionOf(const FontSpec& spec) {
  PangoFontDescription* description = pango_font_description_new();
  const std::string face(MappedFontFace(spec));
  pango_font_description_set_family(description, face.c_str());
  pango_font_description_set_absolute_size(description, EmUnits(spec) * PANGO_SCALE);
  pango_font_description_set_weight(
      description, static_cast<PangoWeight>(std::clamp(spec.weight == 0 ? 400 : spec.weight, 100, 1000)));
  pango_font_description_set_style(description, spec.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  return description;
}

void ApplyFontOptions(PangoContext* context, TextRendering rendering) {
  cairo_font_options_t* options = cairo_font_options_create();
  if (rendering == TextRendering::Crisp) {
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  } else {
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  }
  pango_cairo_context_set_font_options(context, options);
  cairo_font_options_destroy(options);
  // Vector text keeps each glyph where the font's design puts it.
  pango_context_set_round_glyph_positions(context, rendering == TextRendering::Crisp);
}

PangoLayout* LayoutFor(cairo_t* cr, const FontSpec& spec, std::string_view text, TextRendering rendering) {
  PangoLayout* layout = pango_cairo_create_layout(cr);
  ApplyFontOptions(pango_layout_get_context(layout), rendering);
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
  const std::string shown = DisplayUtf8(text);
  pango_layout_set_text(layout, shown.c_str(), static_cast<int>(shown.size()));
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

void Canvas::setClip(const Rect& clip) {
  cairo_reset_clip(cr_);
  cairo_rectangle(cr_, clip.left, clip.top, std::max(0, clip.width()), std::max(0, clip.height()));
  cairo_clip(cr_);
}

void Canvas::fillRect(const Rect& rect, ColorRef color) {
  if (rect.isEmpty()) return;
  SetColor(cr_, color);
  cairo_rectangle(cr_, rect.left, rect.top, rect.width(), rect.height());
  cairo_fill(cr_);
}

void Canvas::invertRect(const Rect& rect) {
  if (rect.isEmpty()) return;
  cairo_save(cr_);
  cairo_set_operator(cr_, CAIRO_OPERATOR_DIFFERENCE);
  cairo_set_source_rgb(cr_, 1, 1, 1);
  cairo_rectangle(cr_, rect.left, rect.top, rect.width(), rect.height());
  cairo_fill(cr_);
  cairo_restore(cr_);
}

void Canvas::drawLine(Point from, Point to, ColorRef color, int width) {
  width = std::max(1, width);
  // Straight lines are filled rectangles, so that they cover whole units.
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
  SetColor(cr_, color);
  cairo_set_line_width(cr_, width);
  cairo_move_to(cr_, from.x + 0.5, from.y + 0.5);
  cairo_line_to(cr_, to.x + 0.5, to.y + 0.5);
  cairo_stroke(cr_);
}

void Canvas::drawText(Point origin, const FontSpec& font, ColorRef color, std::string_view text) {
  PangoLayout* layout = LayoutFor(cr_, font, text, text_);
  SetColor(cr_, color);
  cairo_move_to(cr_, origin.x, origin.y);
  pango_cairo_show_layout(cr_, layout);
  g_object_unref(layout);
}

void Canvas::drawImage(Point at, const Image& image) {
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
  cairo_set_source_surface(cr_, source, at.x, at.y);
  cairo_paint(cr_);
  cairo_surface_destroy(source);
}

FontMetrics MeasureFont(const FontSpec& spec, TextRendering rendering) {
  PangoLayout* layout = LayoutFor(MeasuringContext(), spec, "", rendering);
  PangoContext* context = pango_layout_get_context(layout);
  PangoFontDescription* description = DescriptionOf(spec);
  PangoFontMetrics* metrics = pango_context_get_metrics(context, description, nullptr);
  FontMetrics result;
  result.ascent = Ceil(pango_font_metrics_get_ascent(metrics));
  result.descent = Ceil(pango_font_metrics_get_descent(metrics));
  result.height = result.ascent + result.descent;
  result.internalLeading = std::max(0, result.height - EmUnits(spec));
  result.averageCharWidth =
      std::max(1, (pango_font_metrics_get_approximate_char_width(metrics) + PANGO_SCALE / 2) / PANGO_SCALE);
  result.maxCharWidth =
      std::max(result.averageCharWidth, Ceil(pango_font_metrics_get_approximate_digit_width(metrics)));
  pango_font_metrics_unref(metrics);
  pango_font_description_free(description);
  g_object_unref(layout);
  return result;
}

Rect InkOfText(const FontSpec& spec, std::string_view text, TextRendering rendering) {
  PangoLayout* layout = LayoutFor(MeasuringContext(), spec, text, rendering);
  PangoRectangle ink;
  pango_layout_get_pixel_extents(layout, &ink, nullptr);
  g_object_unref(layout);
  return Rect::FromSize(ink.x, ink.y, ink.width, ink.height);
}

int MeasureText(const FontSpec& spec, std::string_view text, TextRendering rendering) {
  if (text.empty()) return 0;
  PangoLayout* layout = LayoutFor(MeasuringContext(), spec, text, rendering);
  int width = 0;
  int height = 0;
  pango_layout_get_pixel_size(layout, &width, &height);
  g_object_unref(layout);
  return width;
}

}  // namespace platform::ui::cairo::detail

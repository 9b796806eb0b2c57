// The drawing calls of a surface (surface.h) on a cairo context, in its
// user space: shared by the image surface, which draws crisp pixels, and
// the pages of a PDF document, which are drawn as vectors at the printer's
// resolution. Text is laid out by pango in the face the font mapping gives.
#pragma once

#include <cairo.h>
#include <string_view>

#include "platform/ui/surface.h"

namespace platform::ui::cairo::detail {

enum class TextRendering {
  Crisp,   // hinted to whole pixels with grey smoothing (images)
  Vector,  // unhinted outlines, widths as the font designs them (PDF)
};

class Canvas {
 public:
  Canvas(cairo_t* cr, TextRendering text) : cr_(cr), text_(text) {}
  void setClip(const Rect& clip);
  void fillRect(const Rect& rect, ColorRef color);
  void invertRect(const Rect& rect);
  void drawLine(Point from, Point to, ColorRef color, int width);
  void drawText(Point origin, const FontSpec& font, ColorRef color, std::string_view text);
  void drawImage(Point at, const Image& image);

 private:
  cairo_t* cr_;
  TextRendering text_;
};

// Font metrics and text widths as pango lays the text out (in the units of
// the font's height).
FontMetrics MeasureFont(const FontSpec& spec, TextRendering text);
int MeasureText(const FontSpec& spec, std::string_view text, TextRendering rendering);
// The pixels the text's glyphs cover, relative to where it is drawn.
Rect InkOfText(const FontSpec& spec, std::string_view text, TextRendering rendering);

}  // namespace platform::ui::cairo::detail

// Drawing the window model with cairo and pango: an image surface the
// model's device contexts draw on, in the crisp classic look (fills and
// lines on whole pixels without smoothing, text hinted to the pixel grid
// with grey smoothing), its text in the face the font mapping gives
// (font.h: MappedFontFace). Text is the model's Windows-1252, drawn and
// measured as the characters it stands for.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/ui/surface.h"

namespace platform::ui::cairo {

class ImageSurface : public Surface {
 public:
  explicit ImageSurface(Size size);
  ~ImageSurface() override;
  ImageSurface(const ImageSurface&) = delete;
  ImageSurface& operator=(const ImageSurface&) = delete;

  Size size() const override { return size_; }
  void setClip(const Rect& clip) override;
  void fillRect(const Rect& rect, ColorRef color) override;
  void invertRect(const Rect& rect) override;
  void drawLine(Point from, Point to, ColorRef color, int width) override;
  void drawText(Point origin, const FontSpec& font, ColorRef color, std::string_view text) override;
  void drawImage(Point at, const Image& image) override;

  // The pixel's colour (0 outside the image).
  ColorRef pixel(int x, int y) const;
  // False when the file cannot be written.
  bool writePng(const std::string& path) const;
  // The pixels: rows of 32-bit 0x00RRGGBB values, stride bytes apart.
  const std::uint8_t* data() const;
  int stride() const;

 private:
  struct Cairo;
  Size size_;
  std::unique_ptr<Cairo> cairo_;
};

// Font metrics and text widths as pango measures them in the mapped face.
FontMetrics MeasureFontWithPango(const FontSpec& spec);
int MeasureTextWithPango(const FontSpec& spec, std::string_view text);
// The pixels the text's glyphs cover when drawn at 0,0 (the origin being
// the top-left corner of its cell); empty for text that marks nothing.
Rect InkOfTextWithPango(const FontSpec& spec, std::string_view text);

}  // namespace platform::ui::cairo

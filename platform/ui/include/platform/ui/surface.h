// What a device context draws on: a surface in device pixels. Backends
// supply surfaces (an image for tests and screenshots, a real window);
// RecordingSurface (recording_surface.h) keeps the calls for headless
// tests. Coordinates are device pixels with the origin at the top-left;
// every call is cut to the clip rectangle.
#pragma once

#include <string_view>

#include "platform/ui/color.h"
#include "platform/ui/font.h"
#include "platform/ui/image.h"
#include "platform/ui/types.h"

namespace platform::ui {

class Surface {
 public:
  virtual ~Surface() = default;
  virtual Size size() const = 0;
  // Replaces the clip rectangle (already within the surface).
  virtual void setClip(const Rect& clip) = 0;
  virtual void fillRect(const Rect& rect, ColorRef color) = 0;
  // Inverts every pixel of the rectangle (the caret).
  virtual void invertRect(const Rect& rect) = 0;
  // A line width pixels wide from `from` up to but not including `to`;
  // horizontal and vertical lines cover whole pixels exactly.
  virtual void drawLine(Point from, Point to, ColorRef color, int width) = 0;
  // One line of text (no tabs or line breaks) with the top of its
  // character cell at origin.y, drawn over what is there.
  virtual void drawText(Point origin, const FontSpec& font, ColorRef color, std::string_view text) = 0;
  // The image with its top-left at the point, blended by its alpha.
  virtual void drawImage(Point at, const Image& image) = 0;
};

// A surface that draws nothing (a window with no screen).
class NullSurface : public Surface {
 public:
  explicit NullSurface(Size size = {}) : size_(size) {}
  Size size() const override { return size_; }
  void setClip(const Rect&) override {}
  void fillRect(const Rect&, ColorRef) override {}
  void invertRect(const Rect&) override {}
  void drawLine(Point, Point, ColorRef, int) override {}
  void drawText(Point, const FontSpec&, ColorRef, std::string_view) override {}
  void drawImage(Point, const Image&) override {}

 private:
  Size size_;
};

}  // namespace platform::ui

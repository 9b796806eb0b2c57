// A surface that records what is drawn on it, each call with the clip in
// force, for headless tests of painting and layout.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/surface.h"

namespace platform::ui {

struct DrawCall {
  enum class Kind { Fill, Invert, Line, Text, Image };
  Kind kind = Kind::Fill;
  Rect rect;       // Fill, Invert; Image: where it lands
  Point from, to;  // Line; Text: from is the origin
  ColorRef color = 0;
  int width = 0;     // Line
  std::string text;  // Text
  FontSpec font;     // Text
  Rect clip;
};

class RecordingSurface : public Surface {
 public:
  explicit RecordingSurface(Size size) : size_(size), clip_{0, 0, size.width, size.height} {}
  Size size() const override { return size_; }
  void setClip(const Rect& clip) override { clip_ = clip; }
  void fillRect(const Rect& rect, ColorRef color) override;
  void invertRect(const Rect& rect) override;
  void drawLine(Point from, Point to, ColorRef color, int width) override;
  void drawText(Point origin, const FontSpec& font, ColorRef color, std::string_view text) override;
  void drawImage(Point at, const Image& image) override;

  const std::vector<DrawCall>& calls() const { return calls_; }
  void clear() { calls_.clear(); }
  // The text calls, in order.
  std::vector<DrawCall> texts() const;

 private:
  Size size_;
  Rect clip_;
  std::vector<DrawCall> calls_;
};

}  // namespace platform::ui

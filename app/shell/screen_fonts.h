// The program's fonts: the application font every dialog's edits, statics
// and buttons get, and the eight screen fonts of the rating screen, each
// made for the screen's density (height = -round(points x dpi / 72)).
#pragma once

#include <array>
#include <functional>

#include "platform/ui/font.h"

namespace qiv {

using FontFactory = std::function<platform::ui::FontHandle(const platform::ui::FontSpec&)>;

// "MS Sans Serif", 8 points, bold, fixed pitch in the Swiss family (33).
platform::ui::FontSpec ApplicationFontSpec();

// The eight screen fonts by their number (1..8).
enum class ScreenFont {
  Courier = 1,
  CourierBold = 2,
  CourierNew = 3,
  Labels = 4,   // labels and entry fields
  Heading = 5,  // the About box's first line
  SmallBold = 6,
  LineList = 7,  // the line list
  DraftCourier = 8,
};

class ScreenFonts {
 public:
  ScreenFonts() = default;
  ~ScreenFonts() { destroy(); }
  ScreenFonts(const ScreenFonts&) = delete;
  ScreenFonts& operator=(const ScreenFonts&) = delete;

  // Makes the eight in order; the first that cannot be made stops it: false.
  bool create(const FontFactory& factory);
  void destroy();
  platform::ui::FontHandle operator[](ScreenFont font) const { return fonts_[static_cast<int>(font) - 1]; }

  static platform::ui::FontSpec Spec(ScreenFont font);

 private:
  std::array<platform::ui::FontHandle, 8> fonts_{};
};

}  // namespace qiv

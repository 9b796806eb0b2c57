// Fonts as the window system knows them: a description (face, height,
// weight, pitch and family) behind a handle, and the metrics the layout
// needs (cell height and average character width, which make the dialog
// base units). Drawing text is the business of a later graphics layer.
//
// Headless metrics, the same for every face, weight and style (a
// fixed-pitch cell):
//   character height em = -height for a negative height, otherwise
//                         height - height / 6 (0 stands for 11, 8 points);
//   internal leading   = em / 5 (a negative height), height / 6 (positive);
//   cell height        = em + leading;
//   descent            = (em + 2) / 4, ascent = cell height - descent;
//   character width    = (em * 5 + 5) / 10, for every character.
// An 8-point font at 96 dpi (height -11) so measures 13 by 6.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ui/types.h"

namespace platform::ui {

struct FontSpec {
  std::string face;
  int height = 0;  // negative: character height; positive: cell height (pixels)
  int weight = 400;
  bool italic = false;
  bool underline = false;
  std::uint8_t pitchAndFamily = 0;
  std::uint8_t quality = 0;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

struct FontMetrics {
  int height = 0;  // cell height
  int ascent = 0;
  int descent = 0;
  int internalLeading = 0;
  int averageCharWidth = 0;
  int maxCharWidth = 0;
};

FontHandle CreateFont(const FontSpec& spec);
bool DeleteFont(FontHandle font);
// The description, or null for an invalid handle.
const FontSpec* FontSpecOf(FontHandle font);
// Metrics through the installed backend.
FontMetrics MeasureFont(FontHandle font);
// The width of a line of text in the font (tabs count as one character).
int MeasureTextWidth(FontHandle font, std::string_view text);
FontMetrics HeadlessFontMetrics(const FontSpec& spec);

// The face a rendering backend draws a font with. Known faces map by
// name, case ignored: "MS Sans Serif" to "Liberation Sans", "Courier" and
// "Courier New" to "Liberation Mono", "Times New Roman" to "Liberation
// Serif". Any other face (among them "MSSansSerif", written without its
// blanks, which names no face) falls back by the family in the high
// nibble of pitchAndFamily: Swiss (0x20) to the sans face, modern (0x30)
// to the mono face, roman (0x10) to the serif face; with no family, by the
// pitch in the low bits: fixed (1) to the mono face, else the sans face.
// The family decides before the pitch, so "fixed pitch, Swiss family"
// (0x21) is the sans face.
std::string_view MappedFontFace(const FontSpec& spec);

// The font of windows that were given none: "MS Sans Serif", 8 points at
// the screen's density of the moment.
FontHandle DefaultGuiFont();

// -round(points * dpi / 72), the height of a font of that many points on
// the screen.
int FontHeightForPoints(int points);

}  // namespace platform::ui

// Colours: a colour reference packs red, green and blue into the low three
// bytes (red lowest), as the program's colour constants are written. The
// system colours are those of the classic grey look; each has a stock
// brush.
#pragma once

#include <cstdint>

#include "platform/ui/types.h"

namespace platform::ui {

using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(unsigned red, unsigned green, unsigned blue) {
  return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}
constexpr unsigned RedOf(ColorRef color) { return color & 0xFFu; }
constexpr unsigned GreenOf(ColorRef color) { return (color >> 8) & 0xFFu; }
constexpr unsigned BlueOf(ColorRef color) { return (color >> 16) & 0xFFu; }

enum class SystemColor {
  ScrollBar,            // 192,192,192
  Desktop,              // 0,128,128
  ActiveCaption,        // 0,0,128
  InactiveCaption,      // 128,128,128
  Menu,                 // 192,192,192
  Window,               // 255,255,255
  WindowFrame,          // 0,0,0
  MenuText,             // 0,0,0
  WindowText,           // 0,0,0
  CaptionText,          // 255,255,255
  InactiveCaptionText,  // 192,192,192
  Highlight,            // 0,0,128
  HighlightText,        // 255,255,255
  ButtonFace,           // 192,192,192
  ButtonShadow,         // 128,128,128
  GrayText,             // 128,128,128
  ButtonText,           // 0,0,0
  ButtonHighlight,      // 255,255,255
  DarkShadow,           // 0,0,0 (the outer dark edge of a raised button)
  Light,                // 223,223,223 (the inner light edge of a raised button)
};
inline constexpr int kSystemColorCount = static_cast<int>(SystemColor::Light) + 1;

ColorRef GetSystemColor(SystemColor color);
// The stock brush of the colour (never to be deleted).
BrushHandle GetSystemColorBrush(SystemColor color);

}  // namespace platform::ui

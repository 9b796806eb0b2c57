// The sunken three-dimensional frame and button-face colours of controls
// with the 3-D style: one process-wide table of eight system colours and
// three brushes, shared by every registered control through a count.
#pragma once

#include "platform/ui/color.h"
#include "platform/ui/gdi.h"

namespace rowpane::draw3d {

using platform::ui::BrushHandle;
using platform::ui::ColorRef;
using platform::ui::DcHandle;
using platform::ui::Rect;

// Entries of the colour table.
enum Color {
  ButtonHighlight,
  ButtonFace,
  ButtonShadow,
  ButtonText,
  Window,
  WindowText,
  GrayText,
  WindowFrame,
  kColorCount
};

// Edge flags of Draw3dRec.
namespace edge {
inline constexpr unsigned Left = 0x1;
inline constexpr unsigned Top = 0x2;
inline constexpr unsigned Right = 0x4;
inline constexpr unsigned Bottom = 0x8;
inline constexpr unsigned All = Left | Top | Right | Bottom;
inline constexpr unsigned ShortBottom = 0x1000;  // the bottom edge stops 2 pixels short of the right side
}  // namespace edge

// The first registration decides whether 3-D drawing is on (a screen of
// more than 8 colours that is not 640 x 350) and loads the colours; the
// last one deletes the brushes and turns it off.
void Draw3dRegister();
void Draw3dUnregister();
bool Is3dOn();
int RegistrationCount();
ColorRef ColorOf(Color color);

// One-pixel edges on the rectangle's border pixels: left and top in colour
// a, right and bottom in colour b.
void Draw3dRec(DcHandle dc, const Rect& rect, ColorRef a, ColorRef b, unsigned flags);
// The inner frame on the rectangle (window frame, button face), the outer
// frame one pixel larger (shadow, highlight): a sunken frame.
void Draw3dInsetRect(DcHandle dc, const Rect& rect, unsigned flags);
// Button text on the button face: the brush of the face, null when 3-D is
// off.
BrushHandle Draw3dCtlColor(DcHandle dc);
// Reloads the colours after the system colours changed.
bool Draw3dColorChange();

}  // namespace rowpane::draw3d

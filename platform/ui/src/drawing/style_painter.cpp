// The classic-look painter (see style_painter.h).
#include "platform/ui/style_painter.h"

#include <array>

namespace platform::ui {

namespace {

ColorRef Sys(SystemColor color) { return GetSystemColor(color); }

void Pixel(DcHandle dc, int x, int y, ColorRef color) { FillSolidRect(dc, {x, y, x + 1, y + 1}, color); }

// Draws a pattern of characters, each a colour (space: nothing).
template <std::size_t Rows>
void PaintPattern(DcHandle dc, Point at, const std::array<const char*, Rows>& rows, ColorRef (*colorOf)(char, void*),
                  void* context) {
  for (std::size_t y = 0; y < Rows; ++y)
    for (std::size_t x = 0; rows[y][x] != '\0'; ++x)
      if (rows[y][x] != '.')
        Pixel(dc, at.x + static_cast<int>(x), at.y + static_cast<int>(y), colorOf(rows[y][x], context));
}

// The 7 by 7 check mark of check boxes and menu items.
constexpr int kCheckMarkSize = 7;
void PaintCheckMark(DcHandle dc, Point at, ColorRef color) {
  static constexpr std::array<const char*, kCheckMarkSize> kMark = {
      "......X", ".....XX", "X...XXX", "XX.XXX.", "XXXXX..", ".XXX...", "..X....",
  };
  for (std::size_t y = 0; y < kMark.size(); ++y)
    for (int x = 0; x < kCheckMarkSize; ++x)
      if (kMark[y][x] == 'X') Pixel(dc, at.x + x, at.y + static_cast<int>(y), color);
}

// Whether a pixel belongs to an image's drawing for the disabled look:
// opaque enough and darker than a light fill.
bool IsInk(std::uint32_t argb) {
  const unsigned alpha = argb >> 24;
  const unsigned red = (argb >> 16) & 0xFFu, green = (argb >> 8) & 0xFFu, blue = argb & 0xFFu;
  return alpha >= 0x80 && red * 30 + green * 59 + blue * 11 < 0xC0 * 100;
}

// The image's ink in one colour, in runs along each row.
void PaintInk(DcHandle dc, const Image& image, Point at, ColorRef color) {
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width;) {
      if (!IsInk(image.at(x, y))) {
        ++x;
        continue;
      }
      int end = x + 1;
      while (end < image.width && IsInk(image.at(end, y))) ++end;
      FillSolidRect(dc, {at.x + x, at.y + y, at.x + end, at.y + y + 1}, color);
      x = end;
    }
}

// Text in one colour over what is there; the context's background mode
// and text colour are as they were afterwards.
void DrawPlainText(DcHandle dc, std::string_view text, Rect place, unsigned format, ColorRef color) {
  const BackgroundMode mode = SetBackgroundMode(dc, BackgroundMode::Transparent);
  const ColorRef before = SetTextColor(dc, color);
  DrawText(dc, text, place, format);
  SetTextColor(dc, before);
  SetBackgroundMode(dc, mode);
}

// The same in the bold of the font (captions, title bands); the context's
// font is as it was afterwards.
void DrawBoldText(DcHandle dc, FontSpec font, std::string_view text, const Rect& place, unsigned format,
                  ColorRef color) {
  font.weight = 700;
  const FontHandle bold = CreateFont(font);
  const FontHandle previous = SelectFont(dc, bold);
  DrawPlainText(dc, text, place, format, color);
  SelectFont(dc, previous);
  DeleteFont(bold);
}

// A diagonal from the rectangle's bottom-right corner: the pixels
// `distance` steps up and left of it.
void PaintDiagonal(DcHandle dc, const Rect& rect, int distance, ColorRef color) {
  for (int i = 0; i <= distance; ++i) Pixel(dc, rect.right - 1 - i, rect.bottom - 1 - (distance - i), color);
}

struct RadioColors {
  ColorRef interior;
  ColorRef dot;
};

ColorRef RadioColor(char c, void* context) {
  const auto* colors = static_cast<const RadioColors*>(context);
  switch (c) {
    case 'S': return Sys(SystemColor::ButtonShadow);
    case 'D': return Sys(SystemColor::DarkShadow);
    case 'H': return Sys(SystemColor::ButtonHighlight);
    case 'L': return Sys(SystemColor::Light);
    case 'X': return colors->dot;
    default: return colors->interior;
  }
}

}  // namespace

Rect StylePainter::PaintBorder(DcHandle dc, const Rect& rect, Border border) {
  ColorRef topLeft = 0;
  ColorRef bottomRight = 0;
  switch (border) {
    case Border::RaisedOuter:
      topLeft = Sys(SystemColor::Light);
      bottomRight = Sys(SystemColor::DarkShadow);
      break;
    case Border::RaisedInner:
      topLeft = Sys(SystemColor::ButtonHighlight);
      bottomRight = Sys(SystemColor::ButtonShadow);
      break;
    case Border::SunkenOuter:
      topLeft = Sys(SystemColor::ButtonShadow);
      bottomRight = Sys(SystemColor::ButtonHighlight);
      break;
    case Border::SunkenInner:
      topLeft = Sys(SystemColor::DarkShadow);
      bottomRight = Sys(SystemColor::Light);
      break;
  }
  if (rect.width() < 1 || rect.height() < 1) return rect;
  FillSolidRect(dc, {rect.left, rect.top, rect.right - 1, rect.top + 1}, topLeft);
  FillSolidRect(dc, {rect.left, rect.top, rect.left + 1, rect.bottom - 1}, topLeft);
  FillSolidRect(dc, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
  FillSolidRect(dc, {rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
  return rect.inflatedBy(-1, -1);
}

Rect StylePainter::PaintEdge(DcHandle dc, const Rect& rect, Edge edge) {
  switch (edge) {
    case Edge::Raised: return PaintBorder(dc, PaintBorder(dc, rect, Border::RaisedOuter), Border::RaisedInner);
    case Edge::Sunken: return PaintBorder(dc, PaintBorder(dc, rect, Border::SunkenOuter), Border::SunkenInner);
    case Edge::Etched: return PaintBorder(dc, PaintBorder(dc, rect, Border::SunkenOuter), Border::RaisedInner);
    case Edge::Bump: return PaintBorder(dc, PaintBorder(dc, rect, Border::RaisedInner), Border::SunkenOuter);
  }
  return rect;
}

Rect StylePainter::PaintButton(DcHandle dc, const Rect& rect, bool pushed, bool isDefault) {
  Rect r = rect;
  if (isDefault || pushed) {
    FrameRect(dc, r, GetSystemColorBrush(SystemColor::WindowFrame));
    r = r.inflatedBy(-1, -1);
  }
  if (pushed) {
    FrameRect(dc, r, GetSystemColorBrush(SystemColor::ButtonShadow));
    r = r.inflatedBy(-1, -1);
    FillSolidRect(dc, r, Sys(SystemColor::ButtonFace));
    return r.offsetBy(1, 1);
  }
  r = PaintEdge(dc, r, Edge::Raised);
  FillSolidRect(dc, r, Sys(SystemColor::ButtonFace));
  return r;
}

void StylePainter::PaintFocusRect(DcHandle dc, const Rect& rect) {
  const ColorRef color = TextColorOf(dc);
  for (int x = rect.left; x < rect.right; x += 2) {
    Pixel(dc, x, rect.top, color);
    Pixel(dc, x, rect.bottom - 1, color);
  }
  for (int y = rect.top; y < rect.bottom; y += 2) {
    Pixel(dc, rect.left, y, color);
    Pixel(dc, rect.right - 1, y, color);
  }
}

void StylePainter::PaintCheckBox(DcHandle dc, Point at, int check, bool enabled, bool pushed) {
  const Rect box = Rect::FromSize(at.x, at.y, kCheckBoxSize, kCheckBoxSize);
  const Rect inside = PaintEdge(dc, box, Edge::Sunken);
  const bool face = pushed || !enabled || check == 2;
  FillSolidRect(dc, inside, Sys(face ? SystemColor::ButtonFace : SystemColor::Window));
  if (check == 0) return;
  const ColorRef color = (check == 2 || !enabled) ? Sys(SystemColor::ButtonShadow) : Sys(SystemColor::WindowText);
  PaintCheckMark(dc, {inside.left + 1, inside.top + 1}, color);
}

void StylePainter::PaintRadioButton(DcHandle dc, Point at, bool checked, bool enabled, bool pushed) {
  static constexpr std::array<const char*, kRadioButtonSize> kCircle = {
      "....SSSS....", "..SSDDDDSS..", ".SDDWWWWDDH.", ".SDWWWWWWLH.", "SDWWWWWWWWLH", "SDWWWWWWWWLH",
      "SDWWWWWWWWLH", "SDWWWWWWWWLH", ".SDWWWWWWLH.", ".SLLWWWWLLH.", "..HHLLLLHH..", "....HHHH....",
  };
  static constexpr std::array<const char*, kRadioButtonSize> kDot = {
      "............", "............", "............", "............", ".....XX.....", "....XXXX....",
      "....XXXX....", ".....XX.....", "............", "............", "............", "............",
  };
  RadioColors colors{Sys((pushed || !enabled) ? SystemColor::ButtonFace : SystemColor::Window),
                     Sys(enabled ? SystemColor::WindowText : SystemColor::ButtonShadow)};
  PaintPattern(dc, at, kCircle, &RadioColor, &colors);
  if (checked) PaintPattern(dc, at, kDot, &RadioColor, &colors);
}

void StylePainter::PaintGroupFrame(DcHandle dc, const Rect& rect, int top, int captionLeft, int captionWidth) {
  const Rect frame{rect.left, top, rect.right, rect.bottom};
  PaintEdge(dc, frame, Edge::Etched);
  if (captionWidth > 0)
    FillSolidRect(dc, {captionLeft, top, captionLeft + captionWidth, top + 2}, BackgroundColorOf(dc));
}

void StylePainter::PaintDisabledText(DcHandle dc, const Rect& rect, std::string_view text, unsigned drawTextFormat) {
  DrawPlainText(dc, text, rect.offsetBy(1, 1), drawTextFormat, Sys(SystemColor::ButtonHighlight));
  DrawPlainText(dc, text, rect, drawTextFormat, Sys(SystemColor::GrayText));
}

void StylePainter::PaintArrowButton(DcHandle dc, const Rect& rect, Arrow arrow, bool pushed, bool enabled) {
  Rect face;
  if (pushed) {
    FrameRect(dc, rect, GetSystemColorBrush(SystemColor::ButtonShadow));
    face = rect.inflatedBy(-1, -1);
    FillSolidRect(dc, face, Sys(SystemColor::ButtonFace));
    face = face.offsetBy(1, 1);
  } else {
    face = PaintEdge(dc, rect, Edge::Raised);
    FillSolidRect(dc, face, Sys(SystemColor::ButtonFace));
  }
  // A solid triangle four rows deep (7, 5, 3, 1 pixels), centred.
  const int cx = face.left + face.width() / 2;
  const int cy = face.top + face.height() / 2;
  auto draw = [&](ColorRef color, int shift) {
    for (int i = 0; i < 4; ++i) {
      const int half = 3 - i;
      switch (arrow) {
        case Arrow::Down:
          FillSolidRect(dc, {cx - half + shift, cy - 2 + i + shift, cx + half + 1 + shift, cy - 1 + i + shift}, color);
          break;
        case Arrow::Up:
          FillSolidRect(dc, {cx - half + shift, cy + 1 - i + shift, cx + half + 1 + shift, cy + 2 - i + shift}, color);
          break;
        case Arrow::Right:
          FillSolidRect(dc, {cx - 2 + i + shift, cy - half + shift, cx - 1 + i + shift, cy + half + 1 + shift}, color);
          break;
        case Arrow::Left:
          FillSolidRect(dc, {cx + 1 - i + shift, cy - half + shift, cx + 2 - i + shift, cy + half + 1 + shift}, color);
          break;
      }
    }
  };
  if (enabled) {
    draw(Sys(SystemColor::ButtonText), 0);
  } else {
    draw(Sys(SystemColor::ButtonHighlight), 1);
    draw(Sys(SystemColor::ButtonShadow), 0);
  }
}

void StylePainter::PaintScrollBar(DcHandle dc, const ScrollBarLayout& layout, bool vertical, bool enabled) {
  if (layout.bar.isEmpty()) return;
  // The track: the light dither of the classic look, drawn as the light
  // colour.
  FillSolidRect(dc, layout.bar, Sys(SystemColor::Light));
  PaintArrowButton(dc, layout.lineUp, vertical ? Arrow::Up : Arrow::Left, false, enabled);
  PaintArrowButton(dc, layout.lineDown, vertical ? Arrow::Down : Arrow::Right, false, enabled);
  if (!layout.thumb.isEmpty()) {
    const Rect face = PaintEdge(dc, layout.thumb, Edge::Raised);
    FillSolidRect(dc, face, Sys(SystemColor::ButtonFace));
  }
}

Rect StylePainter::PaintWindowFrame(DcHandle dc, const Rect& rect, Frame frame) {
  switch (frame) {
    case Frame::None: return rect;
    case Frame::Border:
      FrameRect(dc, rect, GetSystemColorBrush(SystemColor::WindowFrame));
      return rect.inflatedBy(-1, -1);
    case Frame::Dialog:
    case Frame::Thick: {
      Rect inside = PaintEdge(dc, rect, Edge::Raised);
      const int face = frame == Frame::Dialog ? 1 : 2;
      for (int i = 0; i < face; ++i) {
        FrameRect(dc, inside, GetSystemColorBrush(SystemColor::ButtonFace));
        inside = inside.inflatedBy(-1, -1);
      }
      return inside;
    }
  }
  return rect;
}

void StylePainter::PaintCaption(DcHandle dc, const Rect& rect, std::string_view text, bool active, BitmapHandle icon) {
  FillSolidRect(dc, rect, Sys(active ? SystemColor::ActiveCaption : SystemColor::InactiveCaption));
  int textLeft = rect.left + 3;
  if (const Image* image = BitmapImage(icon)) {
    const Point at{rect.left + 2, rect.top + (rect.height() - kCaptionIconSize) / 2};
    const BitmapHandle small = CreateBitmap(ScaledImage(*image, {kCaptionIconSize, kCaptionIconSize}));
    DrawBitmap(dc, small, at);
    DeleteBitmap(small);
    textLeft = at.x + kCaptionIconSize + 3;
  }
  DrawBoldText(dc, *FontSpecOf(DefaultGuiFont()), text, {textLeft, rect.top, rect.right - 3, rect.bottom},
               draw_text::SingleLine | draw_text::VerticalCenter | draw_text::NoPrefix,
               Sys(active ? SystemColor::CaptionText : SystemColor::InactiveCaptionText));
}

// ---- tabs and month calendars

Rect StylePainter::PaintTab(DcHandle dc, const Rect& rect) {
  if (rect.width() < 4 || rect.height() < 2) return rect;
  const Rect face{rect.left + 1, rect.top + 1, rect.right - 2, rect.bottom};
  FillSolidRect(dc, face, Sys(SystemColor::ButtonFace));
  FillSolidRect(dc, {rect.left, rect.top + 2, rect.left + 1, rect.bottom}, Sys(SystemColor::ButtonHighlight));
  Pixel(dc, rect.left + 1, rect.top + 1, Sys(SystemColor::ButtonHighlight));
  FillSolidRect(dc, {rect.left + 2, rect.top, rect.right - 2, rect.top + 1}, Sys(SystemColor::ButtonHighlight));
  Pixel(dc, rect.right - 2, rect.top + 1, Sys(SystemColor::DarkShadow));
  FillSolidRect(dc, {rect.right - 1, rect.top + 2, rect.right, rect.bottom}, Sys(SystemColor::DarkShadow));
  FillSolidRect(dc, {rect.right - 2, rect.top + 2, rect.right - 1, rect.bottom}, Sys(SystemColor::ButtonShadow));
  return {rect.left + 2, rect.top + 2, rect.right - 2, rect.bottom};
}

Rect StylePainter::PaintTabPanel(DcHandle dc, const Rect& rect) { return PaintEdge(dc, rect, Edge::Raised); }

void StylePainter::PaintCalendarTitle(DcHandle dc, const Rect& band, std::string_view title, const Rect& previous,
                                      const Rect& next) {
  FillSolidRect(dc, band, Sys(SystemColor::ActiveCaption));
  PaintArrowButton(dc, previous, Arrow::Left, false, true);
  PaintArrowButton(dc, next, Arrow::Right, false, true);
  const FontSpec* selected = FontSpecOf(SelectedFont(dc));
  DrawBoldText(dc, selected ? *selected : *FontSpecOf(DefaultGuiFont()), title,
               {previous.right, band.top, next.left, band.bottom},
               draw_text::SingleLine | draw_text::Center | draw_text::VerticalCenter | draw_text::NoPrefix,
               Sys(SystemColor::CaptionText));
}

void StylePainter::PaintCalendarDay(DcHandle dc, const Rect& rect, std::string_view number, CalendarDay look) {
  const BackgroundMode mode = SetBackgroundMode(dc, BackgroundMode::Transparent);
  SystemColor text = look.dim ? SystemColor::GrayText : SystemColor::WindowText;
  if (look.selected) {
    FillSolidRect(dc, rect, Sys(SystemColor::Highlight));
    text = SystemColor::HighlightText;
  }
  const ColorRef color = SetTextColor(dc, Sys(text));
  Rect place = rect;
  DrawText(dc, number, place,
           draw_text::SingleLine | draw_text::Center | draw_text::VerticalCenter | draw_text::NoPrefix);
  if (look.today) {
    const BrushHandle mark = CreateSolidBrush(kTodayMark);
    FrameRect(dc, rect, mark);
    DeleteBrush(mark);
  }
  if (look.selected && look.focused) {
    SetTextColor(dc, Sys(SystemColor::HighlightText));
    PaintFocusRect(dc, rect.inflatedBy(-1, -1));
  }
  SetTextColor(dc, color);
  SetBackgroundMode(dc, mode);
}

// ---- toolbars

Rect StylePainter::PaintToolbarButton(DcHandle dc, const Rect& rect, const ToolbarButtonLook& look) {
  const bool down = look.pressed || look.checked;
  FillSolidRect(dc, rect,
                Sys(look.checked && !look.pressed && !look.hot ? SystemColor::Light : SystemColor::ButtonFace));
  Rect face = rect;
  if (look.flat) {
    if (down)
      face = PaintBorder(dc, rect, Border::SunkenOuter);
    else if (look.hot && look.enabled)
      face = PaintBorder(dc, rect, Border::RaisedInner);
    else
      face = rect.inflatedBy(-1, -1);
  } else {
    face = PaintEdge(dc, rect, down ? Edge::Sunken : Edge::Raised);
  }
  return down ? face.offsetBy(1, 1) : face;
}

void StylePainter::PaintToolbarSeparator(DcHandle dc, const Rect& rect, bool flat) {
  FillSolidRect(dc, rect, Sys(SystemColor::ButtonFace));
  if (!flat) return;
  const int x = rect.left + rect.width() / 2 - 1;
  FillSolidRect(dc, {x, rect.top + 1, x + 1, rect.bottom - 1}, Sys(SystemColor::ButtonShadow));
  FillSolidRect(dc, {x + 1, rect.top + 1, x + 2, rect.bottom - 1}, Sys(SystemColor::ButtonHighlight));
}

void StylePainter::PaintDisabledImage(DcHandle dc, const Image& image, Point at) {
  PaintInk(dc, image, {at.x + 1, at.y + 1}, Sys(SystemColor::ButtonHighlight));
  PaintInk(dc, image, at, Sys(SystemColor::ButtonShadow));
}

// ---- status bars

Rect StylePainter::PaintStatusPane(DcHandle dc, const Rect& rect) { return PaintBorder(dc, rect, Border::SunkenOuter); }

void StylePainter::PaintSizeGrip(DcHandle dc, const Rect& rect) {
  for (int groove = 0; groove < 3; ++groove) {
    const int outer = 4 * groove + 2;
    PaintDiagonal(dc, rect, outer, Sys(SystemColor::ButtonShadow));
    PaintDiagonal(dc, rect, outer + 1, Sys(SystemColor::ButtonShadow));
    PaintDiagonal(dc, rect, outer + 2, Sys(SystemColor::ButtonHighlight));
  }
}

// ---- tool tips

Rect StylePainter::PaintToolTipFrame(DcHandle dc, const Rect& rect) {
  FrameRect(dc, rect, GetSystemColorBrush(SystemColor::WindowFrame));
  const Rect inside = rect.inflatedBy(-1, -1);
  FillSolidRect(dc, inside, kToolTipBackground);
  return inside;
}

// ---- menus

Rect StylePainter::PaintMenuFrame(DcHandle dc, const Rect& rect) {
  const Rect inside = PaintEdge(dc, rect, Edge::Raised);
  FillSolidRect(dc, inside, Sys(SystemColor::Menu));
  return inside;
}

void StylePainter::PaintMenuItem(DcHandle dc, const Rect& rect, std::string_view text, const MenuItemLook& look) {
  if (look.separator) {
    FillSolidRect(dc, rect, Sys(SystemColor::Menu));
    const int y = rect.top + rect.height() / 2 - 1;
    FillSolidRect(dc, {rect.left + 1, y, rect.right - 1, y + 1}, Sys(SystemColor::ButtonShadow));
    FillSolidRect(dc, {rect.left + 1, y + 1, rect.right - 1, y + 2}, Sys(SystemColor::ButtonHighlight));
    return;
  }
  FillSolidRect(dc, rect, Sys(look.highlighted ? SystemColor::Highlight : SystemColor::Menu));
  const ColorRef ink = look.grayed        ? Sys(SystemColor::GrayText)
                       : look.highlighted ? Sys(SystemColor::HighlightText)
                                          : Sys(SystemColor::MenuText);
  if (look.checked) {
    const Point mark{rect.left + (kMenuTextIndent - kCheckMarkSize) / 2,
                     rect.top + (rect.height() - kCheckMarkSize) / 2};
    if (look.grayed && !look.highlighted)
      PaintCheckMark(dc, {mark.x + 1, mark.y + 1}, Sys(SystemColor::ButtonHighlight));
    PaintCheckMark(dc, mark, ink);
  }
  const std::size_t tab = text.find('\t');
  const std::string_view label = text.substr(0, tab);
  const std::string_view accelerator = tab == std::string_view::npos ? std::string_view() : text.substr(tab + 1);
  const Rect place{rect.left + kMenuTextIndent, rect.top, rect.right - kMenuAcceleratorMargin, rect.bottom};
  const unsigned format = draw_text::SingleLine | draw_text::VerticalCenter;
  if (look.grayed && !look.highlighted) {
    PaintDisabledText(dc, place, label, format);
    PaintDisabledText(dc, place, accelerator, format | draw_text::Right);
    return;
  }
  DrawPlainText(dc, label, place, format, ink);
  DrawPlainText(dc, accelerator, place, format | draw_text::Right, ink);
}

void StylePainter::PaintMenuBarTitle(DcHandle dc, const Rect& rect, std::string_view text, MenuBarTitle title) {
  FillSolidRect(dc, rect, Sys(SystemColor::Menu));
  Rect place = rect;
  if (title == MenuBarTitle::Open) {
    PaintBorder(dc, rect, Border::SunkenOuter);
    place = rect.offsetBy(1, 1);
  } else if (title == MenuBarTitle::Highlighted) {
    PaintBorder(dc, rect, Border::RaisedInner);
  }
  DrawPlainText(dc, text, place, draw_text::SingleLine | draw_text::Center | draw_text::VerticalCenter,
                Sys(SystemColor::MenuText));
}

// ---- owner-drawn items

void StylePainter::PaintItemFocusRect(DcHandle dc, const Rect& rect) {
  if (rect.isEmpty()) return;
  // Each pixel of the outline once, every other one by its distance from
  // the corner, so that the pattern is the dotted one and nothing is
  // inverted twice.
  const auto dot = [&](int x, int y) {
    if ((x - rect.left + y - rect.top) % 2 == 0) InvertRect(dc, {x, y, x + 1, y + 1});
  };
  for (int x = rect.left; x < rect.right; ++x) {
    dot(x, rect.top);
    if (rect.height() > 1) dot(x, rect.bottom - 1);
  }
  for (int y = rect.top + 1; y < rect.bottom - 1; ++y) {
    dot(rect.left, y);
    if (rect.width() > 1) dot(rect.right - 1, y);
  }
}

}  // namespace platform::ui

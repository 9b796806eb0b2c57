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
      if (rows[y][x] != '.') Pixel(dc, at.x + static_cast<int>(x), at.y + static_cast<int>(y), colorOf(rows[y][x], context));
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
  static constexpr std::array<const char*, 7> kMark = {
      "......X", ".....XX", "X...XXX", "XX.XXX.", "XXXXX..", ".XXX...", "..X....",
  };
  const ColorRef color = (check == 2 || !enabled) ? Sys(SystemColor::ButtonShadow) : Sys(SystemColor::WindowText);
  for (std::size_t y = 0; y < kMark.size(); ++y)
    for (int x = 0; x < 7; ++x)
      if (kMark[y][x] == 'X') Pixel(dc, inside.left + 1 + x, inside.top + 1 + static_cast<int>(y), color);
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
  const BackgroundMode mode = SetBackgroundMode(dc, BackgroundMode::Transparent);
  const ColorRef color = SetTextColor(dc, Sys(SystemColor::ButtonHighlight));
  Rect shadow = rect.offsetBy(1, 1);
  DrawText(dc, text, shadow, drawTextFormat);
  SetTextColor(dc, Sys(SystemColor::GrayText));
  Rect place = rect;
  DrawText(dc, text, place, drawTextFormat);
  SetTextColor(dc, color);
  SetBackgroundMode(dc, mode);
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

void StylePainter::PaintCaption(DcHandle dc, const Rect& rect, std::string_view text, bool active) {
  FillSolidRect(dc, rect, Sys(active ? SystemColor::ActiveCaption : SystemColor::InactiveCaption));
  FontSpec spec = *FontSpecOf(DefaultGuiFont());
  spec.weight = 700;
  const FontHandle bold = CreateFont(spec);
  const FontHandle previous = SelectFont(dc, bold);
  const BackgroundMode mode = SetBackgroundMode(dc, BackgroundMode::Transparent);
  const ColorRef color = SetTextColor(dc, Sys(active ? SystemColor::CaptionText : SystemColor::InactiveCaptionText));
  Rect place{rect.left + 3, rect.top, rect.right - 3, rect.bottom};
  DrawText(dc, text, place, draw_text::SingleLine | draw_text::VerticalCenter | draw_text::NoPrefix);
  SetTextColor(dc, color);
  SetBackgroundMode(dc, mode);
  SelectFont(dc, previous);
  DeleteFont(bold);
}

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
  FontSpec spec = selected ? *selected : *FontSpecOf(DefaultGuiFont());
  spec.weight = 700;
  const FontHandle bold = CreateFont(spec);
  const FontHandle previousFont = SelectFont(dc, bold);
  const BackgroundMode mode = SetBackgroundMode(dc, BackgroundMode::Transparent);
  const ColorRef color = SetTextColor(dc, Sys(SystemColor::CaptionText));
  Rect place{previous.right, band.top, next.left, band.bottom};
  DrawText(dc, title, place, draw_text::SingleLine | draw_text::Center | draw_text::VerticalCenter | draw_text::NoPrefix);
  SetTextColor(dc, color);
  SetBackgroundMode(dc, mode);
  SelectFont(dc, previousFont);
  DeleteFont(bold);
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
  DrawText(dc, number, place, draw_text::SingleLine | draw_text::Center | draw_text::VerticalCenter | draw_text::NoPrefix);
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

}  // namespace platform::ui

// Text out, tabbed text and formatted text on a device context.
#include <algorithm>
#include <vector>

#include "gdi_internal.h"

namespace platform::ui {

namespace {

struct Piece {
  std::string_view text;
  int x = 0;
};

// The default tab distance: eight average character widths.
int DefaultTabDistance(DcHandle dc) { return 8 * GetTextMetrics(dc).averageCharWidth; }

// Splits the text at its tabs and places each piece by the tab rule of
// gdi.h. Stops count from the tab origin, which lies `offset` pixels left
// of the text's start; the pieces' places count from the text's start.
std::vector<Piece> PlaceTabbedPieces(DcHandle dc, std::string_view text, std::span<const int> stops, int offset = 0) {
  std::vector<Piece> pieces;
  const int distance = stops.size() == 1 && stops[0] > 0 ? stops[0] : DefaultTabDistance(dc);
  const std::span<const int> list = stops.size() == 1 ? std::span<const int>() : stops;
  std::size_t nextStop = 0;
  int x = offset;  // from the tab origin
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = text.find('\t', start);
    const std::string_view piece =
        text.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
    pieces.push_back({piece, x - offset});
    x += GetTextExtent(dc, piece).width;
    if (tab == std::string_view::npos) break;
    while (nextStop < list.size() && list[nextStop] <= x) ++nextStop;
    if (nextStop < list.size()) {
      x = list[nextStop++];
    } else {
      x = (x / distance + 1) * distance;
    }
    start = tab + 1;
  }
  return pieces;
}

void DrawUnderline(detail::DcRecord& record, int x, int y, int width) {
  const FontMetrics metrics = detail::MeasureFontFor(record, record.settings.font);
  const Point from = record.toDevice(Point{x, y + metrics.ascent + 1});
  record.target().fillRect({from.x, from.y, from.x + width, from.y + 1}, record.settings.textColor);
}

// The lines DrawText shows: broken at '\n', and with WordBreak between
// words where a line would pass the width.
std::vector<std::string> BreakLines(DcHandle dc, std::string_view text, unsigned format, int width) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = (format & draw_text::SingleLine) ? std::string_view::npos : text.find('\n', start);
    std::string_view paragraph =
        text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (!paragraph.empty() && paragraph.back() == '\r') paragraph.remove_suffix(1);
    if (!(format & draw_text::WordBreak) || (format & draw_text::SingleLine)) {
      lines.emplace_back(paragraph);
    } else {
      std::string line;
      std::size_t at = 0;
      while (at <= paragraph.size()) {
        std::size_t blank = paragraph.find(' ', at);
        if (blank == std::string_view::npos) blank = paragraph.size();
        const std::string word(paragraph.substr(at, blank - at));
        const std::string candidate = line.empty() ? word : line + " " + word;
        if (!line.empty() && GetTextExtent(dc, StripPrefixes(candidate)).width > width) {
          lines.push_back(line);
          line = word;
        } else {
          line = candidate;
        }
        at = blank + 1;
      }
      lines.push_back(line);
    }
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return lines;
}

}  // namespace

FontMetrics GetTextMetrics(DcHandle dc) {
  const detail::DcRecord* record = detail::FindDc(dc);
  return record ? detail::MeasureFontFor(*record, record->settings.font) : MeasureFont(DefaultGuiFont());
}

Size GetTextExtent(DcHandle dc, std::string_view text) {
  const detail::DcRecord* record = detail::FindDc(dc);
  if (record == nullptr) return {MeasureTextWidth(DefaultGuiFont(), text), MeasureFont(DefaultGuiFont()).height};
  const FontHandle font = record->settings.font;
  return {detail::MeasureTextWidthFor(*record, font, text), detail::MeasureFontFor(*record, font).height};
}

bool TextOut(DcHandle dc, int x, int y, std::string_view text) {
  detail::DcRecord* record = detail::FindDc(dc);
  if (record == nullptr) return false;
  const bool updating = (record->settings.textAlign & text_align::UpdatePosition) != 0;
  if (updating) {
    x = record->settings.position.x;
    y = record->settings.position.y;
  }
  const Size extent = GetTextExtent(dc, text);
  if (record->settings.backgroundMode == BackgroundMode::Opaque)
    record->target().fillRect(record->toDevice(Rect::FromSize(x, y, extent.width, extent.height)),
                              record->settings.backgroundColor);
  if (const FontSpec* spec = FontSpecOf(record->settings.font); spec != nullptr && !text.empty())
    record->target().drawText(record->toDevice(Point{x, y}), *spec, record->settings.textColor, text);
  if (updating) record->settings.position.x = x + extent.width;
  return true;
}

bool ExtTextOut(DcHandle dc, int x, int y, unsigned options, const Rect& rect, std::string_view text) {
  detail::DcRecord* record = detail::FindDc(dc);
  if (record == nullptr) return false;
  const Rect savedClip = record->settings.clip;
  if (options & text_out::Opaque) record->target().fillRect(record->toDevice(rect), record->settings.backgroundColor);
  if (options & text_out::Clipped) IntersectClip(dc, rect);
  const BackgroundMode mode = record->settings.backgroundMode;
  if (options & text_out::Opaque) record->settings.backgroundMode = BackgroundMode::Transparent;
  TextOut(dc, x, y, text);
  record->settings.backgroundMode = mode;
  record->settings.clip = savedClip;
  return true;
}

std::vector<int> TabbedTextPositions(DcHandle dc, std::string_view text, std::span<const int> tabStops) {
  std::vector<int> positions;
  for (const Piece& piece : PlaceTabbedPieces(dc, text, tabStops)) positions.push_back(piece.x);
  return positions;
}

Size GetTabbedTextExtent(DcHandle dc, std::string_view text, std::span<const int> tabStops) {
  const std::vector<Piece> pieces = PlaceTabbedPieces(dc, text, tabStops);
  const Piece& last = pieces.back();
  return {last.x + GetTextExtent(dc, last.text).width, GetTextMetrics(dc).height};
}

Size TabbedTextOut(DcHandle dc, int x, int y, std::string_view text, std::span<const int> tabStops, int tabOrigin) {
  detail::DcRecord* record = detail::FindDc(dc);
  if (record == nullptr) return {};
  const std::vector<Piece> pieces = PlaceTabbedPieces(dc, text, tabStops, x - tabOrigin);
  const Piece& last = pieces.back();
  const Size extent{last.x + GetTextExtent(dc, last.text).width, GetTextMetrics(dc).height};
  if (record->settings.backgroundMode == BackgroundMode::Opaque)
    record->target().fillRect(record->toDevice(Rect::FromSize(x, y, extent.width, extent.height)),
                              record->settings.backgroundColor);
  const BackgroundMode mode = SetBackgroundMode(dc, BackgroundMode::Transparent);
  const unsigned align = SetTextAlign(dc, text_align::Default);
  for (const Piece& piece : pieces) TextOut(dc, x + piece.x, y, piece.text);
  SetTextAlign(dc, align);
  SetBackgroundMode(dc, mode);
  return extent;
}

std::string StripPrefixes(std::string_view text, int* underlined) {
  std::string shown;
  if (underlined != nullptr) *underlined = -1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) {
      ++i;
      if (text[i] != '&' && underlined != nullptr && *underlined < 0) *underlined = static_cast<int>(shown.size());
    }
    shown += text[i];
  }
  return shown;
}

int DrawText(DcHandle dc, std::string_view text, Rect& rect, unsigned format) {
  detail::DcRecord* record = detail::FindDc(dc);
  if (record == nullptr) return 0;
  const bool prefixes = !(format & draw_text::NoPrefix);
  const int lineHeight = GetTextMetrics(dc).height;
  const std::vector<std::string> lines = BreakLines(dc, text, format, rect.width());
  const int height = lineHeight * static_cast<int>(lines.size());
  const int tab = DefaultTabDistance(dc);
  auto widthOf = [&](const std::string& shown) {
    return (format & draw_text::ExpandTabs) ? GetTabbedTextExtent(dc, shown, std::span<const int>(&tab, 1)).width
                                            : GetTextExtent(dc, shown).width;
  };
  if (format & draw_text::CalculateRect) {
    int widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, widthOf(prefixes ? StripPrefixes(line) : line));
    rect.right = rect.left + widest;
    rect.bottom = rect.top + height;
    return height;
  }
  int y = rect.top;
  if (format & draw_text::SingleLine) {
    if (format & draw_text::VerticalCenter)
      y = rect.top + (rect.height() - lineHeight) / 2;
    else if (format & draw_text::Bottom)
      y = rect.bottom - lineHeight;
  }
  const Rect savedClip = record->settings.clip;
  if (!(format & draw_text::NoClip)) IntersectClip(dc, rect);
  for (const std::string& line : lines) {
    int underlined = -1;
    const std::string shown = prefixes ? StripPrefixes(line, &underlined) : line;
    const int width = widthOf(shown);
    int x = rect.left;
    if (format & draw_text::Center)
      x = rect.left + (rect.width() - width) / 2;
    else if (format & draw_text::Right)
      x = rect.right - width;
    if (format & draw_text::ExpandTabs)
      TabbedTextOut(dc, x, y, shown, std::span<const int>(&tab, 1), x);
    else
      TextOut(dc, x, y, shown);
    if (underlined >= 0) {
      const int before = GetTextExtent(dc, std::string_view(shown).substr(0, underlined)).width;
      const int width1 = GetTextExtent(dc, std::string_view(shown).substr(underlined, 1)).width;
      DrawUnderline(*record, x + before, y, width1);
    }
    y += lineHeight;
  }
  record->settings.clip = savedClip;
  return height;
}

}  // namespace platform::ui

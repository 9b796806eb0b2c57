// Font handles and the headless font metrics (described in font.h).
#include "platform/ui/font.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <unordered_map>

#include "platform/ui/backend.h"
#include "platform/ui/metrics.h"

namespace platform::ui {

namespace {

struct FontTable {
  std::unordered_map<std::uintptr_t, std::unique_ptr<FontSpec>> fonts;
  std::uintptr_t next = 0x20000;
};

FontTable& Fonts() {
  static FontTable* table = new FontTable();  // lives to the end of the process
  return *table;
}

}  // namespace

FontHandle CreateFont(const FontSpec& spec) {
  FontTable& table = Fonts();
  const std::uintptr_t id = table.next++;
  table.fonts.emplace(id, std::make_unique<FontSpec>(spec));
  return reinterpret_cast<FontHandle>(id);
}

bool DeleteFont(FontHandle font) {
  if (font == DefaultGuiFont()) return false;
  return Fonts().fonts.erase(reinterpret_cast<std::uintptr_t>(font)) != 0;
}

const FontSpec* FontSpecOf(FontHandle font) {
  DefaultGuiFont();  // brings the default font's height up to date
  FontTable& table = Fonts();
  auto it = table.fonts.find(reinterpret_cast<std::uintptr_t>(font));
  return it == table.fonts.end() ? nullptr : it->second.get();
}

FontMetrics HeadlessFontMetrics(const FontSpec& spec) {
  int em = 0;
  int leading = 0;
  if (spec.height < 0) {
    em = -spec.height;
    leading = em / 5;
  } else if (spec.height > 0) {
    leading = spec.height / 6;
    em = spec.height - leading;
  } else {
    em = 11;
    leading = em / 5;
  }
  em = std::max(em, 1);
  FontMetrics metrics;
  metrics.height = em + leading;
  metrics.internalLeading = leading;
  metrics.descent = (em + 2) / 4;
  metrics.ascent = metrics.height - metrics.descent;
  metrics.averageCharWidth = std::max(1, (em * 5 + 5) / 10);
  metrics.maxCharWidth = metrics.averageCharWidth;
  return metrics;
}

std::string_view MappedFontFace(const FontSpec& spec) {
  static constexpr std::string_view kSans = "Liberation Sans";
  static constexpr std::string_view kMono = "Liberation Mono";
  static constexpr std::string_view kSerif = "Liberation Serif";
  std::string face;
  for (char c : spec.face) face += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (face == "ms sans serif") return kSans;
  if (face == "courier" || face == "courier new") return kMono;
  if (face == "times new roman") return kSerif;
  switch (spec.pitchAndFamily & 0xF0) {
    case 0x10: return kSerif;
    case 0x20: return kSans;
    case 0x30: return kMono;
    default: break;
  }
  return (spec.pitchAndFamily & 0x03) == 1 ? kMono : kSans;
}

FontMetrics MeasureFont(FontHandle font) {
  const FontSpec* spec = FontSpecOf(font);
  if (spec == nullptr) spec = FontSpecOf(DefaultGuiFont());
  return CurrentBackend().measureFont(*spec);
}

int MeasureTextWidth(FontHandle font, std::string_view text) {
  const FontSpec* spec = FontSpecOf(font);
  if (spec == nullptr) spec = FontSpecOf(DefaultGuiFont());
  return CurrentBackend().measureTextWidth(*spec, text);
}

int FontHeightForPoints(int points) { return -MulDiv(points, GetSystemMetric(SystemMetric::ScreenDpi), 72); }

FontHandle DefaultGuiFont() {
  static FontHandle font = [] {
    FontSpec spec;
    spec.face = "MS Sans Serif";
    return CreateFont(spec);
  }();
  // Eight points on the screen as it is now: the density may change (a
  // test sets one), and windows keep the handle.
  Fonts().fonts.at(reinterpret_cast<std::uintptr_t>(font))->height = FontHeightForPoints(8);
  return font;
}

}  // namespace platform::ui

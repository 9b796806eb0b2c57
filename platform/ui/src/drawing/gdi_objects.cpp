// Pens, brushes, bitmaps and the system colours behind their handles.
#include <array>
#include <memory>
#include <unordered_map>

#include "gdi_internal.h"
#include "platform/ui/color.h"

namespace platform::ui {

namespace {

constexpr std::array<ColorRef, kSystemColorCount> kSystemColors = {
    Rgb(192, 192, 192),  // ScrollBar
    Rgb(0, 128, 128),    // Desktop
    Rgb(0, 0, 128),      // ActiveCaption
    Rgb(128, 128, 128),  // InactiveCaption
    Rgb(192, 192, 192),  // Menu
    Rgb(255, 255, 255),  // Window
    Rgb(0, 0, 0),        // WindowFrame
    Rgb(0, 0, 0),        // MenuText
    Rgb(0, 0, 0),        // WindowText
    Rgb(255, 255, 255),  // CaptionText
    Rgb(192, 192, 192),  // InactiveCaptionText
    Rgb(0, 0, 128),      // Highlight
    Rgb(255, 255, 255),  // HighlightText
    Rgb(192, 192, 192),  // ButtonFace
    Rgb(128, 128, 128),  // ButtonShadow
    Rgb(128, 128, 128),  // GrayText
    Rgb(0, 0, 0),        // ButtonText
    Rgb(255, 255, 255),  // ButtonHighlight
    Rgb(0, 0, 0),        // DarkShadow
    Rgb(223, 223, 223),  // Light
};

struct BrushRecord {
  bool null = false;
  ColorRef color = 0;
  bool stock = false;
};

struct ObjectTables {
  std::unordered_map<std::uintptr_t, detail::PenRecord> pens;
  std::unordered_map<std::uintptr_t, BrushRecord> brushes;
  std::unordered_map<std::uintptr_t, std::unique_ptr<Image>> bitmaps;
  std::uintptr_t next = 0x30000;
  PenHandle blackPen = nullptr;
  PenHandle nullPen = nullptr;
  BrushHandle nullBrush = nullptr;
  BrushHandle whiteBrush = nullptr;
  std::array<BrushHandle, kSystemColorCount> systemBrushes{};

  BrushHandle addBrush(BrushRecord record) {
    const std::uintptr_t id = next++;
    brushes.emplace(id, record);
    return reinterpret_cast<BrushHandle>(id);
  }
  PenHandle addPen(detail::PenRecord record) {
    const std::uintptr_t id = next++;
    pens.emplace(id, record);
    return reinterpret_cast<PenHandle>(id);
  }
};

ObjectTables& Objects() {
  static ObjectTables* tables = [] {
    auto* t = new ObjectTables();  // lives to the end of the process
    t->blackPen = t->addPen({PenStyle::Solid, 1, Rgb(0, 0, 0)});
    t->nullPen = t->addPen({PenStyle::Null, 0, 0});
    t->nullBrush = t->addBrush({true, 0, true});
    t->whiteBrush = t->addBrush({false, Rgb(255, 255, 255), true});
    for (int i = 0; i < kSystemColorCount; ++i) t->systemBrushes[i] = t->addBrush({false, kSystemColors[i], true});
    return t;
  }();
  return *tables;
}

}  // namespace

ColorRef GetSystemColor(SystemColor color) { return kSystemColors[static_cast<std::size_t>(color)]; }

BrushHandle GetSystemColorBrush(SystemColor color) { return Objects().systemBrushes[static_cast<std::size_t>(color)]; }

PenHandle CreatePen(PenStyle style, int width, ColorRef color) {
  return Objects().addPen({style, width < 1 ? 1 : width, color});
}

BrushHandle CreateSolidBrush(ColorRef color) { return Objects().addBrush({false, color, false}); }

PenHandle BlackPen() { return Objects().blackPen; }
PenHandle NullPen() { return Objects().nullPen; }
BrushHandle NullBrush() { return Objects().nullBrush; }
BrushHandle WhiteBrush() { return Objects().whiteBrush; }

bool DeletePen(PenHandle pen) {
  ObjectTables& t = Objects();
  if (pen == t.blackPen || pen == t.nullPen) return false;
  return t.pens.erase(reinterpret_cast<std::uintptr_t>(pen)) != 0;
}

bool DeleteBrush(BrushHandle brush) {
  ObjectTables& t = Objects();
  auto it = t.brushes.find(reinterpret_cast<std::uintptr_t>(brush));
  if (it == t.brushes.end() || it->second.stock) return false;
  t.brushes.erase(it);
  return true;
}

std::optional<ColorRef> BrushColor(BrushHandle brush) {
  ObjectTables& t = Objects();
  auto it = t.brushes.find(reinterpret_cast<std::uintptr_t>(brush));
  if (it == t.brushes.end() || it->second.null) return std::nullopt;
  return it->second.color;
}

BitmapHandle CreateBitmap(Image image) {
  ObjectTables& t = Objects();
  const std::uintptr_t id = t.next++;
  t.bitmaps.emplace(id, std::make_unique<Image>(std::move(image)));
  return reinterpret_cast<BitmapHandle>(id);
}

BitmapHandle LoadBitmapFile(const std::string& path) {
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return nullptr;
  auto image = DecodeBitmapFile(*bytes);
  return image ? CreateBitmap(std::move(*image)) : nullptr;
}

BitmapHandle LoadIconFile(const std::string& path, Size wanted) {
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return nullptr;
  auto image = DecodeIconFile(*bytes, wanted);
  return image ? CreateBitmap(std::move(*image)) : nullptr;
}

bool DeleteBitmap(BitmapHandle bitmap) {
  return Objects().bitmaps.erase(reinterpret_cast<std::uintptr_t>(bitmap)) != 0;
}

const Image* BitmapImage(BitmapHandle bitmap) {
  ObjectTables& t = Objects();
  auto it = t.bitmaps.find(reinterpret_cast<std::uintptr_t>(bitmap));
  return it == t.bitmaps.end() ? nullptr : it->second.get();
}

Size BitmapSize(BitmapHandle bitmap) {
  const Image* image = BitmapImage(bitmap);
  return image ? image->size() : Size{};
}

}  // namespace platform::ui

namespace platform::ui::detail {

const PenRecord* FindPen(PenHandle pen) {
  ObjectTables& t = Objects();
  auto it = t.pens.find(reinterpret_cast<std::uintptr_t>(pen));
  return it == t.pens.end() ? nullptr : &it->second;
}

}  // namespace platform::ui::detail

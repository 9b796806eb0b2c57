#include "artwork/pictures.h"

#include <algorithm>
#include <mutex>

#include "platform/ui/cairo/image_surface.h"
#include "platform/ui/color.h"
#include "platform/ui/gdi.h"
#include "platform/ui/resource.h"

namespace artwork {
namespace {

using platform::ui::ColorRef;
using platform::ui::FontSpec;
using platform::ui::Image;
using platform::ui::Point;
using platform::ui::Rect;
using platform::ui::Rgb;
using platform::ui::Size;
using platform::ui::cairo::ImageSurface;

// The screen's label blue, the road's greys and the verge.
constexpr ColorRef kBlue = Rgb(0x25, 0x42, 0x8A);
constexpr ColorRef kSky = Rgb(0x3A, 0x5F, 0xB0);
constexpr ColorRef kWhite = Rgb(0xFF, 0xFF, 0xFF);
constexpr ColorRef kPale = Rgb(0xC8, 0xD8, 0xF0);
constexpr ColorRef kRoad = Rgb(0x50, 0x50, 0x50);
constexpr ColorRef kKerb = Rgb(0x20, 0x20, 0x20);
constexpr ColorRef kVerge = Rgb(0x2E, 0x8B, 0x3A);
constexpr ColorRef kYellow = Rgb(0xF0, 0xC0, 0x20);

FontSpec Sans(int pixels, int weight) {
  return FontSpec{.face = "Liberation Sans", .height = -pixels, .weight = weight};
}

Image ImageOf(const ImageSurface& surface) {
  Image image{surface.size().width, surface.size().height, {}};
  image.pixels.reserve(static_cast<std::size_t>(image.width) * image.height);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const ColorRef c = surface.pixel(x, y);
      image.pixels.push_back(0xFF000000u | (platform::ui::RedOf(c) << 16) | (platform::ui::GreenOf(c) << 8) |
                             platform::ui::BlueOf(c));
    }
  }
  return image;
}

// A road from left to right whose top is at y: kerb, grey surface with
// dashes, kerb.
void PaintRoad(ImageSurface& s, int y, int height) {
  const int width = s.size().width;
  s.fillRect({0, y, width, y + height}, kRoad);
  s.fillRect({0, y, width, y + 2}, kKerb);
  s.fillRect({0, y + height - 2, width, y + height}, kKerb);
  const int middle = y + height / 2 - 1;
  for (int x = 6; x < width; x += 28) s.fillRect({x, middle, x + 14, middle + 2}, kWhite);
}

// The truck enlarged by whole pixels, its wheels standing at baseline.
void PaintTruck(ImageSurface& s, const Image& truck, int left, int baseline, int scale) {
  Image big{truck.width * scale, truck.height * scale, {}};
  big.pixels.resize(static_cast<std::size_t>(big.width) * big.height);
  for (int y = 0; y < big.height; ++y) {
    for (int x = 0; x < big.width; ++x)
      big.pixels[static_cast<std::size_t>(y) * big.width + x] = truck.at(x / scale, y / scale);
  }
  // The icon's own road (its last rows) is left out: only the truck stands on ours.
  int bottom = truck.height;
  while (bottom > 0 && (truck.at(0, bottom - 1) >> 24) == 0) --bottom;  // blank rows under the icon's road
  bottom -= 3;                                                          // the icon's road: its last three drawn rows
  Image cut{big.width, bottom * scale, {}};
  cut.pixels.assign(big.pixels.begin(), big.pixels.begin() + static_cast<std::ptrdiff_t>(cut.width) * cut.height);
  s.drawImage({left, baseline - cut.height}, cut);
}

}  // namespace

std::optional<std::vector<Image>> IconImages(std::string_view iconText, std::string& error) {
  platform::ui::ResourceError fault;
  const std::optional<platform::ui::ResourceHeader> header =
      platform::ui::CheckResource(platform::ui::ResourceKind::Icon, iconText, fault);
  if (!header) {
    error = "line " + std::to_string(fault.line) + ": " + fault.message;
    return std::nullopt;
  }
  // Registered once per id: the same text may be asked for again.
  static std::mutex lock;
  const std::lock_guard guard(lock);
  platform::ui::BitmapHandle probe = platform::ui::LoadIconResource(header->id, {16, 16});
  if (!probe && !platform::ui::RegisterResource(platform::ui::ResourceKind::Icon, iconText, fault)) {
    error = fault.message;
    return std::nullopt;
  }
  if (probe) platform::ui::DeleteBitmap(probe);
  std::vector<Image> images;
  for (int side : {16, 24, 32, 48, 64}) {
    platform::ui::BitmapHandle bitmap = platform::ui::LoadIconResource(header->id, {side, side});
    const Image* image = platform::ui::BitmapImage(bitmap);
    if (image && image->width == side &&
        std::none_of(images.begin(), images.end(), [&](const Image& i) { return i.width == side; }))
      images.push_back(*image);
    platform::ui::DeleteBitmap(bitmap);
  }
  return images;
}

Image PaintBanner(const Image& truck, int width) {
  ImageSurface s({width, kBannerHeight});
  s.fillRect({0, 0, width, kBannerHeight}, kBlue);
  s.fillRect({0, 0, width, 2}, kSky);
  constexpr int kRoadTop = 45;
  s.fillRect({0, kRoadTop - 2, width, kRoadTop}, kVerge);
  PaintRoad(s, kRoadTop, 14);
  const int centre = width / 2;
  s.drawText({centre - 300, 2}, Sans(38, 700), kWhite, "QIV");
  s.fillRect({centre - 222, 10, centre - 218, 38}, kYellow);
  s.drawText({centre - 208, 8}, Sans(17, 700), kWhite, "Freight Rating");
  s.drawText({centre - 208, 27}, Sans(12, 400), kPale, "U.S. \x95 Canada \x95 Mexico");
  PaintTruck(s, truck, centre + 150, kRoadTop + 11, 1);
  PaintTruck(s, truck, centre + 230, kRoadTop + 11, 1);
  return ImageOf(s);
}

Image PaintSplash(const Image& truck) {
  constexpr int kWidth = 480, kHeight = 270;
  ImageSurface s({kWidth, kHeight});
  s.fillRect({0, 0, kWidth, kHeight}, kBlue);
  s.fillRect({0, 0, kWidth, 6}, kSky);
  s.drawText({40, 28}, Sans(96, 700), kWhite, "QIV");
  s.fillRect({40, 142, 260, 146}, kYellow);
  s.drawText({40, 154}, Sans(26, 700), kWhite, "Freight Rating");
  s.drawText({300, 70}, Sans(14, 400), kPale, "Version 1.0");
  s.drawText({300, 92}, Sans(14, 400), kPale, "Loading the rates\x85");
  constexpr int kRoadTop = 226;
  s.fillRect({0, kRoadTop - 4, kWidth, kRoadTop}, kVerge);
  PaintRoad(s, kRoadTop, 36);
  PaintTruck(s, truck, 300, kRoadTop + 26, 3);
  // A black line around, as a window without a frame would have.
  s.fillRect({0, 0, kWidth, 1}, kKerb);
  s.fillRect({0, kHeight - 1, kWidth, kHeight}, kKerb);
  s.fillRect({0, 0, 1, kHeight}, kKerb);
  s.fillRect({kWidth - 1, 0, kWidth, kHeight}, kKerb);
  return ImageOf(s);
}

bool WritePng(const Image& image, const std::string& pngPath) {
  ImageSurface s(image.size());
  s.drawImage({0, 0}, image);
  return s.writePng(pngPath);
}

bool WriteContactSheet(const std::vector<SheetEntry>& entries, int scale, const std::string& pngPath) {
  constexpr int kColumns = 8;
  int cell = 0;
  for (const SheetEntry& e : entries) cell = std::max(cell, std::max(e.image.width, e.image.height) * scale);
  const int cellWidth = cell + 24, cellHeight = cell + 34;
  const int rows = (static_cast<int>(entries.size()) + kColumns - 1) / kColumns;
  ImageSurface s({kColumns * cellWidth + 8, rows * cellHeight + 8});
  s.fillRect({0, 0, s.size().width, s.size().height}, Rgb(0xC0, 0xC0, 0xC0));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const int x = 8 + static_cast<int>(i % kColumns) * cellWidth, y = 8 + static_cast<int>(i / kColumns) * cellHeight;
    const Image& image = entries[i].image;
    Image big{image.width * scale, image.height * scale, {}};
    for (int py = 0; py < big.height; ++py) {
      for (int px = 0; px < big.width; ++px) big.pixels.push_back(image.at(px / scale, py / scale));
    }
    s.fillRect({x - 1, y - 1, x + cell + 1, y + cell + 1}, Rgb(0x80, 0x80, 0x80));
    s.fillRect({x, y, x + cell, y + cell}, Rgb(0xC0, 0xC0, 0xC0));
    s.drawImage({x, y}, big);
    s.drawImage({x + cell + 4, y}, image);  // and at its own size
    s.drawText({x, y + cell + 4}, Sans(13, 400), Rgb(0, 0, 0), std::to_string(entries[i].id));
  }
  return s.writePng(pngPath);
}

}  // namespace artwork

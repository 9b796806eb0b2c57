// Pixel images, and the two image files the program reads: device-
// independent bitmap files (".bmp": 1, 4, 8, 24 and 32 bits per pixel,
// uncompressed, rows stored bottom-up or top-down) and icon files (".ico"
// whose images are bitmaps with an AND mask; images stored as PNG inside
// an icon are not read). Every length is checked before a byte is trusted:
// a truncated or malformed file gives no image.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/ui/types.h"

namespace platform::ui {

// Pixels row by row from the top, each 0xAARRGGBB with straight (not
// premultiplied) alpha.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  Size size() const { return {width, height}; }
};

std::optional<Image> DecodeBitmapFile(std::span<const std::uint8_t> bytes);
// The icon image closest to the size wanted (ClosestIconImage).
std::optional<Image> DecodeIconFile(std::span<const std::uint8_t> bytes, Size wanted);

// Of an icon's square images (their sides), the one to draw at the side
// wanted: the exact size, else the smallest larger one, else the largest;
// the first of equals. -1 for none.
int ClosestIconImage(std::span<const int> sides, int wanted);

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path);

// The image scaled to the size, each pixel taken from the nearest source
// pixel (an image of the size unchanged); an empty image for an empty size
// or source.
Image ScaledImage(const Image& image, Size size);

}  // namespace platform::ui

// Writing the picture files the program reads: a device-independent bitmap
// file (".bmp", 24 bits per pixel, rows bottom-up, each padded to four
// bytes) and an icon file (".ico": one 32-bit image with its AND mask per
// size). Both byte layouts are described once here:
//
//   bitmap file header (14): "BM", u32 file size, u32 0, u32 offset of the bits (54)
//   BITMAPINFOHEADER (40): u32 40, i32 width, i32 height (positive: bottom-up),
//     u16 planes 1, u16 bits 24, u32 compression 0, u32 image size, i32 72 dpi
//     in pixels per metre twice, u32 0 colours used, u32 0 important
//   icon directory (6): u16 0, u16 type 1, u16 count; then per image (16):
//     u8 width, u8 height (0 for 256), u8 0 colours, u8 0, u16 planes 1,
//     u16 bits 32, u32 bytes, u32 offset; each image a BITMAPINFOHEADER whose
//     height is twice the image's, the BGRA rows bottom-up, then the AND mask
//     (1 bit a pixel, set where transparent, rows padded to four bytes)
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/ui/image.h"

namespace artwork {

// Opaque pixels only: alpha is dropped.
std::vector<std::uint8_t> EncodeBitmapFile(const platform::ui::Image& image);

// Square images of 1 to 256 pixels a side, smallest first by convention.
std::vector<std::uint8_t> EncodeIconFile(std::span<const platform::ui::Image> images);

}  // namespace artwork

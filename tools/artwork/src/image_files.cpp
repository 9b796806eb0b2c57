#include "artwork/image_files.h"

#include <stdexcept>

namespace artwork {
namespace {

using platform::ui::Image;

class ByteWriter {
 public:
  void u8(unsigned v) { bytes_.push_back(static_cast<std::uint8_t>(v)); }
  void u16(unsigned v) { u8(v & 0xFF), u8((v >> 8) & 0xFF); }
  void u32(std::uint32_t v) { u16(v & 0xFFFF), u16(v >> 16); }
  void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
  void pad(std::size_t n) { bytes_.insert(bytes_.end(), n, 0); }
  std::size_t size() const { return bytes_.size(); }
  std::vector<std::uint8_t> take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::int32_t kPixelsPerMetre = 2835;  // 72 dots per inch

std::size_t RowBytes(int width, int bitsPerPixel) {
  return ((static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32) * 4;
}

void WriteInfoHeader(ByteWriter& out, int width, int height, int bitsPerPixel, std::uint32_t imageBytes) {
  out.u32(kInfoHeaderSize);
  out.i32(width);
  out.i32(height);
  out.u16(1);
  out.u16(static_cast<unsigned>(bitsPerPixel));
  out.u32(0);
  out.u32(imageBytes);
  out.i32(kPixelsPerMetre);
  out.i32(kPixelsPerMetre);
  out.u32(0);
  out.u32(0);
}

}  // namespace

std::vector<std::uint8_t> EncodeBitmapFile(const Image& image) {
  if (image.width <= 0 || image.height <= 0) throw std::invalid_argument("a bitmap has at least one pixel");
  const std::size_t row = RowBytes(image.width, 24);
  const auto bits = static_cast<std::uint32_t>(row * image.height);
  ByteWriter out;
  out.u8('B'), out.u8('M');
  out.u32(kFileHeaderSize + kInfoHeaderSize + bits);
  out.u32(0);
  out.u32(kFileHeaderSize + kInfoHeaderSize);
  WriteInfoHeader(out, image.width, image.height, 24, bits);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t p = image.at(x, y);
      out.u8(p & 0xFF), out.u8((p >> 8) & 0xFF), out.u8((p >> 16) & 0xFF);  // blue, green, red
    }
    out.pad(row - static_cast<std::size_t>(image.width) * 3);
  }
  return out.take();
}

std::vector<std::uint8_t> EncodeIconFile(std::span<const Image> images) {
  constexpr std::uint32_t kDirectorySize = 6, kEntrySize = 16;
  ByteWriter out;
  out.u16(0), out.u16(1), out.u16(static_cast<unsigned>(images.size()));
  std::uint32_t offset = kDirectorySize + kEntrySize * static_cast<std::uint32_t>(images.size());
  std::vector<std::uint32_t> sizes;
  for (const Image& image : images) {
    if (image.width != image.height || image.width < 1 || image.width > 256)
      throw std::invalid_argument("icon images are squares of 1 to 256 pixels");
    const auto bytes = static_cast<std::uint32_t>(kInfoHeaderSize + RowBytes(image.width, 32) * image.height +
                                                  RowBytes(image.width, 1) * image.height);
    out.u8(image.width == 256 ? 0 : image.width), out.u8(image.height == 256 ? 0 : image.height), out.u8(0), out.u8(0);
    out.u16(1), out.u16(32), out.u32(bytes), out.u32(offset);
    offset += bytes;
    sizes.push_back(bytes);
  }
  for (const Image& image : images) {
    const std::size_t maskRow = RowBytes(image.width, 1);
    WriteInfoHeader(out, image.width, image.height * 2, 32,
                    static_cast<std::uint32_t>(RowBytes(image.width, 32) * image.height + maskRow * image.height));
    for (int y = image.height - 1; y >= 0; --y) {
      for (int x = 0; x < image.width; ++x) {
        const std::uint32_t p = image.at(x, y);
        out.u8(p & 0xFF), out.u8((p >> 8) & 0xFF), out.u8((p >> 16) & 0xFF), out.u8(p >> 24);
      }
    }
    for (int y = image.height - 1; y >= 0; --y) {
      std::vector<std::uint8_t> mask(maskRow, 0);
      for (int x = 0; x < image.width; ++x) {
        if ((image.at(x, y) >> 24) == 0) mask[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      }
      for (std::uint8_t b : mask) out.u8(b);
    }
  }
  return out.take();
}

}  // namespace artwork

// Reading bitmap and icon files into images.
//
// A bitmap file is a 14-byte file header ("BM", the file size, two
// reserved words, the offset of the pixel bits) followed by a bitmap
// information header. The information header starts with its own size
// (40 or more); then width (i32), height (i32: positive for rows stored
// bottom-up, negative for top-down), planes (u16, 1), bits per pixel
// (u16), compression (u32, 0: none; 3: bit fields, read for 32 bits as
// plain B,G,R,A) and, at offset 32, the number of colour-table entries
// (u32, 0 meaning 2^bits for up to 8 bits). The colour table follows the
// header, four bytes B,G,R,0 per entry; rows are padded to four bytes.
//
// An icon file is a 6-byte header (0, type 1, the image count) and a
// 16-byte entry per image (width, height: 0 meaning 256, colour count,
// reserved, planes, bits, the image's size and offset); each image is an
// information header with a doubled height, the colour table, the colour
// bits and a 1-bit AND mask (a set bit: transparent).
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>

#include "platform/kernel/byte_record.h"
#include "platform/ui/image.h"

namespace platform::ui {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kFileBitsOffset = 10;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kInfoWidth = 4;
constexpr std::size_t kInfoHeight = 8;
constexpr std::size_t kInfoPlanes = 12;
constexpr std::size_t kInfoBits = 14;
constexpr std::size_t kInfoCompression = 16;
constexpr std::size_t kInfoColorsUsed = 32;
static_assert(kInfoColorsUsed + 4 <= kInfoHeaderSize);
constexpr std::size_t kIconHeaderSize = 6;
constexpr std::size_t kIconEntrySize = 16;
constexpr std::size_t kIconEntryBytes = 8;
constexpr std::size_t kIconEntryOffset = 12;
static_assert(kIconEntryOffset + 4 == kIconEntrySize);
constexpr int kLargestSide = 16384;

// A checked view over the file's bytes.
class Bytes {
 public:
  explicit Bytes(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  bool has(std::size_t offset, std::size_t count) const {
    return offset <= bytes_.size() && count <= bytes_.size() - offset;
  }
  template <class T>
  T at(std::size_t offset) const {
    return LoadLittleEndian<T>(bytes_.data() + offset);
  }
  std::uint8_t byte(std::size_t offset) const { return bytes_[offset]; }
  std::size_t size() const { return bytes_.size(); }
  std::span<const std::uint8_t> from(std::size_t offset) const { return bytes_.subspan(offset); }

 private:
  std::span<const std::uint8_t> bytes_;
};

std::uint32_t Opaque(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return 0xFF000000u | (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b;
}

struct DibLayout {
  int width = 0;
  int height = 0;  // rows of colour bits
  bool topDown = false;
  int bits = 0;
  std::size_t tableOffset = 0;  // from the header's start
  std::size_t tableEntries = 0;
};

// Reads the information header at the start of dib; heightDivisor is 2
// for an icon image (colour rows and mask rows).
std::optional<DibLayout> ReadInfoHeader(const Bytes& dib, int heightDivisor) {
  if (!dib.has(0, kInfoHeaderSize)) return std::nullopt;
  const std::uint32_t headerSize = dib.at<std::uint32_t>(0);
  if (headerSize < kInfoHeaderSize || !dib.has(0, headerSize)) return std::nullopt;
  DibLayout layout;
  layout.width = dib.at<std::int32_t>(kInfoWidth);
  const std::int32_t height = dib.at<std::int32_t>(kInfoHeight);
  layout.topDown = height < 0;
  if (height == INT32_MIN) return std::nullopt;
  layout.height = (height < 0 ? -height : height) / heightDivisor;
  layout.bits = dib.at<std::uint16_t>(kInfoBits);
  const std::uint32_t compression = dib.at<std::uint32_t>(kInfoCompression);
  if (dib.at<std::uint16_t>(kInfoPlanes) != 1) return std::nullopt;
  if (layout.width <= 0 || layout.height <= 0 || layout.width > kLargestSide || layout.height > kLargestSide)
    return std::nullopt;
  if (compression != 0 && !(compression == 3 && layout.bits == 32)) return std::nullopt;
  if (layout.bits != 1 && layout.bits != 4 && layout.bits != 8 && layout.bits != 24 && layout.bits != 32)
    return std::nullopt;
  layout.tableOffset = headerSize + (compression == 3 ? 12 : 0);
  if (layout.bits <= 8) {
    const std::uint32_t used = dib.at<std::uint32_t>(kInfoColorsUsed);
    const std::size_t most = std::size_t{1} << layout.bits;
    layout.tableEntries = used == 0 ? most : std::min<std::size_t>(used, most);
  }
  return layout;
}

std::size_t RowBytes(int width, int bits) { return ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4; }

// Decodes the colour bits at bitsOffset (from the start of dib).
std::optional<Image> ReadPixels(const Bytes& dib, const DibLayout& layout, std::size_t bitsOffset) {
  if (!dib.has(layout.tableOffset, layout.tableEntries * 4)) return std::nullopt;
  const std::size_t rowBytes = RowBytes(layout.width, layout.bits);
  if (!dib.has(bitsOffset, rowBytes * layout.height)) return std::nullopt;
  Image image;
  image.width = layout.width;
  image.height = layout.height;
  image.pixels.resize(static_cast<std::size_t>(layout.width) * layout.height);
  for (int row = 0; row < layout.height; ++row) {
    const int y = layout.topDown ? row : layout.height - 1 - row;
    const std::size_t start = bitsOffset + rowBytes * row;
    for (int x = 0; x < layout.width; ++x) {
      std::uint32_t pixel = 0;
      if (layout.bits <= 8) {
        const std::size_t bitIndex = static_cast<std::size_t>(x) * layout.bits;
        const std::uint8_t byte = dib.byte(start + bitIndex / 8);
        const unsigned shift = 8 - layout.bits - bitIndex % 8;
        const std::size_t index = (byte >> shift) & ((1u << layout.bits) - 1);
        if (index < layout.tableEntries) {
          const std::size_t entry = layout.tableOffset + index * 4;
          pixel = Opaque(dib.byte(entry + 2), dib.byte(entry + 1), dib.byte(entry));
        } else {
          pixel = Opaque(0, 0, 0);
        }
      } else {
        const std::size_t at = start + static_cast<std::size_t>(x) * (layout.bits / 8);
        pixel = Opaque(dib.byte(at + 2), dib.byte(at + 1), dib.byte(at));
        if (layout.bits == 32) pixel = (pixel & 0x00FFFFFFu) | (std::uint32_t{dib.byte(at + 3)} << 24);
      }
      image.pixels[static_cast<std::size_t>(y) * layout.width + x] = pixel;
    }
  }
  return image;
}

std::optional<Image> DecodeIconImage(const Bytes& dib) {
  const auto layout = ReadInfoHeader(dib, 2);
  if (!layout) return std::nullopt;
  const std::size_t bitsOffset = layout->tableOffset + layout->tableEntries * 4;
  auto image = ReadPixels(dib, *layout, bitsOffset);
  if (!image) return std::nullopt;
  // A 32-bit image with any alpha carries its own transparency; otherwise
  // the AND mask (when the file has it) makes pixels transparent.
  const bool hasAlpha = layout->bits == 32 && std::any_of(image->pixels.begin(), image->pixels.end(),
                                                          [](std::uint32_t p) { return (p >> 24) != 0; });
  if (layout->bits == 32 && !hasAlpha)
    for (std::uint32_t& p : image->pixels) p |= 0xFF000000u;
  const std::size_t maskOffset = bitsOffset + RowBytes(layout->width, layout->bits) * layout->height;
  const std::size_t maskRow = RowBytes(layout->width, 1);
  if (hasAlpha || !dib.has(maskOffset, maskRow * layout->height)) return image;
  for (int row = 0; row < layout->height; ++row) {
    const int y = layout->topDown ? row : layout->height - 1 - row;
    for (int x = 0; x < layout->width; ++x) {
      const std::uint8_t byte = dib.byte(maskOffset + maskRow * row + x / 8);
      if (byte & (0x80 >> (x % 8))) image->pixels[static_cast<std::size_t>(y) * layout->width + x] = 0;
    }
  }
  return image;
}

}  // namespace

std::optional<Image> DecodeBitmapFile(std::span<const std::uint8_t> bytes) {
  const Bytes file(bytes);
  if (!file.has(0, kFileHeaderSize) || file.byte(0) != 'B' || file.byte(1) != 'M') return std::nullopt;
  const std::uint32_t bitsOffset = file.at<std::uint32_t>(kFileBitsOffset);
  const Bytes dib(file.from(kFileHeaderSize));
  const auto layout = ReadInfoHeader(dib, 1);
  if (!layout || bitsOffset < kFileHeaderSize) return std::nullopt;
  return ReadPixels(dib, *layout, bitsOffset - kFileHeaderSize);
}

std::optional<Image> DecodeIconFile(std::span<const std::uint8_t> bytes, Size wanted) {
  const Bytes file(bytes);
  if (!file.has(0, kIconHeaderSize) || file.at<std::uint16_t>(0) != 0 || file.at<std::uint16_t>(2) != 1)
    return std::nullopt;
  const int count = file.at<std::uint16_t>(4);
  if (!file.has(kIconHeaderSize, kIconEntrySize * count)) return std::nullopt;
  std::vector<int> sides;
  for (int i = 0; i < count; ++i) {
    const std::size_t entry = kIconHeaderSize + kIconEntrySize * i;
    sides.push_back(file.byte(entry) == 0 ? 256 : file.byte(entry));
  }
  const int best = ClosestIconImage(sides, wanted.width);
  if (best < 0) return std::nullopt;
  const std::size_t entry = kIconHeaderSize + kIconEntrySize * best;
  const std::uint32_t size = file.at<std::uint32_t>(entry + kIconEntryBytes);
  const std::uint32_t offset = file.at<std::uint32_t>(entry + kIconEntryOffset);
  if (!file.has(offset, size)) return std::nullopt;
  return DecodeIconImage(Bytes(file.from(offset).first(size)));
}

int ClosestIconImage(std::span<const int> sides, int wanted) {
  auto better = [wanted](int side, int bestSide) {
    if (bestSide == wanted) return false;
    if (side == wanted) return true;
    if (bestSide < wanted) return side > bestSide;
    return side >= wanted && side < bestSide;
  };
  int best = -1;
  for (std::size_t i = 0; i < sides.size(); ++i)
    if (best < 0 || better(sides[i], sides[static_cast<std::size_t>(best)])) best = static_cast<int>(i);
  return best;
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

}  // namespace platform::ui

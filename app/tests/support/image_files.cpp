#include "image_files.h"

namespace qiv::testing {

namespace {

void Put16(std::string& out, unsigned value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// BITMAPINFOHEADER: 40 bytes.
void PutInfoHeader(std::string& out, int width, int height, int bits) {
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));
  Put16(out, 1);
  Put16(out, static_cast<unsigned>(bits));
  for (int i = 0; i < 6; ++i) Put32(out, 0);
}

}  // namespace

std::string BitmapFile(int width, int height, std::uint32_t rgb) {
  const int rowSize = (width * 3 + 3) / 4 * 4;
  std::string out = "BM";
  Put32(out, static_cast<std::uint32_t>(54 + rowSize * height));
  Put32(out, 0);
  Put32(out, 54);
  PutInfoHeader(out, width, height, 24);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      out += static_cast<char>(rgb & 0xFF);
      out += static_cast<char>((rgb >> 8) & 0xFF);
      out += static_cast<char>((rgb >> 16) & 0xFF);
    }
    out.append(static_cast<std::size_t>(rowSize - width * 3), '\0');
  }
  return out;
}

std::string IconFile(int side, std::uint32_t rgb) {
  const int maskRow = (side + 31) / 32 * 4;
  const std::uint32_t imageSize = static_cast<std::uint32_t>(40 + side * side * 4 + maskRow * side);
  std::string out;
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, 1);
  out += static_cast<char>(side);
  out += static_cast<char>(side);
  out += '\0';
  out += '\0';
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, imageSize);
  Put32(out, 22);
  PutInfoHeader(out, side, side * 2, 32);
  for (int i = 0; i < side * side; ++i) Put32(out, 0xFF000000u | rgb);
  out.append(static_cast<std::size_t>(maskRow * side), '\0');
  return out;
}

}  // namespace qiv::testing

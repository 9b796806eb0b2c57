#include "formats/matrix_file.h"

#include <array>
#include <span>

#include "formats/packed_codes.h"
#include "platform/kernel/byte_record.h"

namespace vorn {

MatrixCellWidth CellWidthOf(int typeBits, char flag45) {
  if (flag45 == 'P') return {CellForm::Bytes3, 24};
  if (typeBits == 0) return {CellForm::Word16, 16};
  return {CellForm::Bits, typeBits};
}

std::optional<std::uint32_t> ReadMatrixCell(const platform::File& file, MatrixCellWidth width, std::int64_t index) {
  if (index < 0 || index > (std::int64_t{1} << 40)) return std::nullopt;  // no file holds such a cell
  std::array<std::uint8_t, 4> bytes{};
  std::uint32_t value = 0, ones = 0;
  switch (width.form) {
    case CellForm::Word16: {
      if (file.readAt(index * 2, std::span(bytes.data(), 2)) != 2) return std::nullopt;
      value = platform::LoadLittleEndian<std::uint16_t>(bytes.data());
      ones = 0xFFFF;
      break;
    }
    case CellForm::Bytes3: {
      if (file.readAt(index * 3, std::span(bytes.data(), 3)) != 3) return std::nullopt;
      value = Load24(std::span<const std::uint8_t, 3>(bytes.data(), 3));
      ones = 0xFFFFFF;
      break;
    }
    case CellForm::Bits: {
      const int n = width.bits;
      if (n < 1 || n > kMaxCellBits) return std::nullopt;
      const std::int64_t bit = static_cast<std::int64_t>(n) * index;
      if (file.readAt(bit / 8, bytes) != 4) return std::nullopt;
      const std::uint32_t word = static_cast<std::uint32_t>(bytes[0]) << 24 |
                                 static_cast<std::uint32_t>(bytes[1]) << 16 |
                                 static_cast<std::uint32_t>(bytes[2]) << 8 | bytes[3];
      ones = (std::uint32_t{1} << n) - 1;
      value = (word >> (32 - n - static_cast<int>(bit % 8))) & ones;
      break;
    }
  }
  if (value == ones) return std::nullopt;
  return value;
}

}  // namespace vorn

// The tariff's matrix files: the cells of its origin-destination matrix
// (.I, or .J for the lanes the point-file flag 'Y' reverses). A cell holds
// the rate-record number of a pair of points. Cells are
// - n bits (n from the tariff-type table, 1 to 25), packed most significant
//   bit first and read as big-endian 32-bit words: cell i is the n bits
//   starting at bit n x i;
// - 16-bit little-endian words when the type's width is 0;
// - 3 bytes, little-endian, with the point-file flag 'P'.
// A cell of all ones means no rate.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/kernel/file.h"

namespace vorn {

enum class CellForm { Bits, Word16, Bytes3 };

struct MatrixCellWidth {
  CellForm form = CellForm::Word16;
  int bits = 16;  // the cell's width in bits
};

inline constexpr int kMaxCellBits = 25;  // wider cells do not fit one 32-bit read

// The cell width of a tariff: typeBits from the tariff-type table, flag45
// the point-file flag.
MatrixCellWidth CellWidthOf(int typeBits, char flag45);

// The value of cell index; nothing for a negative index, a cell past the
// end of the file (a short read), a cell of all ones, or a bit width
// outside 1 to 25.
std::optional<std::uint32_t> ReadMatrixCell(const platform::File& file, MatrixCellWidth width, std::int64_t index);

}  // namespace vorn

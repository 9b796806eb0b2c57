// The matrix cell of a lane: which of the tariff's matrix files (.I or .J)
// and the value of its cell (formats/matrix_file.h).
#pragma once

#include <cstdint>
#include <optional>

#include "formats/matrix_file.h"

namespace vorn {

class RatingEngine;
struct Rating;

// The matrix letter of the lane: 'J' when the point-file flag is 'Y' and the
// destination code sorts below the origin code, else 'I'.
char MatrixLetter(const RatingEngine& engine, const Rating& rating);

// The cell of the current tariff's matrix (cell width from its type); raises
// the matrix file's open error (207) and 218 for a cell that is missing.
std::uint32_t MatrixCellValue(RatingEngine& engine, Rating& rating, std::int64_t index);

}  // namespace vorn

// The tariff's RBA file (letter O) in its city use: cities of a code with an
// add-on value. The file begins with 18-byte heading records, up to and
// including the first that begins with '*' (formats/rate_basis_files.h);
// then come 28-byte records
//   0 code 5, 5 a character, 6 a character, 7 direction letter ('B' both
//   ways), 8 value (one byte, unsigned), 9 state and city 19
// sorted by the code, then the character at 6, then the one at 5.
#pragma once

#include <cstddef>

#include "formats/city_points.h"

namespace vorn::city_add_on {

inline constexpr std::size_t kHeadingSize = 18;
inline constexpr char kHeadingsEnd = '*';
inline constexpr std::size_t kRecordSize = 28;
inline constexpr std::size_t kKeySize = 7;
inline constexpr std::size_t kDirectionAt = 7;
inline constexpr std::size_t kValueAt = 8;
inline constexpr std::size_t kStateCityAt = 9;
static_assert(kStateCityAt + kStateCitySize == kRecordSize);

}  // namespace vorn::city_add_on

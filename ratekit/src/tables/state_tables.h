// The tables that give a point's state or province, and the tariff's ZIP
// ranges:
//   .SCC  8-byte records {state or province 2, low prefix 3, high prefix 3},
//         sorted, ranges apart: the province of a postal code's first three
//         characters (token 57648, count 230);
//   ".SC " 3996 bytes: 999 entries of 4 {state 2, first flag, territory
//         letter} for ZIP prefixes 001..999, into the ZipStateTable (entry
//         v at 48719 + 4v; entry 0 is never loaded);
//   .ZP6  12-byte lines {from 5, to 5, CR LF}: the ZipRangeTable (token
//         16162, count 226).
#pragma once

#include <cstdint>
#include <optional>

#include "ratekit/rating_context.h"

namespace ratekit {

// .SCC (460 missing, 464 unreadable).
std::optional<std::int32_t> LoadProvinceTable(RatingContextView& record);

// ".SC " (360 missing, 364 shorter than 3996 bytes: the table is left as
// it was).
std::optional<std::int32_t> LoadZipStates(RatingContextView& record);

// The tariff's .ZP6 (436 missing, 168 no buffer, 438 unreadable).
std::optional<std::int32_t> LoadTariffZipRanges(RatingContextView& record);

}  // namespace ratekit

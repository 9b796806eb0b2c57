// The ZIP index files of a tariff rated without the engine, kept open in
// their descriptor slots with their index arrays in the RatingContext:
//   .ZF1, .ZFM  u16 n; n u16 keys; 4n bytes not read here; at 6n + 2, n
//               entries of 3 bytes; the data from 9n + 2;
//   .ZF2        u16 n; n u16 keys; 4n bytes; at 6n + 2, n entries of 6
//               bytes (kept in a buffer of Ratekit32's, token 48366); the
//               data from 12n + 2.
// The keys and 3-byte entries have room for 2800 (.ZF1, .ZFM) or 2100
// (.ZF2) in the record; a file that lists more is refused with its read
// number.
#pragma once

#include <cstdint>
#include <optional>

#include "ratekit/rating_context.h"

namespace ratekit {

// .ZF1 (390, 394), .ZFM (456, 457) and .ZF2 (410, 414): the count, keys,
// entries, data offset and file length in place, the file left open.
std::optional<std::int32_t> LoadZf1(RatingContextView& record);
std::optional<std::int32_t> LoadZfm(RatingContextView& record);
std::optional<std::int32_t> LoadZf2(RatingContextView& record);

}  // namespace ratekit

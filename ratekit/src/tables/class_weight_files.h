// The class and weight-break tables of a tariff rated without the engine:
//   .CLS  5-character class codes, at most 20, into the ClassTable (6-byte
//         slots from 54797, count 54917; blanks become NULs);
//   .WGT  21-byte records {label 5, upper weight 8, lower weight 8, numbers
//         as text}, at most 9: kept raw at 15965 + 21i and spread over the
//         WeightBreakTable (labels 54921 + 11i, upper bounds 55141 + 4i,
//         lower bounds 55221 + 4i, count 55301).
#pragma once

#include <cstdint>
#include <optional>

#include "ratekit/rating_context.h"

namespace ratekit {

// .CLS: up to 20 codes, the list ending at the first short one. 230
// missing, 235 when no code was read.
std::optional<std::int32_t> LoadClassTable(RatingContextView& record);

// ReadWgtFile: up to 9 records; a short one ends the list and leaves 384 in
// LastErrorCode. Then the breaks to hide: when .DEF byte 268 is not NUL,
// v := the number at .DEF 262 and h := the number at 268; with v >= 0,
// h >= 1 and v + h below the count, the upper bound of break v + h - 1
// becomes 9999999, the label of break v + h "XXX" and the count v + h. 380
// missing, 384 unreadable, 385 when no break was read.
std::optional<std::int32_t> LoadWeightBreaks(RatingContextView& record);

}  // namespace ratekit

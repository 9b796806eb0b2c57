// The rate of a class at the break of a weight, from the rate table or, for
// an item not yet fetched, from the rate source.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "rating/class_break_work.h"

namespace vorn {

class RatingEngine;
struct Rating;
class RateSource;

// The break of a weight for rating: a weight beyond the rated breaks belongs
// to the last of them; -1 when the tariff has no breaks.
int RatedBreakOf(const ClassBreakWork& core, std::int32_t weight);

// The rate of a class at the break of a weight, in cents per hundredweight:
// 0 when the class or the break is not the tariff's; the table's item when
// it was fetched; else what the source answers, 9999999 when it has no rate.
std::int32_t GetClassBreakRate(RatingEngine& engine, Rating& rating, RateSource& source, std::int32_t weight,
                               std::string_view classCode);

// The same for a class row and a break (as ClassIndex and RatedBreakOf give
// them; 0 when either is negative).
std::int32_t ClassBreakRateAt(RatingEngine& engine, Rating& rating, RateSource& source, int classRow, int breakIndex);

// Whether the table's rate of a class at the break of a weight is one a rate
// discount took whole (a rate of 0, not a missing one).
bool DiscountedInFull(const ClassBreakWork& core, std::int32_t weight, std::string_view classCode);

}  // namespace vorn

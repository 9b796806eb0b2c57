// The rating core's pass over a tariff: the tariff's work tables, then the
// rate of every class at every break and the lane's minimum charges, with
// the lane's adjustments, the tariff's class percentages, its rate
// adjustment factor, the request's factor and rate-level discounts applied.
#pragma once

#include <cstdint>

namespace vorn {

class RatingEngine;
struct Rating;
class RateSource;

// The tariff's classes, breaks, factors and break labels, rebuilt from its
// factor file: 0 or the file's load error (204, 210, 224).
std::int16_t PrepareWorkTables(RatingEngine& engine, Rating& rating);

// Fills the rate table and the minimum-charge list of the pass: 0, or the
// lane-adjustment lookup's code (230, 231), which the caller reports (a
// code the source raises, such as 202, reaches the driver as the engine's
// error).
std::int16_t RateClassWeightBreaks(RatingEngine& engine, Rating& rating, RateSource& source);

}  // namespace vorn

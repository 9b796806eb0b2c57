// Pricing the detail lines after the core pass: each line at the rate of the
// total weight's break, the charge discount at a break, the search for a
// cheaper higher break with a deficit weight, the price at the break used
// with its minimum charge, and the check that every line's class has a rate.
#pragma once

#include <cstdint>

namespace vorn {

class RatingEngine;
struct Rating;
class RateSource;

// The heaviest shipment rated, in pounds (241 above it), and the largest
// charge the answer holds, in cents (145 above it).
inline constexpr std::int32_t kMaxRatingWeight = 999999;
inline constexpr std::int64_t kMaxCharge = 99999999;

// Each line at its class's rate at the break of the total weight; the sum is
// the line-charge total. Clears the deficit fields. 0 or 145.
std::int16_t PriceLinesAtActualWeight(RatingEngine& engine, Rating& rating, RateSource& source);

// The percentage the charge discount takes at break b: with discounts on and
// a "D%" block, the block's field of the break; else none.
float ChargeDiscountPercent(const Rating& rating, int b);

// An amount after the charge discount at break b (unchanged when rates, not
// charges, are discounted).
std::int64_t DiscountChargeAtBreak(const Rating& rating, std::int64_t amount, int b);

// The charge discount at break b on the line-charge total: notes the
// percentage for the answer and clears the deficit-charge flag.
void DiscountLineTotalAtBreak(Rating& rating, int b);

// From break b up, the break whose total (lines at the break's rates plus
// the deficit weight up to the break at the lowest line rate, discounted at
// the break) is strictly lowest; the deficit found is kept for pricing.
int SearchDeficitFrom(RatingEngine& engine, Rating& rating, RateSource& source, int b);

// The lines, the deficit weight and the totals at the break used, and the
// minimum charge that applies (into item 0 of the rate table); the charge
// after minimums is the grand total discounted at the break, raised to that
// minimum. 0, 241 or 145.
std::int16_t PriceAtBreak(RatingEngine& engine, Rating& rating, RateSource& source, int b);

// Every line's class needs a rate at the first positive break weight: 0, or
// 401 + the index of the first line without one (145 for a rate beyond
// what the answer holds).
std::int16_t CheckLineRates(RatingEngine& engine, Rating& rating, RateSource& source);

}  // namespace vorn

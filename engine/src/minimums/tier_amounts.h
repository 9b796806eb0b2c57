// The minimum amounts of the rate record's tiers: by weight tier from the
// rate record, by weight tier and distance band from the .M tier table, and
// the first minimum with the factor of the record's kind letter.
#pragma once

#include <cstdint>

namespace vorn {

class RatingEngine;
struct Rating;

// Tier 0 below 200 pounds, 1 below 300, 2 below 400, else 3.
int WeightTier(std::int32_t weight);

// With the tariff's tier switch on, entry (tier of the weight) of the rate
// record; with it off, entry 0 from 100 pounds (entry 3 for a single
// shipment) and entry 2 below (entry 1 for a single shipment).
std::int32_t WeightTierAmount(const RatingEngine& engine, const Rating& rating, std::int32_t weight);

// The band of a distance in the tier table: 0 below 530, 1 up to 789; from
// 790 band 2 when neither end's code begins with a letter, else 3 up to
// 1029, 4 up to 1209, 5 up to 1399, 6 up to 1609 and 7 from 1610. (A
// distance between two published bands belongs to the lower one.)
int DistanceBand(std::uint32_t distance, bool letterCode);

// Entry column + (tier + 4 x band) x 4 of the .M tier table in the record
// area, with the band of the rate record's four-digit distance and the
// column of the tariff's distance-column digit ('1' is column 0); 0 for a
// column outside 0 to 3.
std::int32_t DistanceTierAmount(const RatingEngine& engine, const Rating& rating, std::int32_t weight);

// The first value of the minimum factor row of the rate record's kind
// letter (rows 5 to 9 for 'A', 'B', 'C', 'N', 'S'); 10000 for other kinds.
std::int32_t KindMinimumFactor(const RatingEngine& engine, const Rating& rating);

// (e(0) x the kind's minimum factor + 5000) / 10000, rounded to the nearest
// multiple of 5.
std::int32_t MinimumWithKindFactor(const RatingEngine& engine, const Rating& rating);

}  // namespace vorn

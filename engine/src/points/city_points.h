// City points: a tariff that rates by city keeps a city file (letter E,
// formats/city_points.h) in which a ZIP or postal code lists its cities,
// each with the code of its own rating point. The city is the request's (state 2 and city 17 of the end); when it names
// none of the code's cities, the caller may be handed the list to choose
// from (points/candidates.h).
#pragma once

#include <array>
#include <cstdint>

#include "rates/point_lookup.h"

namespace vorn {

class RatingEngine;
struct Rating;

// The city lookups of one end of the lane. code holds the end's code and,
// when the answer is true, the city's code instead (the characters the
// record gives; the rest are kept). A chosen city also replaces the end's
// state and city in the request and the answer. A tariff without a city
// file has no city points (false); one that exists but does not open is
// 220. The caller may be handed the code's cities (123, 124, 129 through
// the city choice).
bool CityByPackedZip(RatingEngine& engine, Rating& rating, LaneSide side, std::array<char, 6>& code);
bool CityByCode(RatingEngine& engine, Rating& rating, LaneSide side, std::array<char, 6>& code);

// Prepares the request's codes for the point search: each end's code (the
// origin first) becomes its city's code when the city file gives one, in
// the 6-character form when alternative (point-file flag 'A'), else packed.
void PrepareCityPoints(RatingEngine& engine, Rating& rating, bool alternative);

}  // namespace vorn

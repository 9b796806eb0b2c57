// City add-ons: the tariff's RBA file (letter O, formats/city_addons_file.h)
// gives cities of a code an add-on value.
#pragma once

#include <cstdint>
#include <string_view>

#include "rates/point_lookup.h"

namespace vorn {

class RatingEngine;
struct Rating;

// The add-on value of one end of the lane for a 7-character key (code 5 and
// the two characters) and a direction letter: the sum of the values of the
// key's records for the end's city in that direction (or 'B'). When nothing
// adds up and the key lists other cities, those go to the city choice of
// the end; a chosen city replaces the end's state and city and gives its
// value. 0 when the file ends before the key. The file's open error is 250;
// the city choice may end the rating (124, 129).
std::int32_t CityAddOnValue(RatingEngine& engine, Rating& rating, LaneSide side, std::string_view key, char direction);

}  // namespace vorn

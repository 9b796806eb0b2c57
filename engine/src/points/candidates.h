// The choices that fill the caller's CityCandidates buffer
// (vorn32/city_candidates.h): when a request's city (or tariff) is
// ambiguous, the engine lists the candidates there and ends the rating with
// a code that tells the caller to choose.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formats/city_points.h"
#include "rates/point_lookup.h"
#include "vorn32/city_candidates.h"

namespace vorn {

class RatingEngine;
struct Rating;

using candidates::kCityEntrySize;
using candidates::kNoneOfTheAbove;
using candidates::kTariffEntrySize;

enum class CityMode { Found, NotFound };

// The city choice of one end of the lane over a list of 19-character
// entries (the last usually "  None of the above") for the end's code: the
// index of the entry equal to the end's state and city, or the list's size
// when none is, or when the end's state is "**" (any city). In found mode a
// request byte 9 'F' first lists the entries for the caller (124 when the
// tariff's letter is 'N'); in not-found mode the entries are always listed
// and the rating ends with 124, or 123 when byte 9 is 'E'. 129 when there is
// no buffer or no room.
std::size_t ChooseCity(RatingEngine& engine, Rating& rating, const std::vector<std::string>& list,
                       std::string_view code, LaneSide side, CityMode mode);

// Whether the end's state is "**": the caller takes any city of the code.
bool AcceptsAnyCity(const Rating& rating, LaneSide side);

// The end's state and city (19 characters) in the request, which the
// answer echoes.
std::string_view RequestCity(const Rating& rating, LaneSide side);
void SetRequestCity(Rating& rating, LaneSide side, std::string_view stateCity);

// Chooses among tariff candidates (24-character texts): the one named like
// the requested tariff; otherwise lists them for the caller and raises 126
// (125 when the request asks for an error instead, 129 without room).
std::size_t ChooseTariffCandidate(Rating& rating, const std::vector<std::string>& candidates);

}  // namespace vorn

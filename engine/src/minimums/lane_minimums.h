// The minimum charges of the lane, as the rating core asks for them: the
// ZIP-pair record of the lane when the tariff's .Z file has one; else, when
// entry 0 of the rate record is a layout number 1 to 10, that layout of the
// .M file; else the minimums the rate record gives by tariff type.
#pragma once

#include <optional>

#include "rating/rate_source.h"

namespace vorn {

class RatingEngine;
struct Rating;

// The ZIP-pair record's minimums: its layout digit (0 to 4; another
// character is layout 0) and count digit (1 to 4; another character is 1),
// and by its amount flag the .M record's entries 0-3 ('M'), the rate
// record's entries 0-3 ('R') or its own four amounts (any other flag, '*'
// among them). Nothing when the lane has no ZIP-pair record; raises 205 when
// the .Z file does not open.
std::optional<LaneMinimums> ZipPairMinimums(RatingEngine& engine, Rating& rating);

LaneMinimums LaneMinimumCharges(RatingEngine& engine, Rating& rating);

}  // namespace vorn

// The border crossing of a lane with a Mexican point, from the tariff's
// border-crossing file (letter N): 37-byte records read in file order,
//   0-4 low and 6-10 high code of the U.S. side, 12-16 low and 18-22 high
//   code of the Mexican side, 24-28 the U.S. crossing code, 29-34 the
//   Mexican crossing code.
#pragma once

#include <cstdint>

namespace vorn {

class RatingEngine;
struct Rating;

// The first record whose ranges hold both points (first five characters,
// bounds included) gives the crossing codes: 0; none is 236; a file that
// does not open, 271.
std::int16_t ReadBorderCrossing(RatingEngine& engine, Rating& rating);

}  // namespace vorn

// Direct and indirect service points: the tariff's point-service file (.D)
// gives each range of ZIP codes or postal prefixes a service letter ('D'
// direct, 'I' indirect, or another letter of the data), which picks the
// discount that applies to the shipment.
// (formats/point_service_file.h).
#pragma once

#include <cstdint>

namespace vorn {

class RatingEngine;
struct Rating;

// The origin's and destination's letters (a 'D' or 'I' the request gives
// wins) and the discount block that applies: the direct block, or the
// indirect block's percentages under the tag "D%" when the request gives an
// indirect record ("I%") and an end is not direct. A missing .D file leaves
// the letters blank and the direct block applied. Always 0.
std::int16_t FindPointService(RatingEngine& engine, Rating& rating);

}  // namespace vorn

// The lookup of lane adjustments by point-number pairs in the lane list
// (formats/lane_list.h).
#pragma once

#include <cstdint>

#include "platform/kernel/file.h"
#include "rating/lane_adjustment_work.h"

namespace vorn {

// Stores the value of every record that holds the lane, from the first,
// as a hit of the second table (at most the table's slots). A lane that
// no record holds has no hits. Returns 0.
std::int16_t LoadPointPairAdjustments(const platform::File& laneFile, std::uint16_t originPoint,
                                      std::uint16_t destinationPoint, AdjustmentHitTable& hits);

}  // namespace vorn

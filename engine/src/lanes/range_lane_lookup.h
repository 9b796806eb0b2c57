// The lookup of lane adjustments by origin and destination ranges (letter
// 'U', formats/lane_list.h): the lane records whose ranges hold the lane,
// found by a scan of the records or of the blocks a lane index names, each
// stored by the list's adjustment mode unless the exclusion part keeps it
// out.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "rating/lane_adjustment_work.h"

namespace vorn {

struct RangeLane {
  std::string_view originKey;  // the 5-character keys of the ends
  std::string_view destinationKey;
  std::string_view rateHead;  // the 10-byte head of the lane's rate record
  // Stored as the first hit before the lane records': its three digits by
  // number (modes 0 and 2), or its value (modes 1 and 3).
  std::optional<std::uint16_t> forcedNumber;
};

// Sets the adjustment mode and the parameter sets from the header and
// stores the hits. 0, also for a lane no record holds; 232 for a list that
// is none (a short header, a record size too small for the mode's field,
// offsets outside the file, index blocks going backwards, lane records out
// of order by origin).
std::int16_t LoadRangeLaneAdjustments(std::span<const std::uint8_t> laneList, const RangeLane& lane,
                                      LaneAdjustmentWork& work);

}  // namespace vorn

// Storing a lane's hit by the adjustment mode of its lane list: an
// adjustment number (mode 0), a 16-bit value (modes 1 and 3) or a lane pair
// (mode 2).
#pragma once

#include <array>
#include <optional>
#include <span>

#include "rating/lane_adjustment_work.h"

namespace vorn {

// Stores the adjustment field at slot: mode 0 its 3 characters in the
// number table, modes 1 and 3 its first two bytes as a value, mode 2 the
// pair of the field and "000" and, with a suffix, a second pair of the
// field and the suffix; other modes store nothing. Answers the next slot,
// or nothing when the lane-pair list has no room (code 234 for the caller).
std::optional<int> StoreAdjustmentHit(std::span<const std::uint8_t> field, int mode,
                                      const std::optional<std::array<char, 3>>& suffix, int slot,
                                      LaneAdjustmentWork& work);

}  // namespace vorn

// The lookup of lane adjustments by ZIP slots in the lane list
// (formats/lane_list.h).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/kernel/file.h"
#include "rating/lane_adjustment_work.h"

namespace vorn {

// The slot codes of the two ends, slot s of 1 to 10 at index s - 1.
struct SlotCodes {
  static constexpr std::size_t kSlots = 10;
  std::array<std::array<char, 3>, kSlots> origin{};
  std::array<std::array<char, 3>, kSlots> destination{};
  int count = 0;  // the highest slot either end gave
};

// Fills the lane-pair list from the codes of the ZIPs' slots (odd slots from
// the origin, even ones from the destination): each code with suffix "000"
// and, when a range record holds the rate-record head, with its suffix too;
// the hit count counts the pairs. An end without ZIP records gives no
// codes. Returns 0, or 234 when the pairs would overflow the list.
std::int16_t LoadZipSlotAdjustments(const platform::File& laneFile,
                                    const std::optional<std::array<std::uint8_t, 3>>& originZip,
                                    const std::optional<std::array<std::uint8_t, 3>>& destinationZip,
                                    std::string_view rateHead, LaneAdjustmentWork& work);

}  // namespace vorn

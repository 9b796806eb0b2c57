// The global lane list of letter 'G' (formats/global_lanes.h): each end's
// zone codes through its base key, range or index section, every pair of
// codes through the lane section to .A records, kept or dropped by the
// membership section; the list the core's adjustment lists apply.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "lanes/adjustment_file.h"
#include "rating/lane_adjustment_work.h"

namespace vorn {

struct GlobalLane {
  std::string_view originZip;  // the 5-character codes of the ends
  std::string_view destinationZip;
  std::string_view membershipKey;  // bytes 4 to 9 of the lane's rate-record head
};

// The base-key files' contents; nothing for a file that does not open.
struct GlobalBaseKeys {
  std::optional<std::string> origins;       // .V
  std::optional<std::string> destinations;  // .U (.V serves both without it)
};

// Fills work.global and sets the adjustment mode: 0, also when the lane has
// no adjustments; 278 when base keys are asked for and .V does not open; 234
// past 60 entries; 232 for a list that is none (a short header, sections
// outside the file).
std::int16_t LoadGlobalAdjustments(std::span<const std::uint8_t> list, const GlobalBaseKeys& baseKeys,
                                   const AdjustmentFile& adjustments, const GlobalLane& lane, LaneAdjustmentWork& work);

// The .A record size the list's header gives (0 for a short header).
std::size_t GlobalAdjustmentRecordSize(std::span<const std::uint8_t> list);

// The 780-byte image of the list for the binary log: 60 entries {number 5
// and a NUL; letters 3; u32 offset}.
std::array<std::uint8_t, 780> GlobalListImage(const GlobalAdjustmentList& list);

}  // namespace vorn

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
  // n names .A record n - 1, added before the lane's own (nothing for 0).
  std::optional<std::uint16_t> forcedNumber;
  // A combined tariff: a list left by the pass's first load is kept whole.
  bool keepsFirstList = false;
};

// The base-key files' contents; nothing for a file that does not open.
struct GlobalBaseKeys {
  std::optional<std::string> origins;       // .V
  std::optional<std::string> destinations;  // .U (.V serves both without it)
};

// Fills work.global and sets the adjustment mode: 0, also when the lane has
// no adjustments; 278 when base keys are asked for and .V does not open; 234
// past 60 entries; 232 for a list that is none (a short header, sections
// outside the file). A list kept for a combined tariff gains nothing: the
// same lane would only add the same entries again.
std::int16_t LoadGlobalAdjustments(std::span<const std::uint8_t> list, const GlobalBaseKeys& baseKeys,
                                   const AdjustmentFile& adjustments, const GlobalLane& lane, LaneAdjustmentWork& work);

// Adds the .A record as an entry under the adjustment number: 0, or 234
// when the list is full.
std::int16_t AddGlobalAdjustment(GlobalAdjustmentList& list, const FoundAdjustment& record, std::string_view number);

// The .A record size the list's header gives (0 for a short header).
std::size_t GlobalAdjustmentRecordSize(std::span<const std::uint8_t> list);

// The 780-byte image of the list for the binary log: 60 entries {number 5
// and a NUL; letters 3; u32 offset}.
std::array<std::uint8_t, 780> GlobalListImage(const GlobalAdjustmentList& list);

}  // namespace vorn

// The rate-basis adjustment: a tariff may raise the four-digit key of a rate
// record (bytes 5-8) by the add-ons of the lane's ZIPs, from the range and
// ZIP add-on records of formats/rate_basis_files.h (a missing add-on file
// adds nothing).
#pragma once

#include <cstdint>
#include <optional>

#include "formats/rate_basis_files.h"

namespace vorn {

class RatingEngine;
struct Rating;
class RateRecord;

namespace rate_basis {
inline constexpr std::size_t kMaxRangeRecords = 1000;  // headings read before giving up on the '*' record
}  // namespace rate_basis

// The replacement key of the record: its key plus the lane's add-ons,
// capped at the range's maximum; nothing when no range applies (or the
// tariff has no range records).
std::optional<std::uint32_t> AdjustedRateBasisKey(RatingEngine& engine, Rating& rating, const RateRecord& record);

}  // namespace vorn

// The rate-basis adjustment: a tariff may raise the four-digit key of a rate
// record (bytes 5-8) by the add-ons of the lane's ZIPs. Two files say how:
// - range records, the 18-byte heading records of the tariff's RBA file
//   (.O), up to the first that begins with '*':
//     0-2 group code (matched with the rate record's first 3 characters),
//     3-6 and 7-10 the low and high four-digit keys the range applies to,
//     11-14 the most that the add-ons may add (four digits), 15-17 unused;
// - ZIP add-on records, 9 bytes sorted by ZIP, in the tariff's second add-on
//   file (the .H file in its second use, opened apart; missing: no add-ons):
//     0-4 ZIP (a postal prefix in its first 3 characters), 5-7 add-on
//     (three digits), 8 direction: 'T' counts for a destination only, 'F'
//     for an origin only, anything else for both.
#pragma once

#include <cstdint>
#include <optional>

namespace vorn {

class RatingEngine;
class RateRecord;

namespace rate_basis {
inline constexpr std::size_t kRangeRecordSize = 18;
inline constexpr std::size_t kAddOnRecordSize = 9;
inline constexpr std::size_t kMaxRangeRecords = 1000;  // headings read before giving up on the '*' record
}  // namespace rate_basis

// The replacement key of the record: its key plus the lane's add-ons,
// capped at the range's maximum; nothing when no range applies (or the
// tariff has no range records).
std::optional<std::uint32_t> AdjustedRateBasisKey(RatingEngine& engine, const RateRecord& record);

}  // namespace vorn

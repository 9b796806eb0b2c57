// The files of the rate-basis adjustment, which may raise the four-digit key
// of a rate record (bytes 5-8) by the add-ons of the lane's ZIPs:
// - range records, the 18-byte heading records of the tariff's RBA file
//   (.O), up to the first that begins with '*':
//     0-2 group code (matched with the rate record's first 3 characters),
//     3-6 and 7-10 the low and high four-digit keys the range applies to,
//     11-14 the most that the add-ons may add (four digits), 15-17 unused;
// - ZIP add-on records, 9 bytes sorted by ZIP, in the tariff's second add-on
//   file (the .H file in its second use):
//     0-4 ZIP (a postal prefix in its first 3 characters), 5-7 add-on
//     (three digits), 8 direction: 'T' counts for a destination only, 'F'
//     for an origin only, anything else for both.
#pragma once

#include <array>

#include "platform/kernel/byte_record.h"

namespace vorn {

namespace rate_basis {
using platform::FieldSpan;
inline constexpr std::size_t kRangeRecordSize = 18;
inline constexpr FieldSpan kRangeGroup{0, 3};
inline constexpr FieldSpan kRangeLow{3, 4};
inline constexpr FieldSpan kRangeHigh{7, 4};
inline constexpr FieldSpan kRangeMaximum{11, 4};
inline constexpr FieldSpan kRangeUnused{15, 3};
inline constexpr char kRangesEnd = '*';
inline constexpr std::array kRangeFields{kRangeGroup, kRangeLow, kRangeHigh, kRangeMaximum, kRangeUnused};
static_assert(platform::FieldsAreContiguous(kRangeFields, kRangeRecordSize));

inline constexpr std::size_t kAddOnRecordSize = 9;
inline constexpr FieldSpan kAddOnZip{0, 5};
inline constexpr FieldSpan kAddOnAmount{5, 3};
inline constexpr FieldSpan kAddOnDirection{8, 1};
inline constexpr std::array kAddOnFields{kAddOnZip, kAddOnAmount, kAddOnDirection};
static_assert(platform::FieldsAreContiguous(kAddOnFields, kAddOnRecordSize));
}  // namespace rate_basis

}  // namespace vorn

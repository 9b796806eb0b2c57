// The global lane list of letter 'G' (.L on the tariff's name) and its base
// keys (.V for origins, .U for destinations):
// - .L: a 54-byte header: 3 'B' when the ends are first mapped to base keys
//   through .V and .U   4 the membership mode ('Y', 'J'; 'N' none)   5 'I'
//   when members are kept (else they are dropped)   6 the adjustment mode
//   7 'Y' when the list is sorted   then eleven u32 from byte 8:
//   destination index, origin index, destination ranges, origin ranges,
//   lane start, lane end, destination index record size, origin index
//   record size, destination range record size, origin range record size,
//   .A record size; two unused bytes.
//   Index records (numbered by a key of digits) hold 5-character zone
//   codes; range records {low key 5; high key 5; 1 byte; zone codes of 5};
//   zone codes end at a blank code. Lane records, 15 bytes sorted by bytes
//   1-10 {1 byte; origin zone 5; destination zone 5; u32 .A record number}.
//   Membership records from the lane end to the end of the file, 19 bytes
//   {low key 5 or 6; high key 5 or 6 at 7; adjustment number 5 at 14}.
// - .V and .U: 36-byte records {2 bytes; low ZIP 5; high ZIP 5; 5 bytes;
//   base key 5 at 17; the rest unused}.
// - .A: records of the header's size {adjustment number 5; operation for
//   minimums 5; operation for rates 6; a letter 7; i32 value for minimums at
//   8; from 12 an i32 value per rate-table position}. The percentage record
//   a lane's percentage tables name (tariff names beginning 'U') holds at 8
//   its own entry number (not 0: the record itself is an entry) and from 12
//   eight i32, each above 10000 naming record number - 10000 as an entry.
// Integers are little-endian.
#pragma once

#include <cstddef>

#include "platform/kernel/byte_record.h"

namespace vorn::global_lanes {

namespace header {
inline constexpr std::size_t kSize = 54;
inline constexpr std::size_t kBaseKeys = 3, kMembership = 4, kMembersKept = 5, kMode = 6, kSorted = 7;
inline constexpr std::size_t kDestinationIndex = 8, kOriginIndex = 12, kDestinationRanges = 16, kOriginRanges = 20,
                             kLaneStart = 24, kLaneEnd = 28, kDestinationIndexSize = 32, kOriginIndexSize = 36,
                             kDestinationRangeSize = 40, kOriginRangeSize = 44, kAdjustmentSize = 48;
static_assert(kAdjustmentSize + 4 + 2 == kSize);
}  // namespace header

inline constexpr std::size_t kCodeWidth = 5;
inline constexpr std::size_t kRangeCodes = 11;  // low 5, high 5, one byte

namespace lane {
inline constexpr std::size_t kSize = 15;
inline constexpr platform::FieldSpan kKey{1, 10};
inline constexpr std::size_t kRecordNumber = 11;
static_assert(kKey.end() == kRecordNumber && kRecordNumber + 4 == kSize);
}  // namespace lane

namespace member {
inline constexpr std::size_t kSize = 19;
inline constexpr std::size_t kLow = 0, kHigh = 7, kNumber = 14;
static_assert(kNumber + 5 == kSize);
}  // namespace member

namespace base_key {
inline constexpr std::size_t kSize = 36;
inline constexpr platform::FieldSpan kLow{2, 5}, kHigh{7, 5}, kKey{17, 5};
static_assert(kHigh.offset == kLow.end() && kKey.end() <= kSize);
}  // namespace base_key

namespace adjustment {
inline constexpr platform::FieldSpan kNumber{0, 5};
inline constexpr std::size_t kLetters = 5, kMinimumOperation = 5, kRateOperation = 6, kMinimumValue = 8,
                             kRateValues = 12;
static_assert(kNumber.end() == kLetters && kRateValues == kMinimumValue + 4);
inline constexpr std::size_t kOwnEntry = kMinimumValue, kListedRecords = kRateValues, kListedCount = 8;
}  // namespace adjustment

}  // namespace vorn::global_lanes

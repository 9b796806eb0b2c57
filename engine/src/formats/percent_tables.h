// The lane percentage tables of a zone-pair tariff (lane letter 'T' from
// tariff year 1998):
// - .Q, the percentage bases, and .J, the percentage matrix, each begin with
//   a 12-byte header of two entries {tag 2; u32 offset}: the entry tagged
//   "A " gives the offset of the first record, the other the end of the
//   records.
//   .Q records, 12 bytes, sorted: 0 'A'   1 unused   2-4 the packed low ZIP
//     5 the high ZIP's last two digits, packed   6-11 unused; a ZIP is in a
//     record when its first three digits are the low ZIP's and it lies
//     between the low and the high ZIP.
//   .J records, 12 bytes, sorted by their first 8: 0-1 "A "   2-4 the
//     origin's .Q record's packed low ZIP   5-7 the destination's   8-10 the
//     adjustment record number, 5 packed digits   11 unused.
// - .X, the percentage exceptions: 26-byte header records from the start
//   while their byte 0 is '0'; the one whose bytes 2-3 are "T1" gives the
//   record size (byte 11, at least 23) and the records' range (u32 at 16
//   and 20). Exception records:
//     0-1 "T1"   2-4 and 5-7 the origin's packed ZIP range   8-10 and 11-13
//     the destination's   14 a letter ('A' any)   15 and 17 (u16) the range
//     of record numbers (hit values)   19 and 21 (u16) two flag words.
// Integers are little-endian.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/kernel/byte_record.h"

namespace vorn::percent_tables {

inline constexpr std::size_t kHeaderSize = 12;
inline constexpr std::size_t kHeaderEntrySize = 6;  // tag 2, u32 offset
inline constexpr std::string_view kFirstRecordTag = "A ";

namespace base {
inline constexpr std::size_t kSize = 12;
inline constexpr std::size_t kType = 0, kLowZip = 2, kHighDigits = 5;
static_assert(kHighDigits + 1 < kSize && kLowZip + 3 == kHighDigits);
}  // namespace base

namespace matrix {
inline constexpr std::size_t kSize = 12;
inline constexpr std::size_t kKeySize = 8, kRecordNumber = 8;  // 5 packed digits
static_assert(kRecordNumber + 3 < kSize);
}  // namespace matrix

namespace exception {
inline constexpr std::size_t kHeaderRecordSize = 26;
inline constexpr std::size_t kHeaderTag = 2, kRecordSize = 11, kFirstRecord = 16, kEnd = 20;
inline constexpr std::string_view kTag = "T1";
inline constexpr std::size_t kOriginLow = 2, kOriginHigh = 5, kDestinationLow = 8, kDestinationHigh = 11, kLetter = 14,
                             kLowValue = 15, kHighValue = 17, kFlags = 19, kMinimumSize = 23;
static_assert(kEnd + 4 <= kHeaderRecordSize && kFlags + 4 == kMinimumSize && kDestinationHigh + 3 == kLetter);
}  // namespace exception

}  // namespace vorn::percent_tables

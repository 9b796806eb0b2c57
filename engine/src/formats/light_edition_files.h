// The light edition's files, the base file (.B) and the matrix file (.K),
// which turn the lane's ZIPs into the rate-basis number and letter of
// the rate-record key, and the lettered-code table turns the letter into
// the key's group code and the substitution flag.
//
// Both files begin with a code table of 20 entries of 6 bytes {2-character
// table code, u32 first record}; record r of the file is the 12-byte record
// at byte 120 + 12r, and a code's records run up to the next entry's first
// record (the last entry's up to the end of the file; unused entries have a
// blank code).
// - .B base records: 0 a code character, 1 unused, 2-4 packed first ZIP of
//   a range, 5 the last two digits of its end (packed; the range keeps the
//   first ZIP's 3-digit prefix), 6-8 packed matrix key, 9-11 a packed
//   five-digit add value (2020: none). The file ends in the lettered-code
//   block: 10-byte entries {letter, prefix 5, group code 3, flag} between
//   two entries of group code "000" whose letter is 'X'.
// - .K matrix records, sorted within each code: 0-1 table code, 2-4 and
//   5-7 two packed matrix keys (the lower first), 8-10 packed five-digit
//   rate-basis number, 11 rate-basis letter.
// The text variant, for the methods that ask for it, has 17-byte records
// (record r at byte 120 + 17r):
// - base: 0-1 table code, 2-6 first ZIP as text, 7-8 the last two digits
//   of the range's end, 9-13 matrix key (5 characters), 14-16 packed add
//   value;
// - matrix: 0-1 table code, 2-6 and 7-11 the two matrix keys (the lower
//   first; the first 12 bytes are compared), 12-14 packed rate-basis
//   number, 15 letter, 16 unused.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vorn {

namespace light {
inline constexpr std::size_t kCodeTableEntries = 20;
inline constexpr std::size_t kCodeEntrySize = 6;
inline constexpr std::size_t kCodeTableSize = kCodeTableEntries * kCodeEntrySize;
inline constexpr std::size_t kRecordSize = 12;
inline constexpr std::size_t kTextRecordSize = 17;
inline constexpr std::uint32_t kNoAddValue = 2020;
inline constexpr std::size_t kMaxBlockSteps = 250;
}  // namespace light

}  // namespace vorn

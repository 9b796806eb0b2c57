// The light edition's rate-basis tables: the base file (.B) and the matrix
// file (.K) turn the lane's ZIPs into the rate-basis number and letter of
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

#include <cstdint>
#include <string_view>

namespace vorn {

class RatingEngine;

enum class LightForm { Binary, Text };

namespace light {
inline constexpr std::size_t kCodeTableEntries = 20;
inline constexpr std::size_t kCodeEntrySize = 6;
inline constexpr std::size_t kCodeTableSize = kCodeTableEntries * kCodeEntrySize;
inline constexpr std::size_t kRecordSize = 12;
inline constexpr std::uint32_t kNoAddValue = 2020;
inline constexpr std::size_t kMaxBlockSteps = 250;
}  // namespace light

// Loads the lettered-code table from the .B file's closing block, else the
// default table, and logs it (kind 18). Raises 221 when the .B file does not
// open.
void LoadLetteredCodeTable(RatingEngine& engine);

// The table step: the entry of the letter whose prefix fits the key's
// rate-basis number gives the key's group code and the substitution flag.
// Raises 272 when the letter is not in the table; a '*' entry met first
// changes nothing.
void ApplyLetteredCode(RatingEngine& engine, char letter);

// The base records of both ends for the table code (kinds 19 and 20).
void LightBaseLookup(RatingEngine& engine, std::string_view code, LightForm form = LightForm::Binary);

// The .K record of the two ends' matrix keys for the table code (kind 21):
// it sets the key's rate-basis number and letter and runs the table step.
// The letter, or 0 when there is no record.
char LightMatrixLookup(RatingEngine& engine, std::string_view code, LightForm form = LightForm::Binary);

// The rate-basis number and letter of the lane for the tariff method's
// kind letter ('A', 'C', 'D', 'E', 'F', 'H', 'J'; other letters change
// nothing). The letter found, or 0.
char RateLiteTariff(RatingEngine& engine, char kindLetter, LightForm form = LightForm::Binary);

// The second light-edition step of the tariff methods that take one: loads
// the lettered-code table, then for kind 'B' the base and matrix lookups of
// code "B " (1 when a matrix record decided), for 'C' the base lookup of
// "C ", for 'M' the rate-basis number of value plus the add values of "M "
// (or the factor file's city add-on for it), given back in value. Other
// kinds change nothing. 1 when a matrix record decided, else 0.
int RateLiteStep(RatingEngine& engine, char kindLetter, std::int32_t& value, LightForm form = LightForm::Binary);

}  // namespace vorn

// The packed codes and numbers of the data files, in one place:
// - packed ZIP, the key of the ZIP-keyed files: a ZIP in 3 bytes as five
//   packed digits (below), so the first byte is never above 9; a code
//   beginning with a letter (a Canadian postal code) keeps its first three
//   characters, the first and third upper-cased;
// - packed digits: n decimal digits two per byte (a digit per half-byte),
//   (n + 1) / 2 bytes, most significant byte first; an odd count leaves the
//   first half-byte zero (12345 is 01 23 45);
// - packed postal code: a 24-bit number, most significant byte first, of six
//   characters whose first is a base-36 digit (digits, then 'A' to 'Z' as 10
//   to 35) and the other five decimal: first x 100000 + the five digits;
// - 24-bit entries of a rate record: entry i is the 3 bytes at 10 + 3i,
//   little-endian;
// - packed ZIP span of the rate files: 3 bytes little-endian, the high 17
//   bits the first ZIP, the low 7 bits the count of further ZIPs.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vorn {

// Packs the first n characters of digits into out ((n + 1) / 2 bytes);
// false, with out unchanged, when out is too small or a character is not a
// digit.
bool PackDigits(std::span<std::uint8_t> out, std::string_view digits, std::size_t n);

// The n digits of packed; nothing when a half-byte is above 9 or packed is
// too short.
std::optional<std::string> UnpackDigits(std::span<const std::uint8_t> packed, std::size_t n);

// The value of n packed digits; nothing as for UnpackDigits.
std::optional<std::int64_t> PackedDigitsValue(std::span<const std::uint8_t> packed, std::size_t n);

// The 3 bytes of a six-character code; nothing when the first character is
// not a base-36 digit or the other five are not digits.
std::optional<std::array<std::uint8_t, 3>> PackPostalCode(std::string_view code);

// The lower-triangular index of a pair: b(b + 1)/2 + a when b > a, else
// a(a + 1)/2 + b (the pair's order does not matter).
std::int64_t TriangularIndex(std::int64_t a, std::int64_t b);

// A 24-bit little-endian value (high byte zero).
std::uint32_t Load24(std::span<const std::uint8_t, 3> bytes);

struct ZipSpan {
  std::uint32_t first = 0;  // the first ZIP as a number
  std::uint32_t count = 0;  // further ZIPs: the span ends at first + count
  std::uint32_t last() const { return first + count; }
};
ZipSpan UnpackZipSpan(std::span<const std::uint8_t, 3> bytes);

using PackedZip = std::array<std::uint8_t, 3>;

// Nothing for a code that does not pack (fewer than five digits after a
// leading digit, fewer than three characters, or another first character).
std::optional<PackedZip> PackZip(std::string_view code);

// Five digits for a first byte of 9 or less, else the three characters.
std::string UnpackZip(std::span<const std::uint8_t, 3> packed);

// The characters a code is compared on: five for a code beginning with a
// digit, three for one beginning with a letter (first and third
// upper-cased); empty for any other code.
std::string ComparableCode(std::string_view code);

}  // namespace vorn

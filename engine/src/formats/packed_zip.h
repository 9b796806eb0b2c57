// Packed ZIP: a ZIP or postal code in 3 bytes, the key of the engine's
// ZIP-keyed files. Five digits are packed as binary-coded decimal, most
// significant digit first (12345 packs to 01 23 45, so the first byte is
// never above 9); a code beginning with a letter (a Canadian postal code)
// keeps its first three characters, the first and third upper-cased.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vorn {

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

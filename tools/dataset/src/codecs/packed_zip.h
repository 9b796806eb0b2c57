// The 3-byte packed form of a ZIP code or a Canadian postal prefix, as the
// tariff-directory files and the point-service file store their keys.
//
// A code whose first character is a digit packs its first five characters
// as binary-coded decimal, one digit per half-byte, most significant first
// (12345 is 01 23 45, so the first byte is at most 9). A code whose first
// character is a letter keeps its first three characters, the first and the
// third upper-cased ("k1a" is "K1A"). Packed keys sort as their codes do when
// compared byte by byte, unsigned: every ZIP before every postal prefix.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dataset {

using PackedZip = std::array<std::uint8_t, 3>;

// The packed key, or nothing for a code that does not pack (five digits
// wanted after a leading digit, three characters after a leading letter).
std::optional<PackedZip> PackZip(std::string_view code);

// The code back: five digits, or three characters. Nothing for bytes that
// no code packs to (a half-byte above 9, a first byte that is neither a
// digit pair nor an upper-case letter, a lower-case third character).
std::optional<std::string> UnpackZip(const PackedZip& packed);

// The three bytes of a record as a packed key.
PackedZip PackedZipAt(std::string_view record, std::size_t offset);

// True when both keys are ZIPs or both are postal prefixes.
bool SameCodeFamily(const PackedZip& a, const PackedZip& b);

}  // namespace dataset

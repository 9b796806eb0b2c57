// The minimum table of the tariff's .M file in its headerless form: the
// file's first 384 bytes, 128 entries of 24 bits, read into the entries of
// the minimum record area (behind its 10-byte key). The other form of the
// file, a header and keyed records, is read by the minimum-charge step.
#pragma once

#include <cstdint>
#include <span>

namespace vorn {

class RatingEngine;

inline constexpr std::size_t kMinimumTableSize = 384;

// Raises the .M file's open error (225) and 226 on a short read.
void ReadMinimumTable(RatingEngine& engine, std::span<std::uint8_t, kMinimumTableSize> entries);

}  // namespace vorn

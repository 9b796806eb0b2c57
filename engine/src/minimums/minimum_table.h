// The headerless tier table of the tariff's .M file
// (formats/minimum_file.h), read into the entries of the minimum record area.
#pragma once

#include <cstdint>
#include <span>

#include "formats/minimum_file.h"

namespace vorn {

class RatingEngine;
struct Rating;

// Raises the .M file's open error (225) and 226 on a short read.
void ReadMinimumTable(RatingEngine& engine, std::span<std::uint8_t, kMinimumTableSize> entries);

}  // namespace vorn

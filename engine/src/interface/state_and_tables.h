// The state of a ZIP or postal code and the classes and weight breaks of a
// dated tariff, answered outside a rating.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorn {

class RatingEngine;

// "MX" for a Mexican code (five digits and 'M'); else the state of the
// TDZ.BIN range that holds the code, of any version; nothing when no range
// or no state holds it.
std::optional<std::string> StateOfCode(RatingEngine& engine, std::string_view code);

// Fills a 222-byte TariffTables buffer:
//   0 20 x 6 class codes   120 20 x i32 weight breaks   200 i16 class count
//   202 i16 break count    204 8 tariff name (in)   212 10 date "MM?DD?CCYY" (in)
// True when the tariff's record for the date was found and its factor file
// read.
bool FillTariffTables(RatingEngine& engine, char* buffer);

}  // namespace vorn

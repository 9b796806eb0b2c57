// Two lists the program shows, read whole from the data directory:
//   the level file (normally LEVEL.LVL): 18-byte records {level name 8 (a
//     TariffBaseName), effective date "YYYYMMDD" 8, CR LF}, held in the
//     LevelTable (token 12554, count 234 = size / 18);
//   .COZ: 6-character point codes (token 100, count 104 = size / 6), the
//     origins the program offers in a drop-down list.
// A trailing piece shorter than a record is not counted.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "ratekit/rating_context.h"

namespace ratekit {

// OpenLevelFile: the file named (in the data directory) read whole; the
// first record's date becomes ShipmentDate "MM-DD-YYYY". 300 missing, 302
// no buffer, 304 unreadable or without a whole record.
std::optional<std::int32_t> ReadLevelFile(RatingContextView& record, std::string_view fileName);

// ReadCOZFile: count := 0, then the file read whole (open routine). On a
// failure the table is freed and the count stays 0: 0 (no number) when the
// file is missing, 150 no buffer, 151 unreadable.
std::optional<std::int32_t> ReadOriginCodes(RatingContextView& record);

}  // namespace ratekit

// The .ACC file: AccessorialEntry records of 123 bytes, in the order the
// accessorial dialog shows them, up to 100 held in the AccessorialTable
// (254, count 238). Read whole records only; written back whole.
#pragma once

#include <cstdint>
#include <optional>

#include "ratekit/rating_context.h"

namespace ratekit {

// Reads records (open routine: the current directory first) until a short
// read or 100 records; count := records read. 490 missing, 494 when not
// one whole record was read.
std::optional<std::int32_t> ReadAccessorials(RatingContextView& record);

// WriteAccFile: the first count entries (held to 0..100) into
// StartupDirectory (520 create, 246 write).
std::optional<std::int32_t> WriteAccessorials(const RatingContextView& record);

// The count of 238 held to the table's room.
std::size_t AccessorialCount(const RatingContextView& record);

}  // namespace ratekit

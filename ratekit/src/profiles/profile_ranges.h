// The ZIP ranges in force: the current profile's own .ZP6 file (named by
// the profile: 12-byte lines {from 5, to 5, CR LF}, as the tariff's) when
// it has ZIP-pair discounts and discounts are in use, else the tariff's.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "ratekit/rating_context.h"

namespace ratekit {

// LoadProfileZP6: nothing to do when postal codes are refused (.SET 207
// 'Y'). Otherwise the table freed, then the profile's file read from
// StartupDirectory (where the program writes it), else DataDirectory; a
// profile name that is not a plain file name is refused with 436. Without
// the profile's file, or when it fails, the tariff's .ZP6 is read and its
// result given.
std::optional<std::int32_t> LoadZipRangesInForce(RatingContextView& record);

}  // namespace ratekit

// The engine's answer copied into the RatingContext: the totals as the
// texts the rating screen shows, the rate base number, the U.S. rate table,
// each line's rate and charge, the points' states and service letters, the
// two charge lists ("MC" and "SS") and the percentage surcharge.
#pragma once

#include <cstdint>
#include <optional>

#include "ratekit/rating_context.h"
#include "vorn32/shipment_record.h"

namespace ratekit {

// Nothing when every text fits its field, else the number of the failure:
// 108 for a surcharge that cannot be worked out or shown, -1 for an answer
// whose figures do not fit their fields (nothing is shown for it).
std::optional<std::int32_t> CopyRatingResults(RatingContextView& record, const vorn::ShipmentRecord& answer);

}  // namespace ratekit

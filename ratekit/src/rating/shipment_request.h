// The engine's request built from the shipment in the RatingContext: the
// header (tariff, date, points, intrastate letter, factor, discount switch
// and kind), the eight shipment lines as detail lines, the two discount
// records and the cleared result areas of the 2160-byte ShipmentRecord.
#pragma once

#include <cstdint>
#include <optional>

#include "ratekit/rating_context.h"
#include "vorn32/shipment_record.h"

namespace ratekit {

// Fills the request. Nothing when it is ready, else the number of the
// failure: 501 or 103 when the lane's tariff tables do not know the lane,
// 118 a discount below 0 or of 99.99 or more, 513 a factor that needs more
// than five digits (or is below 0), 106 a weight of more than six
// characters, 105 a class index outside the class table.
std::optional<std::int32_t> BuildShipmentRequest(RatingContextView& record, int detailCount, bool noDiscountLane,
                                                 vorn::ShipmentRecord& request);

}  // namespace ratekit

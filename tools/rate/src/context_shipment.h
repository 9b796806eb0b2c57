// A sample shipment put into a RatingContext, as the rating screen fills
// it: tariff, date, both points (code, state, city), the shipment lines
// (class and weight text), and the direct discounts when the shipment has
// any (the same percentages go to the engine for both kinds of points). A
// lane with a Canadian code is marked Canadian, as the territory check
// marks it.
#pragma once

#include "ratekit/rating_context.h"
#include "sample_shipment.h"

namespace rate_tool {

// Returns the shipment's line count.
int FillRatingContext(ratekit::RatingContextView& record, const ShipmentBytes& shipment);

}  // namespace rate_tool

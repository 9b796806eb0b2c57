// Charge lists 0 ("MC", minimum-charge items) and 1 ("SS", the others) of
// the RatingContext, from the engine's item lists: each list at most 15
// items, sorted by item number, a charge below the floor raised to it and
// flagged '*'. Lists 2 to 5 belong to the result display and are not
// touched.
#pragma once

#include "ratekit/rating_context.h"
#include "vorn32/shipment_record.h"

namespace ratekit {

void FillChargeLists(RatingContextView& record, const vorn::ShipmentRecord& answer);

}  // namespace ratekit

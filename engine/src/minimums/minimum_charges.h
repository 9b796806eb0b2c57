// The minimum-charge list: the layouts of the lane's minimum charges by
// weight threshold, and the choice of the minimum that applies to a
// shipment.
#pragma once

#include <cstdint>

#include "rating/class_break_work.h"
#include "rating/rate_source.h"

namespace vorn {

// The list of a lane's minimums. Layouts 0 to 4 set the kinds and
// thresholds of their four slots:
//   0: '1' at 0 (slots 1-3 unused)   1: '1' at 0, 200, 300, 400
//   2: '1' 100, '0' 0, '1' 0, '0' 100   3: '1' at 0 and 100   4: '1' 0, '0' 0
// Layouts 5 to 10 come as read from the minimum-charge file.
MinimumChargeList LayOutMinimums(const LaneMinimums& minimums);

// The minimum that applies to a shipment of totalWeight pounds: the '0'
// (single-shipment) item with the highest threshold at or below the weight
// when singleShipment is set, else (or when none is) the '1' item likewise;
// 0 when no item's threshold is reached. The list is rewritten with its '1'
// items, then its '0' items, each by ascending threshold.
std::int32_t SelectMinimum(MinimumChargeList& list, std::int32_t totalWeight, bool singleShipment);

}  // namespace vorn

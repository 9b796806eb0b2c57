// RateShipment: the shipment of the RatingContext rated by the engine, its
// answer copied back. 0 rated; 9999 failed (the number in LastErrorCode, -1
// when a box was shown or nothing is to be shown); 1 when the engine is not
// in use (nothing rated).
#pragma once

#include "ratekit/rating_context.h"

namespace ratekit {

inline constexpr int kRated = 0;
inline constexpr int kNotRated = 1;
inline constexpr int kRatingFailed = 9999;

int RateContextShipment(RatingContextView& record, int detailCount);

}  // namespace ratekit

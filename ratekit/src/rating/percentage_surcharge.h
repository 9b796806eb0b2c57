// The percentage surcharge of a rating: the LTL percentage below the
// weight break the settings name, the TL percentage from it on, taken on
// the total charge (before or after the discount, as the tariff's settings
// say), rounded to cents.
#pragma once

#include <cstdint>
#include <optional>

#include "ratekit/rating_context.h"

namespace ratekit {

struct RatedTotals {
  std::int64_t totalChargeCents;
  std::int64_t discountCents;
  std::int64_t totalWeight;  // pounds
};

// Writes the surcharge text (0.00 when the surcharge is off) and the break
// number it was judged by. Nothing when done, else 108: the break number
// is outside the break table, or the amount cannot be worked out or shown.
std::optional<std::int32_t> PutPercentageSurcharge(RatingContextView& record, const RatedTotals& totals);

}  // namespace ratekit

#include "core/class_break_rate.h"

#include <algorithm>

#include "core/class_break_index.h"
#include "engine_state/rating_engine.h"
#include "rating/rate_source.h"
#include "rating/rating.h"

namespace vorn {

int RatedBreakOf(const ClassBreakWork& core, std::int32_t weight) {
  const int b = BreakIndex(core, weight);
  return b < 0 ? b : std::min(b, RatedBreakCount(core) - 1);
}

std::int32_t GetClassBreakRate(RatingEngine& engine, Rating& rating, RateSource& source, std::int32_t weight,
                               std::string_view classCode) {
  const ClassBreakWork& core = rating.core;
  return ClassBreakRateAt(engine, rating, source, ClassIndex(core, classCode), RatedBreakOf(core, weight));
}

std::int32_t ClassBreakRateAt(RatingEngine& engine, Rating& rating, RateSource& source, int c, int b) {
  const ClassBreakWork& core = rating.core;
  if (b < 0 || c < 0) return 0;
  if (const auto item = RateItemIndex(core, c, b); item && core.rateTable.items[*item] != BreakRateTable::kNotFetched)
    return core.rateTable.items[*item];
  return source.classBreakRate(engine, rating, c, b).value_or(BreakRateTable::kNotFetched);
}

bool DiscountedInFull(const ClassBreakWork& core, std::int32_t weight, std::string_view classCode) {
  const auto item = RateItemIndex(core, ClassIndex(core, classCode), RatedBreakOf(core, weight));
  return item && core.rateTable.discountedInFull.test(*item);
}

}  // namespace vorn

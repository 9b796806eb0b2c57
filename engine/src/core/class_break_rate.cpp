#include "core/class_break_rate.h"

#include <algorithm>

#include "core/rate_source.h"
#include "engine_state/rating_engine.h"
#include "core/class_break_index.h"

namespace vorn {

int RatedBreakCount(const ClassBreakWork& core) {
  return std::clamp<int>(core.breakCount, 0, static_cast<int>(kRatedBreaks));
}

int RatedClassCount(const ClassBreakWork& core) {
  return std::clamp<int>(core.classCount, 0, static_cast<int>(kRatedClasses));
}

std::optional<std::size_t> RateItemIndex(const ClassBreakWork& core, int classRow, int breakIndex) {
  const int breaks = RatedBreakCount(core);
  if (classRow < 0 || classRow >= RatedClassCount(core) || breakIndex < 0 || breakIndex >= breaks) return std::nullopt;
  return static_cast<std::size_t>(4 + breaks * classRow + breakIndex);
}

int RatedBreakOf(const ClassBreakWork& core, std::int32_t weight) {
  const int b = BreakIndex(core, weight);
  return b < 0 ? b : std::min(b, RatedBreakCount(core) - 1);
}

std::int32_t GetClassBreakRate(RatingEngine& engine, RateSource& source, std::int32_t weight, std::string_view classCode) {
  const ClassBreakWork& core = engine.work.core;
  const int b = RatedBreakOf(core, weight);
  const int c = ClassIndex(core, classCode);
  if (b < 0 || c < 0) return 0;
  if (const auto item = RateItemIndex(core, c, b); item && core.rateTable.items[*item] != BreakRateTable::kNotFetched)
    return core.rateTable.items[*item];
  return source.classBreakRate(engine, c, b).value_or(BreakRateTable::kNotFetched);
}

bool DiscountedInFull(const ClassBreakWork& core, std::int32_t weight, std::string_view classCode) {
  const auto item = RateItemIndex(core, ClassIndex(core, classCode), RatedBreakOf(core, weight));
  return item && core.rateTable.discountedInFull.test(*item);
}

}  // namespace vorn

#include "engine_state/rating_engine.h"
#include "fetch/rate_by_type.h"
#include "fetch/tariff_number.h"
#include "minimums/lane_minimums.h"
#include "rates/auxiliary_tables.h"
#include "rating/rate_source.h"
#include "rating/rating.h"

namespace vorn {
namespace {

// The engine's source: the rate fetch of the tariff type over the lane's
// rate record, and the lane's minimum charges from the ZIP-pair record, the
// .M file or the rate record.
class EngineSource final : public RateSource {
 public:
  std::optional<std::int32_t> classBreakRate(RatingEngine& engine, Rating& rating, int classRow,
                                             int breakIndex) override {
    return FetchRateByTariffType(engine, rating, classRow, breakIndex);
  }
  LaneMinimums minimumCharges(RatingEngine& engine, Rating& rating) override {
    return LaneMinimumCharges(engine, rating);
  }
  // A bureau tariff's percentages, from its preparation.
  BureauPercentages bureauPercentages(RatingEngine&, Rating& rating) override { return rating.bureau; }
  int tariffNumber(RatingEngine&, Rating& rating) override { return RecordTariffNumber(rating.rates.rateRecord); }
  std::optional<std::int32_t> originClassPercent(RatingEngine& engine, Rating& rating) override {
    if (rating.rates.rateRecord.kind() != 'C') return std::nullopt;
    // The range's percentage is the 16-bit value in bytes 9 and 10; the
    // open error (270) and "none" are no match.
    const std::int32_t r = FindOriginRange(engine, rating);
    const TariffTableWork& t = rating.tables;
    if (r < 0 || static_cast<std::size_t>(r) >= t.originRangeCount) return std::nullopt;
    return t.originRanges[static_cast<std::size_t>(r)].integerAt<std::uint16_t>(origin_range::kPercent.offset);
  }
};

}  // namespace

RateSource& EngineRateSource() {
  static EngineSource source;
  return source;
}

}  // namespace vorn

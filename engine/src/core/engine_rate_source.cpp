#include "core/rate_source.h"
#include "engine/rating_engine.h"
#include "fetch/lane_minimums.h"
#include "fetch/rate_by_type.h"
#include "fetch/tariff_number.h"

namespace vorn {
namespace {

// The engine's source: the rate fetch of the tariff type over the lane's
// rate record, and the lane's minimum charges from the ZIP-pair record, the
// .M file or the rate record.
class EngineSource final : public RateSource {
 public:
  std::optional<std::int32_t> classBreakRate(RatingEngine& engine, int classRow, int breakIndex) override {
    return FetchRateByTariffType(engine, classRow, breakIndex);
  }
  LaneMinimums minimumCharges(RatingEngine& engine) override { return LaneMinimumCharges(engine); }
  // A bureau tariff's percentages come with its preparation, which does not
  // give them yet.
  BureauPercentages bureauPercentages(RatingEngine&) override { return BureauPercentages{}; }
  int tariffNumber(RatingEngine& engine) override { return RecordTariffNumber(engine.rates.rateRecord); }
};

}  // namespace

RateSource& EngineRateSource() {
  static EngineSource source;
  return source;
}

}  // namespace vorn

#include "minimums/lane_minimums.h"

#include <algorithm>

#include "engine_state/rating_engine.h"
#include "errors/engine_error.h"
#include "minimums/minimum_file.h"
#include "minimums/minimum_table.h"
#include "minimums/minimums_by_type.h"
#include "minimums/tier_amounts.h"
#include "rates/auxiliary_tables.h"
#include "rating/rating.h"

namespace vorn {
namespace {

using zip_pair::kAmountFlag;
using zip_pair::kItemCount;
using zip_pair::kMinimumLayout;

std::array<std::int32_t, 4> RateEntries(const Rating& rating) {
  const RateRecord& r = rating.rates.rateRecord;
  return {static_cast<std::int32_t>(r.entry(0)), static_cast<std::int32_t>(r.entry(1)),
          static_cast<std::int32_t>(r.entry(2)), static_cast<std::int32_t>(r.entry(3))};
}

int DigitOr(char c, int low, int high, int fallback) { return c >= '0' + low && c <= '0' + high ? c - '0' : fallback; }

}  // namespace

std::optional<LaneMinimums> ZipPairMinimums(RatingEngine& engine, Rating& rating) {
  if (const std::int16_t c = ReadZipPair(engine, rating); c > 0) Raise(c);
  if (!rating.tables.hasZipPair) return std::nullopt;
  const auto& z = rating.tables.zipPair;
  LaneMinimums m;
  m.layout = static_cast<std::int16_t>(DigitOr(z.charAt(kMinimumLayout.offset), 0, 4, 0));
  m.count = static_cast<std::int16_t>(DigitOr(z.charAt(kItemCount.offset), 1, 4, 1));
  switch (z.charAt(kAmountFlag.offset)) {
    case 'M': {
      ReadMinimumRecord(engine, rating);
      const MinimumRecordArea& area = rating.minimumRecord;
      for (std::size_t k = 0; k < 4; ++k) m.amounts[k] = static_cast<std::int32_t>(area.entry(k));
      break;
    }
    case 'R': m.amounts = RateEntries(rating); break;
    default:
      for (std::size_t k = 0; k < zip_pair::kAmountCount; ++k)
        m.amounts[k] = static_cast<std::int32_t>(zip_pair::Amount(z, k));
      break;
  }
  return m;
}

LaneMinimums LaneMinimumCharges(RatingEngine& engine, Rating& rating) {
  if (std::optional<LaneMinimums> zipPair = ZipPairMinimums(engine, rating)) return *zipPair;
  const RateRecord& record = rating.rates.rateRecord;
  const std::uint32_t layout = record.entry(0);
  if (layout >= 1 && layout <= 10) return MinimumsFromMinimumFile(engine, rating, static_cast<int>(layout));

  RecordMinimumFields fields;
  fields.entries = RateEntries(rating);
  fields.kind = record.kind();
  fields.variant = record.variantDigit();
  MinimumRules rules;
  rules.tierLayout = engine.fetch.tierSwitchOn(engine.currentTariff);
  rules.kindFactor = KindMinimumFactor(engine, rating);
  // The 'K' variant sign is column 68 of the tariff's effective record.
  rules.kVariantSign = engine.currentTariff.flag68;
  // The distance tiers come from the .M tier table, read when a layout first
  // asks for one.
  bool tableRead = false;
  rules.distanceTier = [&engine, &rating, &tableRead](std::int32_t weight) {
    if (!tableRead) {
      rating.minimumRecord.clear();
      ReadMinimumTable(engine, rating.minimumRecord.entries());
      tableRead = true;
    }
    return DistanceTierAmount(engine, rating, weight);
  };
  rules.weightTier = [&engine, &rating](std::int32_t weight) { return WeightTierAmount(engine, rating, weight); };
  return MinimumsByTariffType(engine.currentTariff.ratedType(), fields, rules);
}

}  // namespace vorn

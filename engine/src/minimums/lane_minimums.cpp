#include "minimums/lane_minimums.h"

#include <algorithm>

#include "engine_state/rating_engine.h"
#include "errors/engine_error.h"
#include "minimums/minimum_file.h"
#include "minimums/minimum_table.h"
#include "minimums/minimums_by_type.h"
#include "minimums/tier_amounts.h"
#include "rates/auxiliary_tables.h"

namespace vorn {
namespace {

using zip_pair::kAmountFlag;
using zip_pair::kAmounts;
using zip_pair::kItemCount;
using zip_pair::kMinimumLayout;

std::array<std::int32_t, 4> RateEntries(const RatingEngine& engine) {
  const RateRecord& r = engine.rates.rateRecord;
  return {static_cast<std::int32_t>(r.entry(0)), static_cast<std::int32_t>(r.entry(1)),
          static_cast<std::int32_t>(r.entry(2)), static_cast<std::int32_t>(r.entry(3))};
}

int DigitOr(char c, int low, int high, int fallback) { return c >= '0' + low && c <= '0' + high ? c - '0' : fallback; }

}  // namespace

std::optional<LaneMinimums> ZipPairMinimums(RatingEngine& engine) {
  if (const std::int16_t c = ReadZipPair(engine); c > 0) Raise(c);
  if (!engine.tables.hasZipPair) return std::nullopt;
  const auto& z = engine.tables.zipPair;
  LaneMinimums m;
  m.layout = static_cast<std::int16_t>(DigitOr(z.charAt(kMinimumLayout.offset), 0, 4, 0));
  m.count = static_cast<std::int16_t>(DigitOr(z.charAt(kItemCount.offset), 1, 4, 1));
  switch (z.charAt(kAmountFlag.offset)) {
    case 'M': {
      ReadMinimumRecord(engine);
      const MinimumRecordArea& area = engine.fetch.minimumRecord;
      for (std::size_t k = 0; k < 4; ++k) m.amounts[k] = static_cast<std::int32_t>(area.entry(k));
      break;
    }
    case 'R': m.amounts = RateEntries(engine); break;
    default:
      for (std::size_t k = 0; k < 4; ++k) {
        const std::size_t at = kAmounts.offset + 3 * k;
        m.amounts[k] = static_cast<std::int32_t>(z.byteAt(at) | z.byteAt(at + 1) << 8 | z.byteAt(at + 2) << 16);
      }
      break;
  }
  return m;
}

LaneMinimums LaneMinimumCharges(RatingEngine& engine) {
  if (std::optional<LaneMinimums> zipPair = ZipPairMinimums(engine)) return *zipPair;
  const RateRecord& record = engine.rates.rateRecord;
  const std::uint32_t layout = record.entry(0);
  if (layout >= 1 && layout <= 10) return MinimumsFromMinimumFile(engine, static_cast<int>(layout));

  RecordMinimumFields fields;
  fields.entries = RateEntries(engine);
  fields.kind = record.kind();
  fields.variant = record.variantDigit();
  MinimumRules rules;
  rules.tierLayout = engine.fetch.tierSwitchOn(engine.currentTariff);
  rules.kindFactor = KindMinimumFactor(engine);
  // The distance tiers come from the .M tier table, read when a layout first
  // asks for one.
  bool tableRead = false;
  rules.distanceTier = [&engine, &tableRead](std::int32_t weight) {
    if (!tableRead) {
      engine.fetch.minimumRecord.clear();
      ReadMinimumTable(engine, engine.fetch.minimumRecord.entries());
      tableRead = true;
    }
    return DistanceTierAmount(engine, weight);
  };
  rules.weightTier = [&engine](std::int32_t weight) { return WeightTierAmount(engine, weight); };
  return MinimumsByTariffType(engine.currentTariff.ratedType(), fields, rules);
}

}  // namespace vorn

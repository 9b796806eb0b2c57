#include "core/core_pass.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "common/money_rules.h"
#include "core/class_break_index.h"
#include "core/class_break_rate.h"
#include "engine_state/load_factor_file.h"
#include "engine_state/rating_engine.h"
#include "formats/packed_codes.h"
#include "lanes/lane_adjustments.h"
#include "minimums/minimum_charges.h"
#include "rating/rate_source.h"
#include "rating/rating.h"

namespace vorn {
namespace {

// Binary-log kinds of the pass.
constexpr std::uint32_t kRateTableLogged = 3;
constexpr std::uint32_t kMinimumListLogged = 16;

// The break labels of a tariff without a weight-type table.
constexpr std::array<const char*, 9> kDefaultBreakLabels{"L5C",  "M5C",  "M1M",  "M2M", "M5M",
                                                         "M10M", "M20M", "M30M", "M40M"};

std::string_view ClassCodeAt(const ClassBreakWork& core, int c) {
  const auto& code = core.classCodes[static_cast<std::size_t>(c)];
  return std::string_view(code.data(), strnlen(code.data(), code.size()));
}

// Every fetched rate of the table, by class row and break.
template <typename Change>
void ForEachRate(ClassBreakWork& core, Change change) {
  for (int c = 0; c < RatedClassCount(core); ++c)
    for (int b = 0; b < RatedBreakCount(core); ++b) {
      std::int32_t& item = core.rateTable.items[*RateItemIndex(core, c, b)];
      if (item != BreakRateTable::kNotFetched) change(item, c, b);
    }
}

std::int32_t ClassPercent(const TariffFactors& f, int c, int b) {
  return f.classPercent[static_cast<std::size_t>(c)][static_cast<std::size_t>(b)];
}

std::int32_t FirstFactorOfRow(const TariffFactors& f, int row) {
  return row >= 0 && row < static_cast<int>(kFactorRows) ? f.factorRows[static_cast<std::size_t>(row)][0]
                                                         : kUnchangedFactor;
}

// Types 'E', 'F' and 'H': each rate times its class's percentage at its
// break; a break whose percentage is 0 takes the rate of the nearest break
// to its left that has one (0 at break 0). Type 'H' first applies the
// break's factor, and its first minimum the factor of the row after the
// breaks.
void ApplyClassPercentages(RatingEngine& engine, Rating& rating, char type) {
  ClassBreakWork& core = rating.core;
  const TariffFactors& f = engine.factors;
  if (type == 'H')
    core.minimums.amounts[0] = ApplyFactor(core.minimums.amounts[0], FirstFactorOfRow(f, core.breakCount));
  for (int c = 0; c < RatedClassCount(core); ++c)
    for (int b = 0; b < RatedBreakCount(core); ++b) {
      std::int32_t& item = core.rateTable.items[*RateItemIndex(core, c, b)];
      int from = b;
      while (from > 0 && ClassPercent(f, c, from) == 0) --from;
      if (from != b) {
        item = core.rateTable.items[*RateItemIndex(core, c, from)];
        continue;
      }
      if (item == BreakRateTable::kNotFetched) continue;
      if (type == 'H') item = ApplyFactor(item, FirstFactorOfRow(f, b));
      item = ApplyFactor(item, ClassPercent(f, c, b));
    }
}

// The percentage types with their percentages left to the core: each rate
// times the percentage of its class at its break, or at the nearest break to
// the left that has one. A class or break the lists do not hold keeps its
// rate.
void ApplyPercentageTypeClassPercentages(RatingEngine& engine, Rating& rating) {
  ClassBreakWork& core = rating.core;
  const TariffFactors& f = engine.factors;
  for (int c = 0; c < RatedClassCount(core); ++c) {
    const int row = ClassIndex(core, ClassCodeAt(core, c));
    if (row < 0 || row >= static_cast<int>(kMaxClasses)) continue;
    for (int b = 0; b < RatedBreakCount(core); ++b) {
      int from = RatedBreakOf(core, core.breakWeights[static_cast<std::size_t>(b)]);
      if (from < 0) continue;
      while (from > 0 && ClassPercent(f, row, from) == 0) --from;
      std::int32_t& item = core.rateTable.items[*RateItemIndex(core, c, b)];
      if (item != BreakRateTable::kNotFetched) item = ApplyFactor(item, ClassPercent(f, row, from));
    }
  }
}

// The tariff's rate adjustment factor, the request's factor, a bureau
// tariff's percentages and, for discounts on rates, the rate-level
// discounts: on every minimum amount and every rate.
void ApplyFactorsAndRateDiscounts(RatingEngine& engine, Rating& rating, const BureauPercentages& bureau) {
  ClassBreakWork& core = rating.core;
  const float radjf = engine.parameters.floatValue(ParameterTable::kRadjf);
  const float requestFactor = rating.request.factor;
  const bool tariffFactor = radjf != 1.0f;
  const bool factorRequested = std::bit_cast<std::uint32_t>(requestFactor) != std::bit_cast<std::uint32_t>(1.0f);
  const std::int32_t wf = FactorInHundredths(radjf);
  const std::int32_t rf = FactorInHundredths(requestFactor);
  const DiscountState& d = rating.discounts;
  const bool discountRates = d.on && d.kind == 'R';

  // Answers whether a rate discount took the whole of a positive amount.
  auto adjust = [&](std::int32_t& amount, std::int32_t bureauPercent, std::size_t discountIndex) {
    // A bureau percentage of 0 is one the record does not give.
    if (bureau.any() && bureauPercent != 0) amount = ApplyFactor(amount, bureauPercent);
    if (tariffFactor) amount = ApplyFactor(amount, wf);
    if (factorRequested) amount = ApplyFactor(amount, rf);
    if (!discountRates) return false;
    const bool positive = amount > 0;
    const std::int64_t discount = DiscountOf(amount, d.applied.discountAt(discountIndex));
    amount -= static_cast<std::int32_t>(positive ? std::min<std::int64_t>(discount, amount) : discount);
    return positive && amount == 0;
  };
  const std::size_t minimums =
      static_cast<std::size_t>(std::clamp<int>(core.minimums.count, 0, MinimumChargeList::kItems));
  for (std::size_t i = 0; i < minimums; ++i) adjust(core.minimums.amounts[i], bureau.minimums, 0);
  ForEachRate(core, [&](std::int32_t& item, int c, int b) {
    if (adjust(item, b <= 5 ? bureau.lowBreaks : bureau.highBreaks, static_cast<std::size_t>(b) + 1))
      core.rateTable.discountedInFull.set(*RateItemIndex(core, c, b));
  });
}

// Types 'L', 'I' and 'K' on a rate record of kind 'C' whose method left an
// add-on record of kind 'C': its first amount raises the minimum amounts,
// its second the rates of the first two breaks of every class. Amounts and
// rates of 0 (none) stay as they are.
void AddAddOnRecordAmounts(Rating& rating, char type) {
  const AddOnRecord& addOn = rating.methods.addOn;
  if ((type != 'L' && type != 'I' && type != 'K') || rating.rates.rateRecord.kind() != 'C' || addOn.kind != 'C') return;
  const auto amount = [](const std::array<std::uint8_t, 3>& packed) {
    return static_cast<std::int32_t>(PackedDigitsValue(packed, 5).value_or(0));
  };
  ClassBreakWork& core = rating.core;
  if (const std::int32_t first = amount(addOn.firstAmount); first > 0)
    for (std::size_t i = 0; i < 2; ++i)
      if (core.minimums.amounts[i] > 0) core.minimums.amounts[i] += first;
  if (const std::int32_t second = amount(addOn.secondAmount); second > 0)
    ForEachRate(core, [second](std::int32_t& item, int, int b) {
      if (b < 2 && item > 0) item += second;
    });
}

}  // namespace

std::int16_t PrepareWorkTables(RatingEngine& engine, Rating& rating) {
  ClassBreakWork& core = rating.core;
  core.classCodes = {};
  core.classCount = 0;
  core.breakWeights = {};
  core.breakCount = 0;
  engine.factors = TariffFactors{};
  if (const std::int16_t c = LoadFactorFile(engine, core); c != 0) return c;
  for (std::size_t i = 0; i < kDefaultBreakLabels.size(); ++i) {
    engine.breakLabels[i].fill(0);
    std::strncpy(engine.breakLabels[i].data(), kDefaultBreakLabels[i], engine.breakLabels[i].size());
  }
  return 0;
}

std::int16_t RateClassWeightBreaks(RatingEngine& engine, Rating& rating, RateSource& source) {
  ClassBreakWork& core = rating.core;
  const char type = engine.currentTariff.ratedType();
  core.rateTable.fillNotFetched();
  core.minimums = LayOutMinimums(source.minimumCharges(engine, rating));
  for (std::size_t i = 0; i < 4; ++i) core.rateTable.items[i] = 0;
  // A lane of kind 'C' rates the last class at the origin's percentage.
  if (const std::optional<std::int32_t> p = source.originClassPercent(engine, rating); p && core.classCount > 0) {
    const std::size_t last = std::min<std::size_t>(static_cast<std::size_t>(core.classCount), kMaxClasses) - 1;
    auto& lastRow = engine.factors.classPercent[last];
    std::fill_n(lastRow.begin(), std::min<std::size_t>(static_cast<std::size_t>(RatedBreakCount(core)), lastRow.size()),
                *p);
  }
  // A rate record of kind byte 170 has no lane adjustments.
  if (static_cast<std::uint8_t>(rating.rates.rateRecord.kind()) != 170)
    if (const std::int16_t c = LoadLaneAdjustments(engine, rating); c > 0) {
      CloseLaneAdjustmentFiles(engine);
      return c;
    }

  // Each class's row and each break weight's break, found once for the
  // table (a class code may repeat, and break weights may share a break).
  std::array<int, kRatedBreaks> breakOf{};
  for (int b = 0; b < RatedBreakCount(core); ++b)
    breakOf[static_cast<std::size_t>(b)] = RatedBreakOf(core, core.breakWeights[static_cast<std::size_t>(b)]);
  for (int c = 0; c < RatedClassCount(core); ++c) {
    const int row = ClassIndex(core, ClassCodeAt(core, c));
    for (int b = 0; b < RatedBreakCount(core); ++b)
      core.rateTable.items[*RateItemIndex(core, c, b)] =
          ClassBreakRateAt(engine, rating, source, row, breakOf[static_cast<std::size_t>(b)]);
  }
  engine.binaryLog.writeBinaryDebug(kRateTableLogged, core.rateTable.image().bytes());
  if (const std::int16_t c = ApplyGlobalList(engine, rating, ListColumn::kMinimums); c != 0) {
    CloseLaneAdjustmentFiles(engine);
    return c;
  }

  // The lane adjustments run once in a pass: before the class percentages
  // of a percentage type when the core applies those, else after the
  // add-on amounts.
  const bool percentagesHere = CoreAppliesClassPercentages(type, rating.lanes);
  if (percentagesHere) {
    ApplyPassLaneAdjustments(engine, rating);
    ApplyPercentageTypeClassPercentages(engine, rating);
  }
  AddAddOnRecordAmounts(rating, type);
  if (!percentagesHere) ApplyPassLaneAdjustments(engine, rating);
  if (type == 'E' || type == 'F' || type == 'H') ApplyClassPercentages(engine, rating, type);
  if (const std::int16_t c = ApplyGlobalList(engine, rating, ListColumn::kRates); c != 0) {
    CloseLaneAdjustmentFiles(engine);
    return c;
  }
  ApplySecondLaneAdjustments(engine, rating);
  CloseLaneAdjustmentFiles(engine);
  ApplyFactorsAndRateDiscounts(engine, rating, source.bureauPercentages(engine, rating));
  engine.binaryLog.writeBinaryDebug(kMinimumListLogged, core.minimums.image().bytes());
  return 0;
}

}  // namespace vorn

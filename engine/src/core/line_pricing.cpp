#include "core/line_pricing.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#include "common/money_rules.h"
#include "core/class_break_rate.h"
#include "engine_state/rating_engine.h"
#include "errors/engine_error.h"
#include "minimums/minimum_charges.h"
#include "rating/rate_source.h"
#include "rating/rating.h"

namespace vorn {
namespace {

constexpr std::int32_t kMaxAnswerRate = 999999;  // cents per hundredweight

std::int64_t LineCharge(std::int64_t weight, std::int64_t rate) { return (weight * rate + 50) / 100; }

bool UsableRate(std::int32_t rate) { return rate > 0 && rate < BreakRateTable::kNotFetched; }

// A line's class as the tariff's lists are searched with it: without blanks.
std::string ClassOf(const DetailEntry& line) {
  std::string text(line.classText.data(), strnlen(line.classText.data(), line.classText.size()));
  std::erase(text, ' ');
  return text;
}

std::span<DetailEntry> Lines(ParsedRequest& r) {
  return std::span<DetailEntry>(r.details.data(),
                                static_cast<std::size_t>(std::clamp<int>(r.detailCount, 0, kMaxDetailLines)));
}

std::int32_t BreakWeight(const ClassBreakWork& core, int b) { return core.breakWeights[static_cast<std::size_t>(b)]; }

bool ChargesDiscounted(const Rating& rating) { return rating.discounts.kind != 'R'; }

}  // namespace

std::int16_t PriceLinesAtActualWeight(RatingEngine& engine, Rating& rating, RateSource& source) {
  ParsedRequest& r = rating.request;
  rating.core.deficit = DeficitResult{};
  r.deficitRate = r.deficitWeight = r.deficitCharge = 0;
  r.billedWeight = 0;
  std::int64_t weight = 0;
  for (const DetailEntry& line : Lines(r)) weight += line.weight;
  r.actualWeight = static_cast<std::int32_t>(weight);  // 20 lines of at most 999999 pounds
  std::int64_t total = 0;
  for (DetailEntry& line : Lines(r)) {
    line.rate = GetClassBreakRate(engine, rating, source, r.actualWeight, ClassOf(line));
    const std::int64_t charge = LineCharge(line.weight, line.rate);
    if (charge > kMaxCharge) return code::kPricingExceedsLimits;
    line.charge = static_cast<std::int32_t>(charge);
    total += charge;
  }
  if (total > kMaxCharge) return code::kPricingExceedsLimits;
  r.lineChargeSum = static_cast<std::int32_t>(total);
  return 0;
}

float ChargeDiscountPercent(const Rating& rating, int b) {
  const DiscountState& d = rating.discounts;
  const std::size_t field = static_cast<std::size_t>(b) + 1;
  if (!d.on || d.applied.tag != std::array<char, 2>{'D', '%'} || b < 0 || field >= d.applied.percent.size()) return 0;
  return d.applied.discountAt(field);
}

std::int64_t DiscountChargeAtBreak(const Rating& rating, std::int64_t amount, int b) {
  if (!ChargesDiscounted(rating)) return amount;
  // (a discount of the whole amount leaves nothing, never less)
  return amount - std::min(DiscountOf(amount, ChargeDiscountPercent(rating, b)), std::max<std::int64_t>(amount, 0));
}

void DiscountLineTotalAtBreak(Rating& rating, int b) {
  ClassBreakWork& core = rating.core;
  core.deficit.present = 'N';
  if (ChargesDiscounted(rating)) core.ratingCorePercent = ChargeDiscountPercent(rating, b);
}

int SearchDeficitFrom(RatingEngine& engine, Rating& rating, RateSource& source, int b) {
  ClassBreakWork& core = rating.core;
  ParsedRequest& r = rating.request;
  const CurrentTariff& tariff = engine.currentTariff;
  const char type = tariff.ratedType();
  // These tariffs keep the starting break: their search ends at the first
  // total that is not lower, and the starting break's own total never is.
  const bool stopAtFirstNotLower = type == '4' || source.tariffNumber(engine, rating) == 182;
  const int limit = std::min(RatedBreakCount(core), rating.discounts.breakCount);

  std::int64_t best = DiscountChargeAtBreak(rating, r.lineChargeSum, b);
  core.deficit = DeficitResult{};
  core.deficit.chosenBreak = static_cast<std::int16_t>(b);
  for (int k = std::max(b, 0); k < limit; ++k) {
    const std::int32_t breakWeight = BreakWeight(core, k);
    std::optional<std::int32_t> lowest;
    std::string lowestClass;
    std::int64_t lines = 0;
    bool rated = true;
    for (const DetailEntry& line : Lines(r)) {
      const std::string cls = ClassOf(line);
      const std::int32_t rate = GetClassBreakRate(engine, rating, source, breakWeight, cls);
      // A break where a line's class has no rate is no cheaper choice.
      if (!UsableRate(rate) && !DiscountedInFull(core, breakWeight, cls)) rated = false;
      lines += LineCharge(line.weight, rate);
      if (!lowest || rate < *lowest) {
        lowest = rate;
        lowestClass = cls;
      }
    }
    const std::int32_t deficitWeight = std::max(0, breakWeight - r.actualWeight);
    const std::int64_t deficitCharge = LineCharge(deficitWeight, lowest.value_or(0));
    const std::int64_t total = DiscountChargeAtBreak(rating, lines + deficitCharge, k);
    if (rated && total < best) {
      best = total;
      core.deficit.rate = lowest.value_or(0);
      core.deficit.weight = deficitWeight;
      core.deficit.charge = static_cast<std::int32_t>(std::min(deficitCharge, kMaxCharge + 1));
      core.deficit.classCode = {};
      std::copy_n(lowestClass.begin(), std::min<std::size_t>(lowestClass.size(), 3), core.deficit.classCode.begin());
      core.deficit.chosenBreak = static_cast<std::int16_t>(k);
    } else if (stopAtFirstNotLower) {
      break;
    }
  }
  return core.deficit.chosenBreak;
}

std::int16_t PriceAtBreak(RatingEngine& engine, Rating& rating, RateSource& source, int b) {
  ClassBreakWork& core = rating.core;
  ParsedRequest& r = rating.request;
  const std::int32_t total = r.actualWeight;
  // A deficit found for another break than the one used does not apply.
  const DeficitResult deficit = core.deficit.chosenBreak == b ? core.deficit : DeficitResult{};
  std::int32_t excess = 0;
  if (b >= 0 && b < RatedBreakCount(core) && BreakWeight(core, b) < total) excess = total - BreakWeight(core, b);

  r.deficitRate = deficit.rate;
  r.deficitWeight = deficit.weight;
  const std::int64_t deficitCharge = LineCharge(deficit.weight, deficit.rate);
  if (deficitCharge > kMaxCharge) return code::kPricingExceedsLimits;
  r.deficitCharge = static_cast<std::int32_t>(deficitCharge);
  core.deficit.classCode = deficit.classCode;
  core.deficit.present = deficitCharge > 0 ? 'Y' : 'N';

  const std::int64_t ratingWeight = static_cast<std::int64_t>(total) + deficit.weight;
  if (ratingWeight > kMaxRatingWeight) return code::kWeightOverMaximum;
  r.billedWeight = static_cast<std::int32_t>(ratingWeight);
  std::int64_t lines = 0;
  for (DetailEntry& line : Lines(r)) {
    line.rate =
        GetClassBreakRate(engine, rating, source, static_cast<std::int32_t>(ratingWeight - excess), ClassOf(line));
    const std::int64_t charge = LineCharge(line.weight, line.rate);
    if (charge > kMaxCharge) return code::kPricingExceedsLimits;
    line.charge = static_cast<std::int32_t>(charge);
    lines += charge;
  }
  const std::int64_t grand = lines + deficitCharge;
  if (grand > kMaxCharge) return code::kPricingExceedsLimits;
  r.lineChargeSum = static_cast<std::int32_t>(lines);

  // The charge after the discount at the break used, raised to the minimum
  // charge that applies.
  const std::int32_t minimum = SelectMinimum(core.minimums, total, r.methodFlag == 'Y');
  core.rateTable.items[0] = minimum;
  r.chargeAfterMinimums =
      static_cast<std::int32_t>(std::max<std::int64_t>(DiscountChargeAtBreak(rating, grand, b), minimum));
  return 0;
}

std::int16_t CheckLineRates(RatingEngine& engine, Rating& rating, RateSource& source) {
  const ClassBreakWork& core = rating.core;
  std::int32_t weight = 0;
  for (int b = 0; b < core.breakCount && b < static_cast<int>(kMaxBreaks); ++b)
    if (BreakWeight(core, b) > 0) {
      weight = BreakWeight(core, b);
      break;
    }
  const auto lines = Lines(rating.request);
  for (std::size_t n = 0; n < lines.size(); ++n) {
    const std::string cls = ClassOf(lines[n]);
    const std::int32_t rate = GetClassBreakRate(engine, rating, source, weight, cls);
    const bool free = rate == 0 && DiscountedInFull(core, weight, cls);
    if ((rate <= 0 && !free) || rate == BreakRateTable::kNotFetched)
      return static_cast<std::int16_t>(code::kInvalidClassBase + n + 1);
    if (rate > kMaxAnswerRate) return code::kPricingExceedsLimits;
  }
  return 0;
}

}  // namespace vorn

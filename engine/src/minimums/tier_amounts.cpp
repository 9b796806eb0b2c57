#include "minimums/tier_amounts.h"

#include <cctype>
#include <string_view>

#include "common/money_rules.h"
#include "engine_state/rating_engine.h"
#include "minimums/minimums_by_type.h"
#include "rating/rating.h"

namespace vorn {
namespace {

constexpr std::size_t kMinimumFactorRows = 5;  // after the five kinds' rate factor rows

bool BeginsWithLetter(const std::array<char, 6>& code) {
  return std::isalpha(static_cast<unsigned char>(code[0])) != 0;
}

std::int32_t Entry(const Rating& rating, std::size_t i) {
  return static_cast<std::int32_t>(rating.rates.rateRecord.entry(i));
}

}  // namespace

int WeightTier(std::int32_t weight) {
  if (weight < 200) return 0;
  if (weight < 300) return 1;
  if (weight < 400) return 2;
  return 3;
}

std::int32_t WeightTierAmount(const RatingEngine& engine, const Rating& rating, std::int32_t weight) {
  if (engine.fetch.tierSwitchOn(engine.currentTariff))
    return Entry(rating, static_cast<std::size_t>(WeightTier(weight)));
  const bool single = rating.request.methodFlag == 'Y';
  if (weight >= 100) return Entry(rating, single ? 3 : 0);
  return Entry(rating, single ? 1 : 2);
}

int DistanceBand(std::uint32_t distance, bool letterCode) {
  if (distance < 530) return 0;
  if (distance < 790) return 1;
  if (!letterCode) return 2;
  if (distance < 1030) return 3;
  if (distance < 1210) return 4;
  if (distance < 1400) return 5;
  if (distance < 1610) return 6;
  return 7;
}

std::int32_t DistanceTierAmount(const RatingEngine& engine, const Rating& rating, std::int32_t weight) {
  const int column = engine.fetch.distanceColumn - '1';
  if (column < 0 || column > 3) return 0;
  const ParsedRequest& r = rating.request;
  const int band = DistanceBand(rating.rates.rateRecord.fourDigitNumber().value_or(0),
                                BeginsWithLetter(r.originCode) || BeginsWithLetter(r.destinationCode));
  const std::size_t at = static_cast<std::size_t>(column + (WeightTier(weight) + 4 * band) * 4);
  return static_cast<std::int32_t>(rating.minimumRecord.entry(at));
}

std::int32_t KindMinimumFactor(const RatingEngine& engine, const Rating& rating) {
  constexpr std::string_view kKinds = "ABCNS";
  const std::size_t k = kKinds.find(rating.rates.rateRecord.kind());
  if (k == std::string_view::npos) return kUnchangedFactor;
  return engine.factors.factorRows[kMinimumFactorRows + k][0];
}

std::int32_t MinimumWithKindFactor(const RatingEngine& engine, const Rating& rating) {
  return KindFactorMinimum(Entry(rating, 0), KindMinimumFactor(engine, rating));
}

}  // namespace vorn

#include "fetch/rate_by_type.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "common/money_rules.h"
#include "engine_state/rating_engine.h"
#include "errors/engine_error.h"
#include "fetch/tariff_number.h"
#include "rating/rating.h"

namespace vorn {
namespace {

// Times the factor, (x x p + 5000) / 10000 with a 64-bit intermediate.
std::int32_t Times(std::int32_t x, std::int32_t p) { return ApplyFactor(x, p); }

std::int32_t E(const Rating& rating, std::int64_t i) {
  return i < 0 ? 0 : static_cast<std::int32_t>(rating.rates.rateRecord.entry(static_cast<std::size_t>(i)));
}

// Row r, column k of a table of factor rows; 0 outside it.
template <std::size_t Rows, std::size_t Columns>
std::int32_t At(const std::array<std::array<std::int32_t, Columns>, Rows>& table, int r, int k) {
  if (r < 0 || k < 0 || static_cast<std::size_t>(r) >= Rows || static_cast<std::size_t>(k) >= Columns) return 0;
  return table[static_cast<std::size_t>(r)][static_cast<std::size_t>(k)];
}

std::span<const std::int32_t> ClassRow(const TariffFactors& f, int c) {
  return f.classPercent[static_cast<std::size_t>(c)];
}

// The percentage of class c at the nearest non-zero break at or left of b,
// and that break.
struct LeftPercent {
  int breakIndex;
  std::int32_t percent;
};
LeftPercent PercentLeftOf(const TariffFactors& f, int c, int b) {
  const int from = NearestNonZeroLeft(ClassRow(f, c), b);
  return {from, At(f.classPercent, c, from)};
}

// Lane adjustments of type 6, or a second lane-adjustment set, make the core
// apply the percentages of the percentage types after the adjustments.
bool CoreAppliesPercentages(const RatingEngine& engine, const Rating& rating) {
  return CoreAppliesClassPercentages(engine.currentTariff.ratedType(), rating.lanes);
}

// The position of the record's group number in the tariff's rate groups.
std::optional<int> RateGroupRow(const RatingEngine& engine, const Rating& rating) {
  const int group = RecordTariffNumber(rating.rates.rateRecord);
  const TariffFactors& f = engine.factors;
  const int count = std::clamp<int>(f.setCount, 0, static_cast<int>(f.setNumbers.size()));
  for (int r = 0; r < count; ++r)
    if (f.setNumbers[static_cast<std::size_t>(r)] == group) return r;
  return std::nullopt;
}

// The row of the kind letter among the factor rows ('A', 'B', 'C', 'N', 'S').
std::optional<int> KindRow(char kind) {
  constexpr std::string_view kKinds = "ABCNS";
  const std::size_t at = kKinds.find(kind);
  return at == std::string_view::npos ? std::nullopt : std::optional<int>(static_cast<int>(at));
}

int CompareClassWith100(const Rating& rating, int c) {
  const auto& code = rating.core.classCodes[static_cast<std::size_t>(c)];
  return std::string_view(code.data(), strnlen(code.data(), code.size())).compare("100");
}

std::int32_t TypeC(const RatingEngine& engine, const Rating& rating, int c, int b) {
  const TariffFactors& f = engine.factors;
  const std::optional<int> row = KindRow(rating.rates.rateRecord.kind());
  const std::int32_t k = row ? At(f.factorRows, *row, b) : kUnchangedFactor;
  const std::int32_t p = At(f.classPercent, c, b);
  const bool tariff412 = RecordTariffNumber(rating.rates.rateRecord) == 412;
  const int order = CompareClassWith100(rating, c);
  std::int32_t r = E(rating, b + 1);
  if (order < 0 || tariff412) r = Times(r, k);
  r = Times(r, order == 0 && !tariff412 ? k : p);
  if (order > 0 && !tariff412) r = Times(r, k);
  return r;
}

}  // namespace

int NearestNonZeroLeft(std::span<const std::int32_t> row, int b) {
  b = std::min<int>(b, static_cast<int>(row.size()) - 1);
  while (b > 0 && row[static_cast<std::size_t>(b)] == 0) --b;
  return std::max(b, 0);
}

int TypeSevenBand(std::uint32_t distance) {
  if (distance < 550) return 0;
  if (distance <= 800) return 1;
  if (distance <= 1500) return 2;
  return 3;
}

std::int32_t FetchRateByTariffType(RatingEngine& engine, Rating& rating, int c, int b) {
  const TariffFactors& f = engine.factors;
  const int breaks = rating.core.breakCount;
  if (c < 0 || b < 0 || static_cast<std::size_t>(c) >= kMaxClasses) return 0;
  switch (const char type = engine.currentTariff.ratedType()) {
    case '0':
    case '3':
    case '4':
    case '6': return E(rating, 1 + static_cast<std::int64_t>(breaks) * c + b);
    case '1': {
      // A group number that is not among the tariff's rate groups has no
      // factors: the lane has no rate.
      const std::optional<int> r = RateGroupRow(engine, rating);
      if (!r) return 0;
      return Times(Times(E(rating, 4), At(f.factorRows, *r, b)), At(f.classPercent, *r, c));
    }
    case 'D': return Times(Times(E(rating, 4), At(f.factorRows, b, 0)), At(f.classPercent, c, 0));
    case '5':
      if (c <= 9) return Times(E(rating, b + 1), At(f.classPercent, 0, c));
      return E(rating, b + 9 * c - 89);
    case '7': {
      const int band = TypeSevenBand(rating.rates.rateRecord.fourDigitNumber().value_or(0));
      return Times(Times(E(rating, 1), At(f.factorRows, band, b)), At(f.classPercent, band, c));
    }
    case 'A':
    case 'B': {
      const LeftPercent p = PercentLeftOf(f, c, b);
      const bool keyedOnFive = type == 'A' && engine.currentTariff.flag45 == 'M';
      return Times(E(rating, keyedOnFive ? 1 : p.breakIndex + 1), p.percent);
    }
    case 'C': return TypeC(engine, rating, c, b);
    case 'E':
    case 'H': return E(rating, PercentLeftOf(f, c, b).breakIndex + 1);
    case 'F': return E(rating, PercentLeftOf(f, c, b).breakIndex + 4);
    case 'G':
    case 'I':
    case 'J':
    case 'K':
    case 'L':
    case 'M': {
      const LeftPercent p = PercentLeftOf(f, c, b);
      const std::int32_t rate = E(rating, p.breakIndex + 4);
      return CoreAppliesPercentages(engine, rating) ? rate : Times(rate, p.percent);
    }
    default: Raise(code::kInvalidTariffType);
  }
}

}  // namespace vorn

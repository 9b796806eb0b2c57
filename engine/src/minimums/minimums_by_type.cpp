#include "minimums/minimums_by_type.h"

#include "common/money_rules.h"

namespace vorn {
namespace {

LaneMinimums Make(std::int16_t layout, const std::array<std::int32_t, 4>& amounts, std::int16_t count) {
  LaneMinimums m;
  m.layout = layout;
  m.amounts = amounts;
  m.count = count;
  return m;
}

// Four tier amounts at 100, 200, 300 and 400 pounds.
std::array<std::int32_t, 4> Tiers(const std::function<std::int32_t(std::int32_t)>& tier) {
  return {tier(100), tier(200), tier(300), tier(400)};
}

// Layout 3: minimums at 0 and 100 pounds; a third amount, when there is one,
// becomes the minimum from 0 pounds and the first the one from 100.
LaneMinimums TwoWeights(const std::array<std::int32_t, 4>& a) {
  if (a[2] != 0) return Make(3, {a[2], a[0], 0, a[3]}, 2);
  return Make(3, a, 2);
}

bool VariantBetween(char v, char low, char high) { return v >= low && v <= high; }

LaneMinimums TypeI(const RecordMinimumFields& r) {
  const auto& a = r.entries;
  if (a[0] <= 0 || a[1] <= 0) return Make(0, a, 1);
  const bool twoWeights = (r.kind == 'H' && r.variant < '8') ||
                          (r.kind == 'J' && (VariantBetween(r.variant, '1', '3') || r.variant >= '7')) || r.kind == 'M';
  return twoWeights ? TwoWeights(a) : Make(0, a, 1);
}

LaneMinimums TypeK(const RecordMinimumFields& r, const MinimumRules& rules) {
  const auto& a = r.entries;
  LaneMinimums start = r.kind == 'C' && a[1] != 0 ? Make(4, a, 2) : Make(0, a, 1);
  const auto distance = [&] { return Make(1, Tiers(rules.distanceTier), 3); };
  switch (rules.kVariantSign) {
    case '_':
      if (r.kind == 'H' && r.variant < '8') return TwoWeights(a);
      if (r.kind == 'J') return VariantBetween(r.variant, '4', '6') ? Make(4, a, 2) : Make(2, a, 4);
      if (r.kind == 'M' || r.kind == 'N') return distance();
      return start;
    case '^':
      if (r.kind == 'H') return TwoWeights(a);
      if (r.kind == 'J') return Make(2, a, 4);
      if (r.kind == 'M') return distance();
      return start;
    case ']':
    case '\\':
      if (r.kind == 'E') {
        if (r.variant >= '2') return Make(2, a, 4);
        if (!r.addOnWords) return Make(0, a, 1);
        return start;
      }
      if (r.kind == 'J' && (r.variant == '4' || r.variant == '6' || r.variant == '7')) return Make(2, a, 4);
      if (r.kind == 'J' && (r.variant == '8' || r.variant == '9')) return distance();
      if (r.kind == 'Z') return Make(2, a, 4);
      return start;
    default: return start;
  }
}

LaneMinimums TypeJL(const RecordMinimumFields& r, const MinimumRules& rules) {
  const auto& a = r.entries;
  LaneMinimums m = Make(0, a, 1);
  if (r.kind == 'C' && a[1] != 0) m = Make(4, a, 2);
  if (r.kind == 'J') m = a[2] > 0 ? Make(2, a, 4) : a[1] <= 0 ? Make(0, a, 1) : Make(4, a, 2);
  if (r.kind == 'H') m = rules.distanceTier(100) == 0 ? Make(0, a, 1) : Make(1, Tiers(rules.distanceTier), 4);
  if (m.layout == 0 && a[2] > 0) m = Make(2, a, 4);
  return m;
}

LaneMinimums TypeFG(const RecordMinimumFields& r, const MinimumRules& rules) {
  if (rules.tierLayout) return Make(1, Tiers(rules.weightTier), 4);
  const auto& a = r.entries;
  if ((a[1] == 0 && a[2] == 0 && a[3] == 0) || (a[0] == a[2] && a[1] == 0 && a[3] == 0)) return Make(0, a, 1);
  if (a[0] == 0) return Make(0, a, 1);
  if (a[1] == 0 && a[3] == 0) return Make(3, {a[2], a[0], 0, 0}, 2);
  if (a[0] == 0 || a[1] == 0 || a[2] == 0 || a[3] == 0) return Make(0, a, 1);
  return Make(2, a, 4);
}

}  // namespace

std::int32_t KindFactorMinimum(std::int32_t amount, std::int32_t factor) {
  const std::int32_t x = ApplyFactor(amount, factor);
  return (x + 2) / 5 * 5;
}

LaneMinimums MinimumsByTariffType(char type, const RecordMinimumFields& record, const MinimumRules& rules) {
  const auto& a = record.entries;
  switch (type) {
    case '1':
    case 'D': return Make(2, a, 4);
    case '7': return Make(1, Tiers(rules.distanceTier), 3);
    case 'C': return Make(0, {KindFactorMinimum(a[0], rules.kindFactor), 0, 0, 0}, 1);
    case 'I': return TypeI(record);
    case 'K': return TypeK(record, rules);
    case 'J':
    case 'L': return TypeJL(record, rules);
    case 'F':
    case 'G': return TypeFG(record, rules);
    default: return Make(0, a, 1);
  }
}

}  // namespace vorn

// The minimum layouts a rate record gives by tariff type: the cases where
// amounts move between slots or come from elsewhere.
#include "minimums/minimums_by_type.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

RecordMinimumFields Record(std::array<std::int32_t, 4> entries, char kind = 'B', char variant = '0') {
  RecordMinimumFields r;
  r.entries = entries;
  r.kind = kind;
  r.variant = variant;
  return r;
}

TEST(MinimumsByType, TypeCRoundsTheKindFactoredMinimumToFiveCents) {
  MinimumRules rules;
  rules.kindFactor = 10300;  // 4321 x 103 % = 4450.63 -> 4451 -> 4450
  EXPECT_EQ(MinimumsByTariffType('C', Record({4321, 0, 0, 0}), rules).amounts[0], 4450);
  EXPECT_EQ(KindFactorMinimum(1003, 10000), 1005);
}

TEST(MinimumsByType, AThirdAmountBecomesTheMinimumFromZeroPounds) {
  // Type 'I', kind 'M': $60.00 from 0 lb, the first amount $50.00 from 100 lb.
  LaneMinimums m = MinimumsByTariffType('I', Record({5000, 4000, 6000, 0}, 'M'), {});
  EXPECT_EQ(m.layout, 3);
  EXPECT_EQ(m.count, 2);
  EXPECT_EQ(m.amounts[0], 6000);
  EXPECT_EQ(m.amounts[1], 5000);
  EXPECT_EQ(MinimumsByTariffType('I', Record({5000, 0, 6000, 0}, 'M'), {}).count, 1);  // no second amount
  // Type 'G' with only a first and a third amount does the same.
  m = MinimumsByTariffType('G', Record({5000, 0, 6000, 0}), {});
  EXPECT_EQ(m.layout, 3);
  EXPECT_EQ(m.amounts[0], 6000);
  EXPECT_EQ(MinimumsByTariffType('G', Record({5000, 4000, 3000, 2000}), {}).layout, 2);
}

TEST(MinimumsByType, TierLayoutsTakeTheTierAmounts) {
  MinimumRules rules;
  rules.distanceTier = [](std::int32_t w) { return 1000 + w; };
  rules.weightTier = [](std::int32_t w) { return w * 10; };
  const LaneMinimums seven = MinimumsByTariffType('7', Record({1, 2, 3, 4}), rules);
  EXPECT_EQ(seven.layout, 1);
  EXPECT_EQ(seven.count, 3);  // the fourth tier listed but not counted
  EXPECT_EQ(seven.amounts[3], 1400);
  EXPECT_EQ(MinimumsByTariffType('L', Record({5000, 0, 0, 0}, 'H'), rules).count, 4);
  rules.tierLayout = true;
  EXPECT_EQ(MinimumsByTariffType('F', Record({5000, 0, 0, 0}), rules).amounts[1], 2000);
}

TEST(MinimumsByType, TypeKByItsVariantSign) {
  MinimumRules rules;
  rules.kVariantSign = '_';
  EXPECT_EQ(MinimumsByTariffType('K', Record({5000, 4000, 0, 0}, 'J', '5'), rules).layout, 4);
  EXPECT_EQ(MinimumsByTariffType('K', Record({5000, 4000, 0, 0}, 'J', '2'), rules).layout, 2);
  rules.kVariantSign = ']';
  EXPECT_EQ(MinimumsByTariffType('K', Record({5000, 4000, 0, 0}, 'Z'), rules).layout, 2);
  rules.kVariantSign = ' ';
  EXPECT_EQ(MinimumsByTariffType('K', Record({5000, 4000, 0, 0}, 'C'), rules).layout, 4);
  EXPECT_EQ(MinimumsByTariffType('K', Record({5000, 4000, 0, 0}, 'J'), rules).layout, 0);
}

}  // namespace
}  // namespace vorn

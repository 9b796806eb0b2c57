// The rules of the rating core one by one: the money rules, the factors and
// percentages of the core pass, the minimum layouts and their selection, the
// deficit search's ties and stops, the line-rate check and the table bounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "common/money_rules.h"
#include "core/class_break_rate.h"
#include "core/core_pass.h"
#include "core/fake_rate_source.h"
#include "core/line_pricing.h"
#include "driver/fake_rating_steps.h"
#include "errors/engine_codes.h"
#include "errors/engine_error.h"
#include "minimums/minimum_charges.h"

namespace vorn {
namespace {

using testing::FakeRateSource;

TEST(CoreMoney, FactorsApplyWithRoundingAndLeaveZeroAlone) {
  EXPECT_EQ(ApplyFactor(0, 12345), 0);
  EXPECT_EQ(ApplyFactor(1234, 10500), 1296);              // 1295.7 + 0.5, truncated
  EXPECT_EQ(ApplyFactor(1600, 10500), 1680);              // 1680.5 truncated after + 0.5: (16800000 + 5000) / 10000
  EXPECT_EQ(ApplyFactor(2000000000, 20000), 2147483647);  // held at the 32-bit limit
  EXPECT_EQ(FactorInHundredths(1.05f), 10500);
  EXPECT_EQ(FactorInHundredths(1.00001f), 10000);
  EXPECT_EQ(FactorInHundredths(0.9f), 9000);
}

TEST(CoreMoney, DiscountsRoundWithTheMoneyBias) {
  EXPECT_EQ(DiscountOf(16000, 10.0f), 1600);
  // 1.49 cents of discount rounds up with the bias of 0.51; 1.48 does not.
  EXPECT_EQ(DiscountOf(149, 1.0f), 2);
  EXPECT_EQ(DiscountOf(148, 1.0f), 1);
  DiscountBlock block;
  block.percent[1] = 99.99f;
  block.endOfBreaks[1] = true;  // the end-of-breaks field " 9999"
  block.percent[2] = 12.5f;
  EXPECT_EQ(block.discountAt(1), 0.0f);
  EXPECT_EQ(block.discountAt(2), 12.5f);
}

TEST(CoreMinimums, LayoutsSetKindsAndThresholds) {
  const MinimumChargeList two = LayOutMinimums({2, {5000, 4000, 3000, 2000}, 4, {}});
  EXPECT_EQ(std::string(two.kinds.data(), 4), "1010");
  EXPECT_EQ(two.thresholds[0], 100);
  EXPECT_EQ(two.thresholds[3], 100);
  EXPECT_EQ(two.amounts[2], 3000);
  EXPECT_EQ(two.layout, 2);
  const MinimumChargeList zero = LayOutMinimums({0, {5000, 4000, 3000, 2000}, 1, {}});
  EXPECT_EQ(std::string(zero.kinds.data(), 4), "1   ");
  EXPECT_EQ(zero.amounts[1], 0);  // slots 1 to 3 cleared
  EXPECT_EQ(zero.count, 1);
  // A list read whole from the minimum-charge file is taken as it is.
  LaneMinimums fromFile{5, {}, 0, {}};
  fromFile.list.kinds[0] = '1';
  fromFile.list.amounts[0] = 7500;
  fromFile.list.count = 1;
  const MinimumChargeList five = LayOutMinimums(fromFile);
  EXPECT_EQ(five.layout, 5);
  EXPECT_EQ(five.amounts[0], 7500);
}

TEST(CoreMinimums, TheHighestThresholdReachedGivesTheMinimum) {
  MinimumChargeList list;
  list.kinds.fill(' ');
  const char kinds[] = {'1', '0', '1'};
  const std::int32_t thresholds[] = {200, 100, 0};
  const std::int32_t amounts[] = {4000, 3000, 5000};
  for (std::size_t i = 0; i < 3; ++i) {
    list.kinds[i] = kinds[i];
    list.thresholds[i] = thresholds[i];
    list.amounts[i] = amounts[i];
  }
  list.count = 3;
  MinimumChargeList l = list;
  EXPECT_EQ(SelectMinimum(l, 150, false), 5000);
  // Rewritten: the '1' items by threshold, then the '0' items.
  EXPECT_EQ(std::string(l.kinds.data(), 3), "110");
  EXPECT_EQ(l.thresholds[0], 0);
  EXPECT_EQ(l.thresholds[1], 200);
  EXPECT_EQ(l.amounts[2], 3000);
  l = list;
  EXPECT_EQ(SelectMinimum(l, 250, false), 4000);
  l = list;
  EXPECT_EQ(SelectMinimum(l, 150, true), 3000);  // the single-shipment charge
  l = list;
  EXPECT_EQ(SelectMinimum(l, 50, true), 5000);  // none reached: the minimum charge
  list.thresholds[2] = 100;
  l = list;
  EXPECT_EQ(SelectMinimum(l, 50, false), 0);  // no threshold reached: no minimum
}

// An engine with the stand-in tariff (classes "100" and "50", breaks 0 to
// 40000 pounds) and lines to price.
class CoreRules : public ::testing::Test {
 protected:
  CoreRules() {
    source_.classRates(0, {2000, 1800, 1600, 1400, 1200, 1000, 800, 600, 400});
    source_.classRates(1, {1000, 900, 800, 700, 600, 500, 400, 300, 200});
    steps_.setupShipmentTariff(engine_, rating_, 1);
    steps_.prepareWorkTables(engine_, rating_);
  }
  void tariffType(char type) { engine_.currentTariff.tariffType = type; }
  void lines(std::initializer_list<std::pair<const char*, std::int32_t>> list) {
    ParsedRequest& r = rating_.request;
    r.detailCount = 0;
    for (const auto& [cls, weight] : list) {
      DetailEntry& line = r.details[static_cast<std::size_t>(r.detailCount++)];
      line = DetailEntry{};
      const std::string_view text(cls);
      std::copy_n(text.begin(), std::min<std::size_t>(text.size(), 3), line.classText.begin());
      line.weight = weight;
    }
  }
  std::int32_t item(int c, int b) const { return rating_.core.rateTable.items[*RateItemIndex(rating_.core, c, b)]; }
  // The driver's charge computation.
  std::int16_t price() {
    EXPECT_EQ(RateClassWeightBreaks(engine_, rating_, source_), 0);
    if (const std::int16_t c = CheckLineRates(engine_, rating_, source_); c != 0) return c;
    if (const std::int16_t c = PriceLinesAtActualWeight(engine_, rating_, source_); c != 0) return c;
    int b = RatedBreakOf(rating_.core, rating_.request.actualWeight);
    DiscountLineTotalAtBreak(rating_, b);
    if (b < rating_.core.breakCount - 1) b = SearchDeficitFrom(engine_, rating_, source_, b);
    DiscountLineTotalAtBreak(rating_, b);
    return PriceAtBreak(engine_, rating_, source_, b);
  }
  FakeRateSource source_;
  testing::FakeRatingSteps steps_;
  RatingEngine engine_;
  Rating rating_;
};

TEST_F(CoreRules, TheTariffAndTheRequestFactorsApplyToRatesAndMinimums) {
  engine_.parameters.setFloat(ParameterTable::kRadjf, 1.05f);
  ASSERT_EQ(RateClassWeightBreaks(engine_, rating_, source_), 0);
  EXPECT_EQ(item(0, 2), 1680);  // 1600 x 10500, (16800000 + 5000) / 10000
  EXPECT_EQ(rating_.core.minimums.amounts[0], 5250);
  rating_.request.factor = 1.05f;
  ASSERT_EQ(RateClassWeightBreaks(engine_, rating_, source_), 0);
  EXPECT_EQ(item(0, 2), 1764);  // 1680 x 10500 again
  // A factor of exactly 1.0 is never applied; 1.00001 is applied as 10000.
  engine_.parameters.setFloat(ParameterTable::kRadjf, 1.0f);
  rating_.request.factor = 1.00001f;
  ASSERT_EQ(RateClassWeightBreaks(engine_, rating_, source_), 0);
  EXPECT_EQ(item(0, 2), 1600);
}

TEST_F(CoreRules, ABureauTariffsPercentagesSplitAtBreakSix) {
  source_.bureau = {9000, 9500, 11000};
  ASSERT_EQ(RateClassWeightBreaks(engine_, rating_, source_), 0);
  EXPECT_EQ(item(0, 5), 950);  // 1000 x 95 %
  EXPECT_EQ(item(0, 6), 880);  // 800 x 110 %
  EXPECT_EQ(rating_.core.minimums.amounts[0], 4500);
  // A percentage the record leaves at 0 changes nothing (it would charge
  // nothing).
  source_.bureau = {0, 9500, 0};
  ASSERT_EQ(RateClassWeightBreaks(engine_, rating_, source_), 0);
  EXPECT_EQ(item(0, 6), 800);
  EXPECT_EQ(rating_.core.minimums.amounts[0], 5000);
}

TEST_F(CoreRules, ARateNeverFetchedKeepsItsMarkAndFailsTheLineCheck) {
  source_.rates.erase({1, 1});
  engine_.parameters.setFloat(ParameterTable::kRadjf, 1.05f);
  ASSERT_EQ(RateClassWeightBreaks(engine_, rating_, source_), 0);
  EXPECT_EQ(item(1, 1), BreakRateTable::kNotFetched);  // no factor applied to the mark
  lines({{"100", 500}, {"50", 500}});
  EXPECT_EQ(CheckLineRates(engine_, rating_, source_), 402);  // checked at 500 lb, break 1
}

TEST_F(CoreRules, TheLineCheckNeedsAPositiveRateAnswerable) {
  lines({{" 50", 500}});  // blanks are not part of the class
  source_.rates[{1, 1}] = -5;
  ASSERT_EQ(RateClassWeightBreaks(engine_, rating_, source_), 0);
  EXPECT_EQ(CheckLineRates(engine_, rating_, source_), 401);
  source_.rates[{1, 1}] = 1000000;  // $10,000.00 per cwt: beyond the answer
  ASSERT_EQ(RateClassWeightBreaks(engine_, rating_, source_), 0);
  EXPECT_EQ(CheckLineRates(engine_, rating_, source_), code::kPricingExceedsLimits);
  source_.rates[{1, 1}] = 900;
  engine_.parameters.setFloat(ParameterTable::kRadjf, 5e6f);  // a factor that overflows the rate
  ASSERT_EQ(RateClassWeightBreaks(engine_, rating_, source_), 0);
  EXPECT_EQ(CheckLineRates(engine_, rating_, source_), code::kPricingExceedsLimits);
  engine_.parameters.setFloat(ParameterTable::kRadjf, 1.0f);
  source_.rates[{1, 0}] = 0;  // break 0 is not checked
  source_.rates[{1, 1}] = 900;
  ASSERT_EQ(RateClassWeightBreaks(engine_, rating_, source_), 0);
  EXPECT_EQ(CheckLineRates(engine_, rating_, source_), 0);
}

TEST_F(CoreRules, ClassPercentagesOfTypeEFillZeroBreaksFromTheLeft) {
  tariffType('E');
  auto& p = engine_.factors.classPercent;
  for (auto& row : p) row.fill(10000);
  p[0][0] = 5000;
  p[0][1] = 0;  // break 1 takes break 0's rate
  p[0][2] = 12000;
  p[1][0] = 0;  // 0 at break 0: a zero rate
  ASSERT_EQ(RateClassWeightBreaks(engine_, rating_, source_), 0);
  EXPECT_EQ(item(0, 0), 1000);  // 2000 x 50 %
  EXPECT_EQ(item(0, 1), 1000);  // copied, no percentage
  EXPECT_EQ(item(0, 2), 1920);  // 1600 x 120 %
  EXPECT_EQ(item(1, 0), 0);
  EXPECT_EQ(item(1, 1), 900);
}

TEST_F(CoreRules, TypeHAppliesTheBreakFactorsAndTheMinimumFactor) {
  tariffType('H');
  for (auto& row : engine_.factors.classPercent) row.fill(10000);
  for (auto& row : engine_.factors.factorRows) row[0] = 10000;
  engine_.factors.factorRows[2][0] = 11000;
  engine_.factors.factorRows[9][0] = 9000;  // the row after the 9 breaks: minimums
  ASSERT_EQ(RateClassWeightBreaks(engine_, rating_, source_), 0);
  EXPECT_EQ(item(0, 2), 1760);  // 1600 x 110 % x 100 %
  EXPECT_EQ(item(0, 3), 1400);
  EXPECT_EQ(rating_.core.minimums.amounts[0], 4500);
}

TEST_F(CoreRules, ADeficitTotalEqualToTheBestIsNotChosen) {
  // 1800 lb at break 2: 1800 x 16.00 = $288.00; break 3 at 14.40:
  // 1800 x 14.40 + 200 x 14.40 = $288.00, the same: no deficit.
  source_.rates[{0, 3}] = 1440;
  lines({{"100", 1800}});
  ASSERT_EQ(price(), 0);
  EXPECT_EQ(rating_.request.deficitWeight, 0);
  EXPECT_EQ(rating_.request.lineChargeSum, 28800);
  EXPECT_EQ(rating_.request.billedWeight, 1800);
}

TEST_F(CoreRules, EqualLineRatesKeepTheEarlierLinesClass) {
  source_.classRates(1, {2000, 1800, 1600, 1400, 1200, 1000, 800, 600, 400});
  lines({{"50", 1000}, {"100", 800}});
  ASSERT_EQ(price(), 0);
  EXPECT_EQ(rating_.request.deficitWeight, 200);
  EXPECT_EQ(std::string(rating_.core.deficit.classCode.data()), "50");
}

TEST_F(CoreRules, TypeFourAndTariff182StayAtTheirStartingBreak) {
  // The cheaper $280.00 at break 3 is not looked for.
  lines({{"100", 1800}});
  tariffType('4');
  ASSERT_EQ(price(), 0);
  EXPECT_EQ(rating_.request.deficitWeight, 0);
  EXPECT_EQ(rating_.request.lineChargeSum, 28800);
  tariffType('0');
  source_.number = 182;
  ASSERT_EQ(price(), 0);
  EXPECT_EQ(rating_.request.deficitWeight, 0);
  source_.number = 0;
  ASSERT_EQ(price(), 0);
  EXPECT_EQ(rating_.request.deficitWeight, 200);
}

TEST_F(CoreRules, ABreakWithoutARateIsNeverTheCheaperChoice) {
  // Class 100 has a rate of 0 at break 3: charging the shipment nothing
  // there is not a deficit choice; break 4 costs $600.00, so break 2 stays.
  source_.rates[{0, 3}] = 0;
  lines({{"100", 1800}});
  ASSERT_EQ(price(), 0);
  EXPECT_EQ(rating_.request.deficitWeight, 0);
  EXPECT_EQ(rating_.request.lineChargeSum, 28800);
}

TEST_F(CoreRules, TheSearchStopsAtTheBreaksWithDiscountFields) {
  // With discount fields for breaks 0 to 2 only, break 3 is not searched.
  rating_.discounts.breakCount = 3;
  lines({{"100", 1800}});
  ASSERT_EQ(price(), 0);
  EXPECT_EQ(rating_.request.deficitWeight, 0);
}

TEST_F(CoreRules, AnEmptyDetailListHasAZeroTotalAndNoDeficit) {
  lines({});
  ASSERT_EQ(price(), 0);
  EXPECT_EQ(rating_.request.actualWeight, 0);
  EXPECT_EQ(rating_.request.lineChargeSum, 0);
  EXPECT_EQ(rating_.request.deficitWeight, 0);
  EXPECT_EQ(rating_.request.deficitCharge, 0);
}

TEST_F(CoreRules, ClassesAndBreaksBeyondTheTableAreFetchedNotStored) {
  ClassBreakWork& core = rating_.core;
  core.classCount = 20;
  core.breakCount = 20;
  for (int c = 0; c < 20; ++c) {
    core.classCodes[static_cast<std::size_t>(c)] = {};
    std::snprintf(core.classCodes[static_cast<std::size_t>(c)].data(), 6, "%d", 500 - 10 * c);
    for (int b = 0; b < 20; ++b) source_.rates[{c, b}] = 10000 + 100 * c + b;
  }
  for (int b = 0; b < 20; ++b) core.breakWeights[static_cast<std::size_t>(b)] = 100 * b;
  ASSERT_EQ(RateClassWeightBreaks(engine_, rating_, source_), 0);
  // 19 classes of 9 breaks: the last item is class 18 at break 8.
  EXPECT_EQ(core.rateTable.items[174], 10000 + 1800 + 8);
  EXPECT_EQ(core.rateTable.items[4 + 9], 10100);  // class 1 at break 0
  // A weight beyond break 8 is rated at break 8; class 20 (row 19) is asked
  // of the source each time.
  EXPECT_EQ(GetClassBreakRate(engine_, rating_, source_, 1500, "320"), 10000 + 1800 + 8);
  const int before = source_.fetches;
  EXPECT_EQ(GetClassBreakRate(engine_, rating_, source_, 200, "310"), 10000 + 1900 + 2);
  EXPECT_EQ(source_.fetches, before + 1);
  EXPECT_EQ(GetClassBreakRate(engine_, rating_, source_, 200, "999"), 0);  // not a class of the tariff
}

TEST_F(CoreRules, TheEnginesSourceRaisesTheCodeOfAMissingTariffFile) {
  lines({{"100", 1000}});
  // No tariff files: the lane's minimum charges begin with its ZIP-pair file.
  try {
    RateClassWeightBreaks(engine_, rating_, EngineRateSource());
    ADD_FAILURE() << "no error raised";
  } catch (const EngineError& e) {
    EXPECT_EQ(e.code, code::kCantOpenZipPairs);
  }
}

}  // namespace
}  // namespace vorn

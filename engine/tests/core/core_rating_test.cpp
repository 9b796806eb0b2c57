// The rating core through the driver, with the tariff's classes and breaks
// of the stand-in steps and rates from a stand-in source: shipments a rating
// clerk checks by hand, with the hand calculation beside each.
//
// The tariff: classes "100" and "50"; breaks at 0, 500, 1000, 2000, 5000,
// 10000, 20000, 30000 and 40000 pounds (breaks 0 to 8); a $50.00 minimum.
//   class 100: 20.00 18.00 16.00 14.00 12.00 10.00 8.00 6.00 4.00 per cwt
//   class 50:  10.00  9.00  8.00  7.00  6.00  5.00 4.00 3.00 2.00 per cwt
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/core_pass.h"
#include "core/fake_rate_source.h"
#include "core/line_pricing.h"
#include "driver/fake_rating_steps.h"
#include "driver/rate_shipment.h"
#include "support/shipment_request.h"

namespace vorn {
namespace {

using testing::FakeRateSource;
using testing::ShipmentRequest;

// The stand-in steps with the rating core's own steps over a source.
struct CoreSteps : testing::FakeRatingSteps {
  explicit CoreSteps(RateSource& s) : source(s) {}
  RateSource& source;
  std::int16_t rateClassesAndBreaks(RatingEngine& e, Rating& r) override { return RateClassWeightBreaks(e, r, source); }
  std::int16_t checkLineRates(RatingEngine& e, Rating& r) override { return CheckLineRates(e, r, source); }
  std::int16_t priceLinesAtActualWeight(RatingEngine& e, Rating& r) override {
    return PriceLinesAtActualWeight(e, r, source);
  }
  void discountLineTotalAtBreak(RatingEngine&, Rating& r, int b) override { DiscountLineTotalAtBreak(r, b); }
  int searchDeficitFrom(RatingEngine& e, Rating& r, int b) override { return SearchDeficitFrom(e, r, source, b); }
  std::int16_t priceAtBreak(RatingEngine& e, Rating& r, int b) override { return PriceAtBreak(e, r, source, b); }
  std::int32_t applyBreakDiscount(RatingEngine&, Rating& r, std::int32_t amount, int b) override {
    return static_cast<std::int32_t>(DiscountChargeAtBreak(r, amount, b));
  }
};

class CoreRating : public ::testing::Test {
 protected:
  CoreRating() {
    source_.classRates(0, {2000, 1800, 1600, 1400, 1200, 1000, 800, 600, 400});
    source_.classRates(1, {1000, 900, 800, 700, 600, 500, 400, 300, 200});
    engine_.steps = &steps_;
  }
  std::string rate(ShipmentRequest request) {
    rating_ = Rating{};
    RateShipmentCore(engine_, rating_, reinterpret_cast<std::uint8_t*>(request.data()), nullptr);
    return request.bytes();
  }
  static std::int32_t IntegerAt(const std::string& answer, std::size_t offset) {
    std::int32_t v;
    std::memcpy(&v, answer.data() + offset, 4);
    return v;
  }
  FakeRateSource source_;
  CoreSteps steps_{source_};
  RatingEngine engine_;
  Rating rating_;
};

TEST_F(CoreRating, ALineIsChargedAtItsClassRateAtTheBreakOfItsWeight) {
  // 1000 lb of class 100: break 2 (1000 lb), 16.00 per cwt:
  //   1000 x 1600 / 100 = 16000 cents = $160.00.
  // Break 3 would cost 1000 x 14.00 + 1000 lb deficit x 14.00 = $280.00: not
  // cheaper. The $50.00 minimum is below the charge.
  const std::string a = rate(ShipmentRequest{}.line(0, "100", "001000"));
  EXPECT_EQ(a.substr(3, 4), "    ");
  EXPECT_EQ(a.substr(265, 27),
            "02100001000"
            "0016.00"
            "000160.00");
  EXPECT_EQ(a.substr(101, 6), "001000");   // actual weight
  EXPECT_EQ(a.substr(107, 6), "001000");   // billed weight
  EXPECT_EQ(a.substr(120, 7), "0000.00");  // no deficit rate
  EXPECT_EQ(a.substr(127, 6), "000000");
  EXPECT_EQ(a.substr(133, 9), "000000.00");
  EXPECT_EQ(a.substr(142, 9), "000160.00");
  EXPECT_EQ(a.substr(113, 7), "0160.00");
  // The rate table in the answer: class 100 at break 2 is item 4 + 9 x 0 + 2,
  // class 50 at break 8 item 4 + 9 x 1 + 8; item 0 the minimum selected.
  EXPECT_EQ(IntegerAt(a, 976 + 4 * 6), 1600);
  EXPECT_EQ(IntegerAt(a, 976 + 4 * 21), 200);
  EXPECT_EQ(IntegerAt(a, 976), 5000);
  EXPECT_EQ(IntegerAt(a, 976 + 4 * 22), BreakRateTable::kNotFetched);  // beyond 2 classes x 9 breaks
}

TEST_F(CoreRating, RatingAtTheNextBreakWithADeficitWeightIsChosenWhenCheaper) {
  // 1800 lb of class 100 at its own break 2: 1800 x 16.00 = $288.00.
  // At break 3 (2000 lb, 14.00): 1800 x 14.00 = $252.00, plus the deficit of
  // 2000 - 1800 = 200 lb at the lowest line rate 14.00 = $28.00: $280.00, the
  // cheaper. Break 4 (5000 lb, 12.00): $216.00 + 3200 lb x 12.00 = $600.00.
  const std::string a = rate(ShipmentRequest{}.line(0, "100", "001800"));
  EXPECT_EQ(a.substr(3, 4), "    ");
  EXPECT_EQ(a.substr(265, 27),
            "02100001800"
            "0014.00"
            "000252.00");
  EXPECT_EQ(a.substr(120, 7), "0014.00");    // deficit rate
  EXPECT_EQ(a.substr(127, 6), "000200");     // deficit weight
  EXPECT_EQ(a.substr(133, 9), "000028.00");  // deficit charge
  EXPECT_EQ(a.substr(101, 6), "001800");
  EXPECT_EQ(a.substr(107, 6), "002000");  // billed: actual plus deficit weight
  EXPECT_EQ(a.substr(142, 9), "000280.00");
  EXPECT_EQ(a.substr(113, 7), "0280.00");
  EXPECT_EQ(rating_.core.deficit.present, 'Y');
  EXPECT_EQ(rating_.core.breakUsed, 3);
}

TEST_F(CoreRating, TheDeficitWeightIsChargedAtTheLowestLineRate) {
  // 1000 lb of class 100 and 800 lb of class 50, 1800 lb in all (break 2):
  //   1000 x 16.00 + 800 x 8.00 = $160.00 + $64.00 = $224.00.
  // Break 3: 1000 x 14.00 + 800 x 7.00 = $196.00; the lowest line rate is
  // class 50's 7.00, so the 200 lb deficit costs $14.00: $210.00, cheaper.
  const std::string a = rate(ShipmentRequest{}.detailCount("02").line(0, "100", "001000").line(1, "50", "000800"));
  EXPECT_EQ(a.substr(3, 4), "    ");
  EXPECT_EQ(a.substr(265, 27),
            "02100001000"
            "0014.00"
            "000140.00");
  EXPECT_EQ(a.substr(295, 27),
            "0250 000800"
            "0007.00"
            "000056.00");
  EXPECT_EQ(a.substr(120, 7), "0007.00");
  EXPECT_EQ(a.substr(127, 6), "000200");
  EXPECT_EQ(a.substr(133, 9), "000014.00");
  EXPECT_EQ(a.substr(142, 9), "000210.00");
  EXPECT_EQ(std::string(rating_.core.deficit.classCode.data()), "50");
}

TEST_F(CoreRating, AShipmentBelowTheMinimumIsRaisedToIt) {
  // 100 lb of class 100 at break 0: 100 x 20.00 = $20.00 (break 1 would be
  // $18.00 + 400 lb x 18.00 = $90.00). The $50.00 minimum charge applies: the
  // gross stays $20.00, the net is $50.00, and the minimum is item 0.
  const std::string a = rate(ShipmentRequest{}.line(0, "100", "000100"));
  EXPECT_EQ(a.substr(3, 4), "    ");
  EXPECT_EQ(a.substr(265, 27),
            "02100000100"
            "0020.00"
            "000020.00");
  EXPECT_EQ(a.substr(142, 9), "000020.00");
  EXPECT_EQ(a.substr(113, 7), "0050.00");
  EXPECT_EQ(IntegerAt(a, 976), 5000);
  EXPECT_EQ(a[1880], '1');
  EXPECT_EQ(IntegerAt(a, 2032), 5000);
}

TEST_F(CoreRating, TheSingleShipmentChargeReplacesTheMinimumWhenAsked) {
  // Layout 4: a '1' minimum of $50.00 and a '0' single-shipment charge of
  // $65.00, both from 0 lb. 100 lb at $20.00 with byte 177 'Y' is raised to
  // $65.00; without it to $50.00.
  source_.minimums.layout = 4;
  source_.minimums.amounts = {5000, 6500, 0, 0};
  source_.minimums.count = 2;
  EXPECT_EQ(rate(ShipmentRequest{}.line(0, "100", "000100")).substr(113, 7), "0050.00");
  EXPECT_EQ(rate(ShipmentRequest{}.line(0, "100", "000100").at(177, "Y")).substr(113, 7), "0065.00");
}

TEST_F(CoreRating, APerBreakDiscountComesOffTheChargeAtTheBreakUsed) {
  // Discounts on, on charges; record 1: 5 % on the net (field 0) and 10 % at
  // every break (fields 1 to 9). 1000 lb of class 100: $160.00 at break 2.
  //   per-break discount: RoundMoney(16000 x 10) = 160000, x 0.01 = 1600:
  //   $16.00 off, gross $144.00;
  //   net: $144.00 less 5 %: RoundMoney(14400 x 5) / 100 = 720: $136.80.
  ShipmentRequest request = ShipmentRequest{}.line(0, "100", "001000").at(194, "Y").at(214, "C");
  request.discounts(1, "D%",
                    {"00500", "01000", "01000", "01000", "01000", "01000", "01000", "01000", "01000", "01000"});
  const std::string a = rate(request);
  EXPECT_EQ(a.substr(3, 4), "    ");
  EXPECT_EQ(a.substr(265, 27),
            "02100001000"
            "0016.00"
            "000160.00");
  EXPECT_EQ(a.substr(220, 9), "    16.00");
  EXPECT_EQ(a.substr(142, 9), "000144.00");
  EXPECT_EQ(a.substr(229, 7), "   7.20");
  EXPECT_EQ(a.substr(113, 7), "0136.80");
  EXPECT_EQ(a.substr(241, 5), "10.00");  // the break's percentage
}

TEST_F(CoreRating, TheDeficitSearchComparesTotalsDiscountedAtTheirOwnBreaks) {
  // 1800 lb of class 100 with 10 % at break 2 and none at break 3:
  //   break 2: $288.00 less 10 % = $259.20; break 3: $280.00 undiscounted.
  // The discounted total at break 2 is lower, so there is no deficit.
  ShipmentRequest request = ShipmentRequest{}.line(0, "100", "001800").at(194, "Y");
  request.discounts(1, "D%",
                    {"00000", "01000", "01000", "01000", "00000", "00000", "00000", "00000", "00000", "00000"});
  const std::string a = rate(request);
  EXPECT_EQ(a.substr(127, 6), "000000");
  EXPECT_EQ(a.substr(265, 27),
            "02100001800"
            "0016.00"
            "000288.00");
  EXPECT_EQ(a.substr(142, 9), "000259.20");
  EXPECT_EQ(a.substr(113, 7), "0259.20");
}

TEST_F(CoreRating, DiscountsOnRatesAreTakenInTheCorePass) {
  // Discount kind 'R', 10 % at every break: class 100 at break 2 is
  //   1600 - RoundMoney(RoundMoney(1600 x 10) x 0.01) = 1600 - 160 = 1440,
  // so 1000 lb costs $144.00; no further discount on the charge.
  ShipmentRequest request = ShipmentRequest{}.line(0, "100", "001000").at(194, "Y").at(214, "R");
  request.discounts(1, "D%",
                    {"00000", "01000", "01000", "01000", "01000", "01000", "01000", "01000", "01000", "01000"});
  const std::string a = rate(request);
  EXPECT_EQ(a.substr(265, 27),
            "02100001000"
            "0014.40"
            "000144.00");
  EXPECT_EQ(a.substr(220, 9), "     0.00");
  EXPECT_EQ(a.substr(113, 7), "0144.00");
  // With discounts switched off the same request is not discounted.
  EXPECT_EQ(rate(request.at(194, "N")).substr(113, 7), "0160.00");
}

TEST_F(CoreRating, ALineWhoseClassHasNoRateFailsWithItsLineCode) {
  // Class 85 is not one of the tariff's classes: line 2 answers 402.
  EXPECT_EQ(rate(ShipmentRequest{}.detailCount("02").line(0, "100", "001000").line(1, "85", "000500")).substr(3, 4),
            "0402");
  // Class 50 is the tariff's, but the lane has no rate for it: line 1, 401.
  source_.rates.clear();
  source_.classRates(0, {2000, 1800, 1600, 1400, 1200, 1000, 800, 600, 400});
  const std::string a = rate(ShipmentRequest{}.detailCount("02").line(0, "50", "000500").line(1, "100", "000500"));
  EXPECT_EQ(a.substr(3, 4), "0401");
  EXPECT_EQ(IntegerAt(a, 976), 0);  // the failure clears the result areas
}

TEST_F(CoreRating, AShipmentOverTheHeaviestRatedWeightFails241) {
  // Two lines of 999,999 lb: 1,999,998 lb is above 999,999 lb. (Rates of
  // 0.01 per cwt keep the charges within the answer.)
  source_.rates.clear();
  source_.classRates(0, {1, 1, 1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(rate(ShipmentRequest{}.detailCount("02").line(0, "100", "999999").line(1, "100", "999999")).substr(3, 4),
            "0241");
}

TEST_F(CoreRating, ChargesBeyondTheAnswerFail145) {
  // 999,999 lb at $9,999.98 per cwt: almost $100 million, more than the
  // answer's charge fields hold.
  source_.rates.clear();
  source_.classRates(0, {999998, 999998, 999998, 999998, 999998, 999998, 999998, 999998, 999998});
  EXPECT_EQ(rate(ShipmentRequest{}.line(0, "100", "999999")).substr(3, 4), "0145");
}

}  // namespace
}  // namespace vorn

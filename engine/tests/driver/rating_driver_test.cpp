// The rating driver with stand-in steps: the order of the steps, the answer
// written field by field, the discounts and the answers that do not fit.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

#include "driver/fake_rating_steps.h"
#include "driver/rate_shipment.h"
#include "request/request_parse.h"
#include "support/shipment_request.h"

namespace vorn {
namespace {

using testing::FakeRatingSteps;
using testing::ShipmentRequest;

class RatingDriver : public ::testing::Test {
 protected:
  RatingDriver() { engine_.steps = &steps_; }
  std::string rate(ShipmentRequest request) {
    RateShipmentCore(engine_, reinterpret_cast<std::uint8_t*>(request.data()), nullptr, nullptr);
    return request.bytes();
  }
  RatingEngine engine_;
  FakeRatingSteps steps_;
};

TEST_F(RatingDriver, AnswersEveryFieldInItsFormat) {
  steps_.deficitRate = 2300;
  steps_.deficitWeight = 40;
  steps_.methodText = "RB0001A";
  const std::string a = rate(ShipmentRequest{}.detailCount("02").line(1, "50", "000460"));
  EXPECT_EQ(a.substr(3, 4), "    ");
  EXPECT_EQ(a.substr(11, 8), "TSTFRT01");
  EXPECT_EQ(a.substr(82, 8), "TSTFRT01");
  EXPECT_EQ(a.substr(90, 11), "    RB0001A");
  EXPECT_EQ(a.substr(101, 6), "001460");   // actual weight
  EXPECT_EQ(a.substr(107, 6), "001500");   // billed weight
  EXPECT_EQ(a.substr(113, 7), "0374.20");  // net: 250.00 + 115.00 + 9.20
  EXPECT_EQ(a.substr(120, 7), "0023.00");  // deficit rate
  EXPECT_EQ(a.substr(127, 6), "000040");
  EXPECT_EQ(a.substr(133, 9), "000009.20");
  EXPECT_EQ(a.substr(142, 9), "000374.20");
  EXPECT_EQ(a.substr(151, 10), "01-01-2024");
  EXPECT_EQ(a.substr(196, 2), "DI");
  EXPECT_EQ(a.substr(220, 9), "     0.00");  // discounts off
  EXPECT_EQ(a.substr(229, 7), "   0.00");
  EXPECT_EQ(a.substr(241, 5), "00.00");
  EXPECT_EQ(a.substr(263, 2), "\r\n");
  EXPECT_EQ(a.substr(265, 29),
            "02100001000"
            "0025.00"
            "000250.00"
            "\r\n");
  EXPECT_EQ(a.substr(295, 27),
            "0250 000460"
            "0025.00"
            "000115.00");
  // The result areas: rate table, classes and breaks, minimum-charge items.
  std::int32_t item4;
  std::memcpy(&item4, a.data() + 976 + 16, 4);
  EXPECT_EQ(item4, 1004);
  EXPECT_EQ(a.substr(1676, 6), std::string("100\0\0\0", 6));
  std::int16_t classes, breaks;
  std::memcpy(&classes, a.data() + 1876, 2);
  std::memcpy(&breaks, a.data() + 1878, 2);
  EXPECT_EQ(classes, 2);
  EXPECT_EQ(breaks, 9);
  EXPECT_EQ(a[1880], '1');
  std::int32_t minimum;
  std::memcpy(&minimum, a.data() + 2032, 4);
  EXPECT_EQ(minimum, 5000);
}

TEST_F(RatingDriver, ModeZeroAnswersTariffDateAndLettersWithoutCharges) {
  const std::string a = rate(ShipmentRequest{}.mode('0'));
  EXPECT_EQ(a.substr(3, 4), "    ");
  EXPECT_EQ(a.substr(82, 8), "TSTFRT01");
  EXPECT_EQ(a.substr(151, 10), "01-01-2024");
  EXPECT_EQ(a.substr(196, 2), "DI");
  EXPECT_EQ(a.substr(101, 6), "000000");
  EXPECT_EQ(a.substr(113, 7), "0000.00");
  EXPECT_EQ(steps_.methodRuns, 0);
}

TEST_F(RatingDriver, ModeTwoRatesWithoutTheChargeComputation) {
  const std::string a = rate(ShipmentRequest{}.mode('2'));
  EXPECT_EQ(steps_.methodRuns, 1);
  EXPECT_TRUE(steps_.discountBreaks.empty());
  EXPECT_EQ(a.substr(113, 7), "0000.00");
}

TEST_F(RatingDriver, AnswersThatDoNotFitTheirFieldsFailWith145) {
  steps_.lineRate = 100000;  // 10,000 pounds at $1,000.00: a net of $100,000.00
  ShipmentRequest big = ShipmentRequest{}.line(0, "100", "010000");
  std::string a = rate(big);
  EXPECT_EQ(a.substr(3, 4), "0145");
  EXPECT_EQ(a.substr(113, 7), big.text(113, 7));  // nothing of the answer written
  steps_.lineRate = 99999;                        // 1,000 pounds: net $9,999.90, the most the field holds
  a = rate(ShipmentRequest{});
  EXPECT_EQ(a.substr(3, 4), "    ");
  EXPECT_EQ(a.substr(113, 7), "9999.90");
  steps_.lineRate = 100000;  // a rate of 1000.00 per hundredweight does not fit its 7 characters
  EXPECT_EQ(rate(ShipmentRequest{}).substr(3, 4), "0145");
}

TEST_F(RatingDriver, CodesWiderThanFourDigitsAnswer145) {
  steps_.setupResult = 12345;
  EXPECT_EQ(rate(ShipmentRequest{}).substr(3, 4), "0145");
  steps_.setupResult = -1;
  EXPECT_EQ(rate(ShipmentRequest{}).substr(3, 4), "0145");
  steps_.setupResult = 9999;
  EXPECT_EQ(rate(ShipmentRequest{}).substr(3, 4), "9999");
}

TEST_F(RatingDriver, TheServiceGuidesStatusBecomesTheReturnCode) {
  engine_.serviceGuideLetter = 'Y';
  steps_.serviceGuideStatus = {'0', '7', '0', '0'};
  EXPECT_EQ(rate(ShipmentRequest{}.at(215, "ABCD")).substr(3, 4), "0700");
  steps_.serviceGuideStatus = {'1', '0', '0', '1'};
  EXPECT_EQ(rate(ShipmentRequest{}.at(215, "ABCD")).substr(3, 4), "    ");
  steps_.serviceGuideStatus = {'0', '7', '0', '0'};
  EXPECT_EQ(rate(ShipmentRequest{}.at(215, "0000")).substr(3, 4), "    ");  // no carrier: not asked
}

TEST_F(RatingDriver, DiscountsOnTheGrossAndTheNet) {
  steps_.breakDiscount = 3000;  // $30.00 off the gross at the break used
  ShipmentRequest request = ShipmentRequest{}.at(194, "Y");
  request.discounts(1, "D%", {"01000", "02000", "03000", " 9999", "", "", "", "", "", ""});
  const std::string a = rate(request);
  EXPECT_EQ(a.substr(220, 9), "    30.00");
  EXPECT_EQ(a.substr(142, 9), "000220.00");
  EXPECT_EQ(a.substr(229, 7), "  25.00");  // 10 % of the net of $250.00
  EXPECT_EQ(a.substr(113, 7), "0225.00");
  // The percentage shown is the block's when the net after it is still above
  // the discounted gross; otherwise the one the core left.
  EXPECT_EQ(a.substr(241, 5), "10.00");
  steps_.breakDiscount = 2500;
  EXPECT_EQ(rate(request).substr(241, 5), "00.00");
  // The breaks used are limited to those with discount fields (" 9999" at 3).
  for (int b : steps_.discountBreaks) EXPECT_LE(b, 2);
}

TEST_F(RatingDriver, TheAbsoluteMinimumRaisesTheNet) {
  steps_.absoluteMinimum = 30000;
  const std::string a = rate(ShipmentRequest{}.at(194, "Y"));
  EXPECT_EQ(a.substr(113, 7), "0300.00");
  EXPECT_EQ(a.substr(229, 7), "   0.00");
}

TEST_F(RatingDriver, AMexicanPointIsRatedInTwoLegsAcrossTheBorder) {
  steps_.country = 'M';
  steps_.secondLegAdd = 5;
  const std::string a = rate(ShipmentRequest{}.origin("64000M"));
  EXPECT_EQ(a.substr(3, 4), "    ");
  EXPECT_EQ(steps_.setupPasses, (std::vector<int>{1, 2}));
  ASSERT_EQ(steps_.ratedOrigins.size(), 2u);
  EXPECT_EQ(steps_.ratedOrigins[0], "78040 ");  // the U.S. side of the crossing
  EXPECT_EQ(steps_.ratedOrigins[1], "64000M");  // the Mexican point again
  std::int32_t item4, minimum;
  std::memcpy(&item4, a.data() + 976 + 16, 4);
  std::memcpy(&minimum, a.data() + 2032, 4);
  EXPECT_EQ(item4, 1004 + 1004 + 5);  // the two legs' rates added
  EXPECT_EQ(minimum, 5000 + 700);
}

TEST_F(RatingDriver, MexicanLanesNeedAMexicanTariffAndAMexicanPoint) {
  steps_.country = 'M';
  EXPECT_EQ(rate(ShipmentRequest{}).substr(3, 4), "0385");
  steps_.country = 'N';
  EXPECT_EQ(rate(ShipmentRequest{}.origin("64000M")).substr(3, 4), "0386");
}

TEST_F(RatingDriver, ATariffLetteredPCannotBeRatedHere) {
  steps_.tariffLetter = 'P';
  EXPECT_EQ(rate(ShipmentRequest{}).substr(3, 4), "0370");
}

TEST_F(RatingDriver, TheCityChosenIsAnsweredWhenTheRatingSucceeds) {
  steps_.chosenOriginCity = "NYALBANY";
  ShipmentRequest request = ShipmentRequest{}.at(36, ShipmentRequest::pad("NYTROY", 19));
  std::string a = rate(request);
  EXPECT_EQ(a.substr(3, 4), "    ");
  EXPECT_EQ(a.substr(36, 19), "NYALBANY           ");
  EXPECT_EQ(a[7], 'B');
  EXPECT_EQ(a.substr(61, 19), request.text(61, 19));
  // A failed rating answers the request as it was sent.
  steps_.lineRate = 100000;
  request.line(0, "100", "010000");
  a = rate(request);
  EXPECT_EQ(a.substr(3, 4), "0145");
  EXPECT_EQ(a.substr(36, 19), "NYTROY             ");
  EXPECT_EQ(a[7], request.text(7, 1)[0]);
}

TEST(RequestFlags, TheFlagsStepsActOnAreTakenOnceFromTheHeader) {
  struct Case {
    std::string_view at161;  // bytes 161-165
    std::string_view at196;  // bytes 196-197
    std::optional<std::int32_t> step;
  };
  for (const Case& c : {Case{"+0002", "DI", 2}, Case{" 0002", "  ", std::nullopt}, Case{"+ 12x", "XD", 12},
                        Case{"-0002", "ID", std::nullopt}}) {
    const ShipmentRequest request = ShipmentRequest{}.at(161, c.at161).at(196, c.at196);
    const ShipmentRecord record(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(request.data()), 2160));
    ParsedRequest parsed;
    parsed.rateBasisStep = 99;
    ParseStepFlags(record, parsed);
    EXPECT_EQ(parsed.rateBasisStep, c.step) << c.at161;
    EXPECT_EQ(parsed.givenOriginPointLetter, c.at196[0]);
    EXPECT_EQ(parsed.givenDestinationPointLetter, c.at196[1]);
  }
}

TEST(DiscountRecords, TheBreakCountEndsAtTheFirstEndOfBreaksMark) {
  ShipmentRecord record;
  auto countOf = [&](ShipmentRequest request) {
    record.assign(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(request.data()), 2160));
    return DiscountBreakCount(record);
  };
  EXPECT_EQ(countOf(ShipmentRequest{}.discounts(1, "D%", {"01000", "01000", " 9999", "", "", "", "", "", "", ""})), 1);
  EXPECT_EQ(countOf(ShipmentRequest{}.discounts(1, "D%", {" 9999", "01000", "", "", "", "", "", "", "", ""})), 100);
  EXPECT_EQ(countOf(ShipmentRequest{}.discounts(1, "D%", {"0", " 9999", "", "", "", "", "", "", "", ""})), 0);
  EXPECT_EQ(countOf(ShipmentRequest{}), 100);
}

TEST(DiscountRecords, EndOfBreaksMarksAreNoDiscountForRatesAndAFullOneForCharges) {
  auto parse = [](char kind) {
    ShipmentRequest request = ShipmentRequest{}.at(194, "D").at(214, std::string(1, kind));
    request.discounts(1, "D%", {"01250", " 9999", "", "", "", "", "", "", "", ""});
    ShipmentRecord record(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(request.data()), 2160));
    DiscountState d;
    ParseDiscountRecords(record, d);
    return d;
  };
  const DiscountState rates = parse('R');
  EXPECT_EQ(rates.kind, 'R');
  EXPECT_FLOAT_EQ(rates.direct.percent[0], 12.5f);
  EXPECT_FLOAT_EQ(rates.direct.percent[1], 0.0f);
  const DiscountState charges = parse('X');  // anything but 'R' is 'C'
  EXPECT_EQ(charges.kind, 'C');
  EXPECT_FLOAT_EQ(charges.direct.percent[1], 99.99f);
  EXPECT_TRUE(charges.on);
  // Without an "I%" record the indirect block takes record 1's values.
  EXPECT_EQ(charges.indirect.tag, (std::array<char, 2>{'I', '%'}));
  EXPECT_FLOAT_EQ(charges.indirect.percent[0], 12.5f);
}

}  // namespace
}  // namespace vorn

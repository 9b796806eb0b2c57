// Whole ratings of the lettered tariff types through the engine's exports:
// a lane from 10001 to 90001 on a small tariff of each type, rated in the
// normal mode and checked field by field against the hand calculation in
// each test's comment. x p is (x x p + 5000) / 10000, truncated; a charge is
// (weight x rate + 50) / 100.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "ratings/light_lane.h"
#include "ratings/rating_fixture.h"

namespace vorn {
namespace {

using testing::RatedShipment;
using testing::RatingThroughExports;
using testing::ShipmentRequest;

using LetteredTypes = RatingThroughExports;

// Points 10001-10099 (number 1, add-on 1) and 90001-90099 (number 2, add-on
// 2); the matrix cell of the two points holds value.
std::string Lane(std::string_view efcrec, int value) {
  return "efcrec\n  record " + std::string(efcrec) + R"(
points tariff=TSTFRT01
  point low=10001 high=10099 number=1 addon=1
  point low=90001 high=90099 number=2 addon=2
matrix tariff=TSTFRT01
  pair a=1 b=2 value=)" +
         std::to_string(value) + R"(
lettered tariff=TSTFRT01 letter=Z
)";
}

// Rate records 0 to 2 without rates, then record 3 (number 00003) with the
// kind letter and entries given.
std::string RecordThree(char kind, std::string_view entries) {
  std::string text = "rates tariff=TSTFRT01\n";
  for (int k = 0; k < 3; ++k) text += "  record number=0000" + std::to_string(k) + " letter=" + kind + "\n";
  return text + "  record number=00003 letter=" + kind + " entries=\"" + std::string(entries) + "\"\n";
}

// Two lines: class 100 at 600 pounds and class 70 at 300.
ShipmentRequest TwoLines() {
  return ShipmentRequest{}.detailCount("02").line(0, "100", "000600").line(1, "70", "000300");
}

// Item i of the class-by-break rate table; kind and charge of item i of the
// minimum-charge list.
std::int32_t RateItem(const RatedShipment& a, std::size_t i) { return a.integer(976 + 4 * i); }
char MinimumKind(const RatedShipment& a, std::size_t i) { return a.field(1880 + i, 1)[0]; }
std::int32_t MinimumCharge(const RatedShipment& a, std::size_t i) { return a.integer(2032 + 4 * i); }

void ExpectNoDiscounts(const RatedShipment& a) {
  EXPECT_EQ(a.breakDiscount(), "     0.00");
  EXPECT_EQ(a.percentDiscount(), "   0.00");
  EXPECT_EQ(a.discountPercent(), "00.00");
}

// The answer to TwoLines() at type A's rates: 600 pounds of class 100 and
// 300 of class 70 billed at 1000 pounds with a 100-pound deficit, 118.80 +
// 47.52 + 15.84 = 182.16, from TSTFRT01 effective 01-01-2024.
void ExpectTheTwoLinesBilledAt1000Pounds(const RatedShipment& a, std::string_view rateBasis) {
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.tariffUsed(), "TSTFRT01");
  EXPECT_EQ(a.effectiveDate(), "01-01-2024");
  EXPECT_EQ(a.rateBasis(), rateBasis);
  EXPECT_EQ(a.actualWeight(), "000900");
  EXPECT_EQ(a.billedWeight(), "001000");
  EXPECT_EQ(a.lineRate(0), "0019.80");
  EXPECT_EQ(a.lineCharge(0), "000118.80");
  EXPECT_EQ(a.lineRate(1), "0015.84");
  EXPECT_EQ(a.lineCharge(1), "000047.52");
  EXPECT_EQ(a.deficitRate(), "0015.84");
  EXPECT_EQ(a.deficitWeight(), "000100");
  EXPECT_EQ(a.deficitCharge(), "000015.84");
  EXPECT_EQ(a.grossCharge(), "000182.16");
  EXPECT_EQ(a.netCharge(), "0182.16");
}

// --- Matrix without add-ons: types A, B, C ---

// Classes 100, 70 and 50, breaks 0, 500, 1000 and 2000; class 70 rates at
// 80 percent, class 50 at 65 percent with no percentage of its own at 500.
constexpr std::string_view kClassPercents = R"(
factor tariff=TSTFRT01
  section kind=1 classes="100 70 50" breaks="0 500 1000 2000"
  factor-line values="1 1 1 1"
  factor-line values="0.8 0.8 0.8 0.8"
  factor-line values="0.65 0 0.65 0.6"
)";

class PercentTypes : public RatingThroughExports {
 protected:
  void startType(char type) {
    start(Lane("type=" + std::string(1, type), 3) + std::string(kClassPercents) +
          RecordThree('B', "6500 2850 2420 1980 1560"));
  }
};

TEST_F(PercentTypes, TypeARatesTheClassPercentageOfTheBreaksEntryWithADeficit) {
  // Cell 3 alone (the add-ons are not added): record 3, "001 00003B".
  // 900 pounds is break 1 (500): class 100 e(2) x 10000 = 2420, class 70
  // 2420 x 8000 = 1936; 600 x 2420 / 100 = 14520 + 300 x 1936 / 100 = 5808:
  // 20328. Break 2 (1000): 1980 and 1980 x 8000 = 1584; 11880 + 4752 = 16632,
  // deficit 100 pounds at the lowest rate 1584 = 1584: 18216, lower. Break 3
  // (2000): 1560, 1248; 9360 + 3744 + 1100 x 1248 / 100 = 13728: 26832, not
  // lower. Billed at 1000 pounds: net 182.16 above the minimum 6500.
  startType('A');
  const RatedShipment a = rate(TwoLines());
  ExpectTheTwoLinesBilledAt1000Pounds(a, "     00003B");
  ExpectNoDiscounts(a);
  EXPECT_EQ(RateItem(a, 0), 6500);  // the minimum
  EXPECT_EQ(MinimumKind(a, 0), '1');
  EXPECT_EQ(MinimumCharge(a, 0), 6500);
  // The table: class c, break b at item 4 + 4c + b.
  EXPECT_EQ(RateItem(a, 4 + 0), 2850);
  EXPECT_EQ(RateItem(a, 4 + 4 + 3), 1248);
  EXPECT_EQ(RateItem(a, 4 + 8 + 1), 1853);  // class 50 at 500: 0 there, 2850 x 6500 from break 0
}

TEST_F(PercentTypes, TypeAWithChargeDiscountsByBreak) {
  // Discounts on, kind C, record 1 "D%": 10 percent on the net, 30 percent
  // at breaks 0 and 1, 25 percent from break 2. The deficit search compares
  // discounted totals: break 1 20328 - 6098 = 14230, break 2 18216 - 4554 =
  // 13662 (chosen), break 3 26832 - 6708 = 20124. The gross 182.16 less its
  // break-2 discount 45.54 is 136.62; the charge after the minimum is that
  // discounted total, 13662 (above 6500), and the net takes 10 percent off
  // it: 13662 x 10.00 / 100 = 1366.2, rounded 1366: 122.96. The net is not
  // above the discounted gross, so the percentage shown is the break's 25.00.
  startType('A');
  const RatedShipment a = rate(TwoLines().at(194, "Y").discounts(
      1, "D%", {" 1000", " 3000", " 3000", " 2500", " 2500", " 2500", " 2500", " 2500", " 2500", " 2500"}));
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.billedWeight(), "001000");
  EXPECT_EQ(a.lineCharge(0), "000118.80");
  EXPECT_EQ(a.lineCharge(1), "000047.52");
  EXPECT_EQ(a.deficitWeight(), "000100");
  EXPECT_EQ(a.deficitCharge(), "000015.84");
  EXPECT_EQ(a.breakDiscount(), "    45.54");
  EXPECT_EQ(a.grossCharge(), "000136.62");
  EXPECT_EQ(a.percentDiscount(), "  13.66");
  EXPECT_EQ(a.netCharge(), "0122.96");
  EXPECT_EQ(a.discountPercent(), "25.00");
}

TEST_F(PercentTypes, TypeAWithRateDiscounts) {
  // Discounts on, kind R: 10 percent off the minimum, 20 percent off every
  // rate, each discount RoundMoney(RoundMoney(rate x percent) x 0.01). Break
  // 1: 2420 - 484 = 1936 and 1936 - 387 = 1549, 11616 + 4647 = 16263. Break
  // 2: 1980 - 396 = 1584 and 1584 - 317 = 1267, 9504 + 3801 + 100 x 1267 /
  // 100 = 1267: 14572, lower. Break 3: 1248 and 998, 7488 + 2994 + 10978 =
  // 21460. The minimum 6500 - 650 = 5850. No charge discount follows.
  startType('A');
  const RatedShipment a = rate(TwoLines().at(194, "Y").at(214, "R").discounts(
      1, "D%", {" 1000", " 2000", " 2000", " 2000", " 2000", " 2000", " 2000", " 2000", " 2000", " 2000"}));
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.billedWeight(), "001000");
  EXPECT_EQ(a.lineRate(0), "0015.84");
  EXPECT_EQ(a.lineCharge(0), "000095.04");
  EXPECT_EQ(a.lineRate(1), "0012.67");
  EXPECT_EQ(a.lineCharge(1), "000038.01");
  EXPECT_EQ(a.deficitRate(), "0012.67");
  EXPECT_EQ(a.deficitWeight(), "000100");
  EXPECT_EQ(a.deficitCharge(), "000012.67");
  EXPECT_EQ(a.grossCharge(), "000145.72");
  EXPECT_EQ(a.netCharge(), "0145.72");
  EXPECT_EQ(a.appliedMinimum(), 5850);
  ExpectNoDiscounts(a);
}

TEST_F(PercentTypes, AKindCLaneRatesTheLastClassAtTheOriginsPercentage) {
  // Record 3 of kind C; the .C range 10000-10099 holds the origin with 50
  // percent, which replaces the last class's (class 50) percentages. 900
  // pounds of classes 100 and 50, break 1: 2420 and 2420 x 5000 = 1210,
  // 14520 + 3630 = 18150. Break 2: 1980 and 990, 11880 + 2970 + 100 x 990 /
  // 100 = 990: 15840, lower. Break 3: 1560, 780, 9360 + 2340 + 8580 = 20280.
  start(Lane("type=A", 3) + std::string(kClassPercents) + RecordThree('C', "6500 2850 2420 1980 1560") +
        "class-factors tariff=TSTFRT01\n  range low=10000 high=10099 percent=5000\n  range low=30000 high=30099 "
        "percent=9000\n");
  const RatedShipment a = rate(TwoLines().line(1, "50", "000300"));
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.rateBasis(), "     00003C");
  EXPECT_EQ(a.billedWeight(), "001000");
  EXPECT_EQ(a.lineRate(0), "0019.80");
  EXPECT_EQ(a.lineCharge(0), "000118.80");
  EXPECT_EQ(a.lineRate(1), "0009.90");
  EXPECT_EQ(a.lineCharge(1), "000029.70");
  EXPECT_EQ(a.deficitRate(), "0009.90");
  EXPECT_EQ(a.deficitWeight(), "000100");
  EXPECT_EQ(a.deficitCharge(), "000009.90");
  EXPECT_EQ(a.grossCharge(), "000158.40");
  EXPECT_EQ(a.netCharge(), "0158.40");
  EXPECT_EQ(RateItem(a, 4 + 8 + 0), 1425);  // class 50 at break 0: 2850 x 5000
}

TEST_F(PercentTypes, AKindCLaneWithoutClassFactorFileKeepsTheTariffsPercentages) {
  // No .C file: the lines of type A's case, 182.16.
  start(Lane("type=A", 3) + std::string(kClassPercents) + RecordThree('C', "6500 2850 2420 1980 1560"));
  const RatedShipment a = rate(TwoLines());
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.lineRate(1), "0015.84");
  EXPECT_EQ(a.netCharge(), "0182.16");
}

TEST_F(PercentTypes, TypeBRaisesALightShipmentToTheMinimum) {
  // 150 pounds of class 50 is break 0: 2850 x 6500 = 1853, 150 x 1853 / 100
  // = 2780. Break 1 has no percentage of its own and takes break 0's: 1853,
  // 2780 + 350 x 1853 / 100 = 9266; break 2 1980 x 6500 = 1287, 1931 + 850
  // x 1287 / 100 = 12871; break 3 1560 x 6000 = 936, 1404 + 17316: none is
  // lower. The charge of 27.80 is raised to the minimum 65.00.
  startType('B');
  const RatedShipment a = rate(ShipmentRequest{}.line(0, "50", "000150"));
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.rateBasis(), "     00003B");
  EXPECT_EQ(a.effectiveDate(), "01-01-2024");
  EXPECT_EQ(a.actualWeight(), "000150");
  EXPECT_EQ(a.billedWeight(), "000150");
  EXPECT_EQ(a.lineRate(0), "0018.53");
  EXPECT_EQ(a.lineCharge(0), "000027.80");
  EXPECT_EQ(a.deficitRate(), "0000.00");
  EXPECT_EQ(a.deficitWeight(), "000000");
  EXPECT_EQ(a.deficitCharge(), "000000.00");
  EXPECT_EQ(a.grossCharge(), "000027.80");
  EXPECT_EQ(a.netCharge(), "0065.00");
  EXPECT_EQ(a.appliedMinimum(), 6500);
  ExpectNoDiscounts(a);
}

TEST_F(LetteredTypes, TypeCGivesEveryClassButOneHundredItsPercentage) {
  // Record 3 of kind E, which has no kind factor row: k = 10000. Classes 100
  // and 150, breaks 0, 1000, 5000. 2200 pounds is break 1: class 100 takes
  // k alone, e(2) = 2480 (its own 110 percent is not applied); class 150
  // sorts after "100": 2480 x 12000 = 2976. 1500 x 2480 / 100 = 37200 + 700
  // x 2976 / 100 = 20832: 58032. Break 2: 1900 and 2280, 28500 + 15960 +
  // 2800 x 1900 / 100 = 53200: 97660, not lower. The minimum 7498 x k is
  // rounded to a multiple of 5: 7500.
  start(Lane("type=C", 3) + R"(
factor tariff=TSTFRT01
  section kind=1 classes="100 150" breaks="0 1000 5000"
  factor-line values="1.1 1.1 1.1"
  factor-line values="1.25 1.2 1.2"
)" + RecordThree('E', "7498 3120 2480 1900"));
  const RatedShipment a = rate(ShipmentRequest{}.detailCount("02").line(0, "100", "001500").line(1, "150", "000700"));
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.tariffUsed(), "TSTFRT01");
  EXPECT_EQ(a.effectiveDate(), "01-01-2024");
  EXPECT_EQ(a.rateBasis(), "     00003E");
  EXPECT_EQ(a.actualWeight(), "002200");
  EXPECT_EQ(a.billedWeight(), "002200");
  EXPECT_EQ(a.lineRate(0), "0024.80");
  EXPECT_EQ(a.lineCharge(0), "000372.00");
  EXPECT_EQ(a.lineRate(1), "0029.76");
  EXPECT_EQ(a.lineCharge(1), "000208.32");
  EXPECT_EQ(a.deficitRate(), "0000.00");
  EXPECT_EQ(a.deficitWeight(), "000000");
  EXPECT_EQ(a.deficitCharge(), "000000.00");
  EXPECT_EQ(a.grossCharge(), "000580.32");
  EXPECT_EQ(a.netCharge(), "0580.32");
  EXPECT_EQ(a.appliedMinimum(), 7500);
  EXPECT_EQ(MinimumCharge(a, 0), 7500);
  ExpectNoDiscounts(a);
  EXPECT_EQ(RateItem(a, 4 + 0), 3120);      // class 100, break 0
  EXPECT_EQ(RateItem(a, 4 + 3 + 0), 3900);  // class 150, break 0: 3120 x 12500
}

TEST_F(LetteredTypes, TypeCOfAKindWithoutItsFactorsIsRefusedRatherThanCharged) {
  // Kind B takes its factor from the tariff's kind factor rows, which its
  // factor file does not give: every rate is 0, and the first line has no
  // rate (0401) instead of a charge of 0.
  start(Lane("type=C", 3) + R"(
factor tariff=TSTFRT01
  section kind=1 classes="100 150" breaks="0 1000 5000"
  factor-line values="1 1 1"
  factor-line values="1.25 1.2 1.2"
)" + RecordThree('B', "7498 3120 2480 1900"));
  const RatedShipment a = rate(ShipmentRequest{}.line(0, "150", "000700"));
  EXPECT_EQ(a.returnCode(), "0401");
  EXPECT_EQ(a.lineCharge(0), "000000.00");
}

// --- Base and table types E, F, G, H: matrix value plus both add-ons ---

TEST_F(PercentTypes, TypeEAddsTheAddOnsAndAppliesThePercentageInTheCore) {
  // Cell 0 + add-ons 1 + 2: record 3. 1100 pounds is break 2 (1000): class
  // 50 1980 x 6500 = 1287, class 100 1980; 700 x 1287 / 100 = 9009 + 400 x
  // 1980 / 100 = 7920: 16929. Break 3: 1560 x 6000 = 936 and 1560, 6552 +
  // 6240 + 900 x 936 / 100 = 8424: 21216, not lower.
  start(Lane("type=E", 0) + std::string(kClassPercents) + RecordThree('B', "6500 2850 2420 1980 1560"));
  const RatedShipment a = rate(ShipmentRequest{}.detailCount("02").line(0, "50", "000700").line(1, "100", "000400"));
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.tariffUsed(), "TSTFRT01");
  EXPECT_EQ(a.effectiveDate(), "01-01-2024");
  EXPECT_EQ(a.rateBasis(), "     00003B");
  EXPECT_EQ(a.actualWeight(), "001100");
  EXPECT_EQ(a.billedWeight(), "001100");
  EXPECT_EQ(a.lineRate(0), "0012.87");
  EXPECT_EQ(a.lineCharge(0), "000090.09");
  EXPECT_EQ(a.lineRate(1), "0019.80");
  EXPECT_EQ(a.lineCharge(1), "000079.20");
  EXPECT_EQ(a.deficitRate(), "0000.00");
  EXPECT_EQ(a.deficitWeight(), "000000");
  EXPECT_EQ(a.deficitCharge(), "000000.00");
  EXPECT_EQ(a.grossCharge(), "000169.29");
  EXPECT_EQ(a.netCharge(), "0169.29");
  EXPECT_EQ(a.appliedMinimum(), 6500);
  ExpectNoDiscounts(a);
  // Class 50 at 500 has no percentage: the item of break 0 is copied.
  EXPECT_EQ(RateItem(a, 4 + 8 + 1), RateItem(a, 4 + 8 + 0));
  EXPECT_EQ(RateItem(a, 4 + 8 + 0), 1853);
}

TEST_F(PercentTypes, TypeFTakesTheMinimumOfTheWeightFromTwoAmounts) {
  // Entries 0 to 3: 6000, 0, 4500, 0 give layout 3: 45.00 from 0 pounds,
  // 60.00 from 100 pounds; the rates stand from entry 4. 80 pounds of class
  // 100 at break 0: 2850, 80 x 2850 / 100 = 2280 (break 1: 1936 + 420 x
  // 2420 / 100 = 10164, not lower), raised to 45.00. 250 pounds of class 70:
  // 2850 x 8000 = 2280, 250 x 2280 / 100 = 5700 (break 1: 1936, 4840 + 4840),
  // raised to 60.00.
  start(Lane("type=F", 0) + std::string(kClassPercents) + RecordThree('B', "6000 0 4500 0 2850 2420 1980 1560"));
  RatedShipment a = rate(ShipmentRequest{}.line(0, "100", "000080"));
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.rateBasis(), "     00003B");
  EXPECT_EQ(a.effectiveDate(), "01-01-2024");
  EXPECT_EQ(a.actualWeight(), "000080");
  EXPECT_EQ(a.billedWeight(), "000080");
  EXPECT_EQ(a.lineRate(0), "0028.50");
  EXPECT_EQ(a.lineCharge(0), "000022.80");
  EXPECT_EQ(a.deficitCharge(), "000000.00");
  EXPECT_EQ(a.grossCharge(), "000022.80");
  EXPECT_EQ(a.netCharge(), "0045.00");
  EXPECT_EQ(a.minimumLayout(), 3);
  EXPECT_EQ(a.appliedMinimum(), 4500);
  EXPECT_EQ(a.field(1880, 2), "11");
  EXPECT_EQ(MinimumCharge(a, 0), 4500);
  EXPECT_EQ(MinimumCharge(a, 1), 6000);
  ExpectNoDiscounts(a);
  a = rate(ShipmentRequest{}.line(0, "70", "000250"));
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.lineRate(0), "0022.80");
  EXPECT_EQ(a.lineCharge(0), "000057.00");
  EXPECT_EQ(a.deficitWeight(), "000000");
  EXPECT_EQ(a.grossCharge(), "000057.00");
  EXPECT_EQ(a.netCharge(), "0060.00");
  EXPECT_EQ(a.appliedMinimum(), 6000);
}

TEST_F(PercentTypes, TypeGListsFourMinimumsAndTakesTheOneOfTheWeight) {
  // The rates of type A's case from entry 4, percentages in the fetch: 900
  // pounds billed at 1000, 118.80 + 47.52 + 15.84 = 182.16. Four non-zero
  // amounts give layout 2: minimums 40.00 from 0 and 55.00 from 100 pounds,
  // single-shipment charges 30.00 and 25.00; 900 pounds takes 55.00.
  start(Lane("type=G", 0) + std::string(kClassPercents) + RecordThree('B', "5500 3000 4000 2500 2850 2420 1980 1560"));
  const RatedShipment a = rate(TwoLines());
  ExpectTheTwoLinesBilledAt1000Pounds(a, "     00003B");
  ExpectNoDiscounts(a);
  EXPECT_EQ(a.minimumLayout(), 2);
  EXPECT_EQ(a.appliedMinimum(), 5500);
  EXPECT_EQ(a.field(1880, 4), "1100");
  EXPECT_EQ(MinimumCharge(a, 0), 4000);
  EXPECT_EQ(MinimumCharge(a, 1), 5500);
  EXPECT_EQ(MinimumCharge(a, 2), 3000);
  EXPECT_EQ(MinimumCharge(a, 3), 2500);
}

TEST_F(LetteredTypes, TypeHAppliesTheBreakFactorsAndTheMinimumFactor) {
  // Classes 100 and 70 (80 percent), breaks 0, 500, 1000; break factors 1,
  // 0.95, 0.9 and the minimum's 1.1. 900 pounds is break 1: class 100 2420
  // x 9500 = 2299, class 70 2299 x 8000 = 1839; 13794 + 5517 = 19311. Break
  // 2: 1980 x 9000 = 1782, 1782 x 8000 = 1426; 10692 + 4278 + 100 x 1426 /
  // 100 = 1426: 16396, lower. The minimum 6000 x 11000 = 6600.
  start(Lane("type=H", 0) + R"(
factor tariff=TSTFRT01
  section kind=1 classes="100 70" breaks="0 500 1000"
  factor-line values="1 1 1"
  factor-line values="0.8 0.8 0.8"
  extra-line values="1 0.95 0.9 1.1"
)" + RecordThree('B', "6000 2850 2420 1980"));
  const RatedShipment a = rate(TwoLines());
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.tariffUsed(), "TSTFRT01");
  EXPECT_EQ(a.effectiveDate(), "01-01-2024");
  EXPECT_EQ(a.rateBasis(), "     00003B");
  EXPECT_EQ(a.actualWeight(), "000900");
  EXPECT_EQ(a.billedWeight(), "001000");
  EXPECT_EQ(a.lineRate(0), "0017.82");
  EXPECT_EQ(a.lineCharge(0), "000106.92");
  EXPECT_EQ(a.lineRate(1), "0014.26");
  EXPECT_EQ(a.lineCharge(1), "000042.78");
  EXPECT_EQ(a.deficitRate(), "0014.26");
  EXPECT_EQ(a.deficitWeight(), "000100");
  EXPECT_EQ(a.deficitCharge(), "000014.26");
  EXPECT_EQ(a.grossCharge(), "000163.96");
  EXPECT_EQ(a.netCharge(), "0163.96");
  EXPECT_EQ(a.appliedMinimum(), 6600);
  ExpectNoDiscounts(a);
  EXPECT_EQ(RateItem(a, 4 + 1), 2299);
}

// --- Light table type L: the lane's key from the light base and matrix ---

// Points 1 (10001-10099) and 3 (20000-20099), whose cell names record 2,
// "001 00000A", a record without a number of its own: the light base gives
// the two ends keys 00010 and 00020, the light matrix number 00123 kind E,
// and the lettered codes put kind E in group 005: record "005 00123E" (a
// minimum of 68.00, rates 30.00 and 25.00 from entry 4), rated with the
// classes and breaks of tariff number 5.
std::string LightTableTariff(char type) {
  return R"(
efcrec
  record type=)" +
         std::string(1, type) + std::string(testing::kLightLanePoints) + R"(  record head="001 00000A"
  record head="005 00123E" entries="6800 0 0 0 3000 2500"
light-base tariff=TSTFRT01
  code code=A1
  base low=10000 high=10099 key=00010
  base low=20000 high=20099 key=00020
light-matrix tariff=TSTFRT01
  code code=A1
  matrix a=00010 b=00020 number=00123 letter=E
factor tariff=TSTFRT01
  section kind=1 classes="100" breaks="0 500"
  factor-line
  section kind=5 classes="100 85 70" breaks="0 500"
  factor-line
  factor-line values="0.9 0.9"
  factor-line values="0.8 0.8"
lettered tariff=TSTFRT01 letter=Z
)";
}

// The lane's answer (ratings/light_lane.h) at record "005 00123E".
void ExpectLightTableRating(const RatedShipment& a) { testing::ExpectLightLaneRating(a, "     00123E", 6800); }

ShipmentRequest LightTableLane() { return testing::LightLane(); }

TEST_F(LetteredTypes, TypeLRatesTheRecordTheLightTablesKeyAndItsTariffsTables) {
  // The fetch applies the percentages: e(b' + 4) x p.
  start(LightTableTariff('L'));
  ExpectLightTableRating(rate(LightTableLane()));
}

TEST_F(LetteredTypes, TypeFTakesARecordWithoutANumberFromTheLightTables) {
  // The base and table stage finds the same record; the fetch reads e(b' + 4)
  // and the core applies the percentages. Entries 1 to 3 are 0: the minimum
  // is entry 0 alone.
  start(LightTableTariff('F'));
  ExpectLightTableRating(rate(LightTableLane()));
}

TEST_F(LetteredTypes, TypeLAddsTheAddOnRecordOfAKindCLane) {
  // Record 2, "001 00000C", leads to "003 00042C" (group 003 for kind C in
  // the lettered codes), rated with tariff number 3's classes 100 and 85 at
  // breaks 0 and 500; the base records of code "C " give both ends the
  // add-on 150. 700 pounds is break 1: class 100 e(5) = 2500 + 150 = 2650,
  // class 85 2500 x 9000 = 2250 + 150 = 2400; 300 x 2650 / 100 = 7950 + 400
  // x 2400 / 100 = 9600: 17550. The minimum 6000 + 150 = 6150.
  start(R"(
efcrec
  record type=L
points tariff=TSTFRT01
  point low=10001 high=10099 number=1
  point low=20000 high=20099 number=3
matrix tariff=TSTFRT01
  pair a=1 b=3 value=2
rates tariff=TSTFRT01
  record head="001 00000A"
  record head="001 00000A"
  record head="001 00000C"
  record head="003 00042C" entries="6000 0 0 0 3000 2500"
light-base tariff=TSTFRT01
  code code=A1
  base low=10000 high=10099 key=00010
  base low=20000 high=20099 key=00020
  code code=C
  base low=00000 high=00009 key=00001 add=00150
light-matrix tariff=TSTFRT01
  code code=A1
  matrix a=00010 b=00020 number=00123 letter=E
factor tariff=TSTFRT01
  section kind=1 classes="100" breaks="0 500"
  factor-line
  section kind=3 classes="100 85" breaks="0 500"
  factor-line
  factor-line values="0.9 0.9"
lettered tariff=TSTFRT01 letter=Z
)");
  const RatedShipment a = rate(LightTableLane());
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.tariffUsed(), "TSTFRT01");
  EXPECT_EQ(a.effectiveDate(), "01-01-2024");
  EXPECT_EQ(a.rateBasis(), "     00042C");
  EXPECT_EQ(a.actualWeight(), "000700");
  EXPECT_EQ(a.billedWeight(), "000700");
  EXPECT_EQ(a.lineRate(0), "0024.00");
  EXPECT_EQ(a.lineCharge(0), "000096.00");
  EXPECT_EQ(a.lineRate(1), "0026.50");
  EXPECT_EQ(a.lineCharge(1), "000079.50");
  EXPECT_EQ(a.deficitCharge(), "000000.00");
  EXPECT_EQ(a.grossCharge(), "000175.50");
  EXPECT_EQ(a.netCharge(), "0175.50");
  EXPECT_EQ(a.appliedMinimum(), 6150);
  EXPECT_EQ(MinimumCharge(a, 0), 6150);
  ExpectNoDiscounts(a);
}

// --- Combined tariff N: point records keyed by ZIP range, pair records ---

// A combined-tariff point record (30 bytes): low and high ZIP, 32-bit point
// number; and a pair record (12 bytes): origin point, destination point,
// rate record number.
std::string Le32(std::uint32_t v) {
  std::string out;
  for (int i = 0; i < 4; ++i) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02X", (v >> (8 * i)) & 0xFF);
    out += hex;
  }
  return out;
}
std::string CombinedPoint(std::string_view low, std::string_view high, std::uint32_t number) {
  return "  raw text=\"  " + std::string(low) + " " + std::string(high) + " " + Le32(number) + std::string(12, ' ') +
         "\"\n";
}
std::string PointPair(std::uint32_t origin, std::uint32_t destination, std::uint32_t record) {
  return "  raw text=\"" + Le32(origin) + Le32(destination) + Le32(record) + "\"\n";
}

TEST_F(PercentTypes, TypeNRatesThePairsRecordByItsBaseType) {
  // Points 11 (10000-10099) and 12 (90000-90099); the pair 11-12 names
  // record 1, "001 00002B", rated as type A: the same lines as type A's
  // case, 182.16 at 1000 pounds. Entries 7 to 9 (all ones) name no
  // adjustment records.
  start("efcrec\n  record type=N base=A lane-digits=01\nlettered tariff=TSTFRT01 letter=P record-size=30\n" +
        CombinedPoint("10000", "10099", 11) + CombinedPoint("90000", "90099", 12) +
        "lettered tariff=TSTFRT01 letter=I record-size=12\n" + PointPair(11, 11, 0) + PointPair(11, 12, 1) +
        "rates tariff=TSTFRT01\n  record number=00001 letter=B\n"
        "  record number=00002 letter=B entries=\"6500 2850 2420 1980 1560 0 0 16777215 16777215 16777215\"\n" +
        "lettered tariff=TSTFRT01 letter=Z\n" + std::string(kClassPercents));
  const RatedShipment a = rate(TwoLines());
  ExpectTheTwoLinesBilledAt1000Pounds(a, "     00002B");
  EXPECT_EQ(a.appliedMinimum(), 6500);
  ExpectNoDiscounts(a);
}

// A combined tariff whose rate record names .A record 0 (660 bytes),
// operations '1' for minimums and rates at the method's 5 decimals: 90
// percent of the minimums, 95 percent at 500 pounds and 90 at 1000.
std::string CombinedWithAdjustment(std::string_view laneLetter, std::string_view moreFiles) {
  return "efcrec\n  record type=N base=A lane-digits=01 lane=\"" + std::string(laneLetter) +
         "\"\nlettered tariff=TSTFRT01 letter=P record-size=30\n" + CombinedPoint("10000", "10099", 11) +
         CombinedPoint("90000", "90099", 12) + "lettered tariff=TSTFRT01 letter=I record-size=12\n" +
         PointPair(11, 11, 0) + PointPair(11, 12, 1) +
         "rates tariff=TSTFRT01\n  record number=00001 letter=B\n"
         "  record number=00002 letter=B entries=\"6500 2850 2420 1980 1560 0 0 0 16777215 16777215\"\n" +
         "list-adjustments tariff=TSTFRT01\n  adjustment number=00001 minimum-op=1 rate-op=1 minimum-value=90000 "
         "rate-values=\"0 95000 90000\" size=660\n" +
         std::string(moreFiles) + "lettered tariff=TSTFRT01 letter=Z\n" + std::string(kClassPercents);
}

TEST_F(PercentTypes, TypeNAppliesTheAdjustmentRecordsItsRateRecordNames) {
  // Minimum 6500 x 90000 = 5850; class 100 at 500 2420 x 95000 = 2299, at
  // 1000 1980 x 90000 = 1782. 900 pounds at break 1: 13794 + 300 x 1936 =
  // 5808: 19602; break 2: 600 x 1782 = 10692 + 300 x 1584 = 4752 + 100 x
  // 1584 = 1584: 17028, lower; break 3: 26832. Billed at 1000 pounds: 170.28.
  start(CombinedWithAdjustment(" ", ""));
  const RatedShipment a = rate(TwoLines());
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.billedWeight(), "001000");
  EXPECT_EQ(a.lineRate(0), "0017.82");
  EXPECT_EQ(a.lineCharge(0), "000106.92");
  EXPECT_EQ(a.lineRate(1), "0015.84");
  EXPECT_EQ(a.deficitCharge(), "000015.84");
  EXPECT_EQ(a.netCharge(), "0170.28");
  EXPECT_EQ(MinimumCharge(a, 0), 5850);
  EXPECT_EQ(RateItem(a, 4 + 1), 2299);
}

TEST_F(PercentTypes, TypeNWithAGlobalListAppliesTheListsEntriesAndItsOwnRecordsSortedTogether) {
  // Letter 'G': the lane ZONEA-ZONEC names .A record 1, adjustment 00009:
  // $1.00 more on the minimums and $5.00 at 1000 pounds for class 100. The
  // list, sorted, runs the tariff's own 00001 before it. Minimum 6500 x
  // 90000 = 5850 + 100 = 5950 (not (6500 + 100) x 90000 = 5940); class 100
  // at 500 2299, at 1000 1980 x 90000 = 1782 + 500 = 2282 (not 2232). 900
  // pounds at break 1: 600 x 2299 = 13794 + 300 x 1936 = 5808: 19602; break
  // 2: 600 x 2282 = 13692 + 4752 + 1584 = 20028, not lower; break 3: 600 x
  // 1560 = 9360 + 300 x 1248 = 3744 + 1100 x 1248 = 13728: 26832. Billed at
  // 900 pounds: 196.02.
  start(CombinedWithAdjustment(
      "G", R"(  adjustment number=00009 minimum-op=2 rate-op=2 minimum-value=100 rate-values="0 0 500" size=660
global-lanes tariff=TSTFRT01
  header sorted=Y adjustment-size=660
  index end=origin key=10001 codes=ZONEA
  index end=destination key=90001 codes=ZONEC
  lane origin=ZONEA destination=ZONEC record=1
)"));
  const RatedShipment a = rate(TwoLines());
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.rateBasis(), "     00002B");
  EXPECT_EQ(a.billedWeight(), "000900");
  EXPECT_EQ(a.lineRate(0), "0022.99");
  EXPECT_EQ(a.lineCharge(0), "000137.94");
  EXPECT_EQ(a.lineRate(1), "0019.36");
  EXPECT_EQ(a.lineCharge(1), "000058.08");
  EXPECT_EQ(a.deficitWeight(), "000000");
  EXPECT_EQ(a.grossCharge(), "000196.02");
  EXPECT_EQ(a.netCharge(), "0196.02");
  EXPECT_EQ(MinimumCharge(a, 0), 5950);
  EXPECT_EQ(RateItem(a, 4 + 1), 2299);
  EXPECT_EQ(RateItem(a, 4 + 2), 2282);
  EXPECT_EQ(RateItem(a, 4 + 4 + 2), 1584);
}

// --- One engine, two tariffs ---

TEST_F(PercentTypes, AlternatingTariffsRateEachWithItsOwnFiles) {
  // TSTFRT01 of type A (the two lines of type A's case, 182.16) and
  // TSTLTR02 of type F, files suffixed 02 (80 pounds of class 100, 22.80
  // raised to its minimum 45.00), rated in turn: each rating reads its own
  // tariff's records and factors, not those of the rating before.
  std::string first = Lane("type=A", 3) + std::string(kClassPercents) + RecordThree('B', "6500 2850 2420 1980 1560");
  std::string second =
      Lane("type=F", 0) + std::string(kClassPercents) + RecordThree('B', "6000 0 4500 0 2850 2420 1980 1560");
  second = second.substr(second.find("points"));
  for (std::size_t at; (at = second.find("TSTFRT01")) != std::string::npos;) second.replace(at, 8, "TSTLTR02");
  first.insert(first.find("\npoints"), "\n  record type=F name=TSTLTR02 suffix=02");
  for (std::size_t at = 0; (at = second.find("tariff=TSTLTR02", at)) != std::string::npos; at += 15)
    second.insert(at + 15, " suffix=02");
  start(first + second);
  for (int round = 0; round < 2; ++round) {
    RatedShipment a = rate(TwoLines());
    EXPECT_EQ(a.returnCode(), "    ");
    EXPECT_EQ(a.netCharge(), "0182.16");
    a = rate(ShipmentRequest{}.tariff("TSTLTR02").line(0, "100", "000080"));
    EXPECT_EQ(a.returnCode(), "    ");
    EXPECT_EQ(a.tariffUsed(), "TSTLTR02");
    EXPECT_EQ(a.netCharge(), "0045.00");
    EXPECT_EQ(a.lineCharge(0), "000022.80");
  }
}

// --- Types the engine does not rate ---

// Bureau tariffs ('Y') without a tariff to overlay, and type '2', which
// looks nothing up, answer 202 with no charges rather than a wrong charge.
class UnratedTypes : public PercentTypes, public ::testing::WithParamInterface<char> {};

TEST_P(UnratedTypes, Answer0202WithoutCharges) {
  if (GetParam() == '2') {
    // Types '0' to '7' take the digit format of the factor file.
    start(Lane("type=2", 3) + R"(
factor tariff=TSTFRT01
  sets numbers=1
  classes codes="100 70"
  breaks weights="2000 1000 500 0"
  class-factors
  break-factors
)" + RecordThree('B', "6500 2850 2420 1980 1560"));
  } else {
    startType(GetParam());
  }
  const RatedShipment a = rate(TwoLines());
  EXPECT_EQ(a.returnCode(), "0202");
  EXPECT_EQ(a.netCharge(), ShipmentRequest{}.text(113, 7));  // the request's bytes: no answer written
  EXPECT_EQ(a.lineCharge(0), "000000.00");
  EXPECT_EQ(a.appliedMinimum(), 0);
}

INSTANTIATE_TEST_SUITE_P(LetteredTypes, UnratedTypes, ::testing::Values('2', 'Y'),
                         [](const ::testing::TestParamInfo<char>& info) { return std::string("Type") + info.param; });

}  // namespace
}  // namespace vorn

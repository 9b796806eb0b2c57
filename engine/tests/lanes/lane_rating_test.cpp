// Whole ratings through the exports of a tariff whose lanes carry
// adjustments (point-number pairs, ZIP slots, zone pairs): a lane
// from 10001 (point 1) to 90001 (point 2) on a type-'A' tariff, checked
// field by field against the hand calculation in each test's comment. x p is
// (x x p + 5000) / 10000, truncated; a charge is (weight x rate + 50) / 100.
#include <gtest/gtest.h>

#include <string>

#include "ratings/rating_fixture.h"

namespace vorn {
namespace {

using testing::RatedShipment;
using testing::RatingThroughExports;
using testing::ShipmentRequest;

// Classes 100, 70 (80 percent) and 50 (65 percent, none of its own at 500)
// at breaks 0, 500, 1000 and 2000; rate record 3 of the matrix cell.
constexpr std::string_view kTariff = R"(
points tariff=TSTFRT01
  point low=10001 high=10099 number=1 addon=1
  point low=90001 high=90099 number=2 addon=2
matrix tariff=TSTFRT01
  pair a=1 b=2 value=3
lettered tariff=TSTFRT01 letter=Z
factor tariff=TSTFRT01
  section kind=1 classes="100 70 50" breaks="0 500 1000 2000"
  factor-line values="1 1 1 1"
  factor-line values="0.8 0.8 0.8 0.8"
  factor-line values="0.65 0 0.65 0.6"
rates tariff=TSTFRT01
  record number=00000 letter=B
  record number=00001 letter=B
  record number=00002 letter=B
  record number=00003 letter=B entries="6500 2850 2420 1980 1560"
)";

// From point 1 to points 2 and 3: adjustment 7, 90 percent of the minimums,
// 95 percent of the rates at 500 pounds and $5.00 more at 1000.
constexpr std::string_view kLaneAdjustments = R"(
point-pair-lanes tariff=TSTFRT01
  lane origin=1 low=2 high=3 record=7
  lane origin=2 low=5 high=9 record=8
)";
constexpr std::string_view kAdjustmentRecords = R"(
point-adjustments tariff=TSTFRT01
  adjustment number=8 shipment-op=2 shipment-value=100
  adjustment number=7 shipment-op=1 shipment-value=9000 break-ops=0120 break-values="0 9500 500"
)";

std::string Tariff(std::string_view adjustmentFiles, char laneLetter = 'Y') {
  return "efcrec\n  record type=A lane=\"" + std::string(1, laneLetter) + "\"\n" + std::string(kTariff) +
         std::string(adjustmentFiles);
}

ShipmentRequest TwoLines() {
  return ShipmentRequest{}.detailCount("02").line(0, "100", "000600").line(1, "70", "000300");
}

std::int32_t RateItem(const RatedShipment& a, std::size_t i) { return a.integer(976 + 4 * i); }
std::int32_t MinimumCharge(const RatedShipment& a, std::size_t i) { return a.integer(2032 + 4 * i); }

using PointPairLaneRatings = RatingThroughExports;

TEST_F(PointPairLaneRatings, TheLanesAdjustmentChangesRatesAndMinimums) {
  // Before the adjustment: class 100 2850 2420 1980 1560, class 70 x 8000
  // 2280 1936 1584 1248, class 50 1853 1853 1287 936. At 500: 2420 x 9500
  // = 2299, 1936 x 9500 = 1839, 1853 x 9500 = 1760; at 1000 + 500: 2480,
  // 2084, 1787. Minimum 6500 x 9000 = 5850.
  // 900 pounds is break 1: 600 x 2299 = 13794 + 300 x 1839 = 5517: 19311.
  // Break 2: 14880 + 6252 + 100 x 2084 = 23216, not lower; break 3: 9360 +
  // 3744 + 1100 x 1248 = 26832, not lower. Billed at 900 pounds: 193.11.
  start(Tariff(std::string(kLaneAdjustments) + std::string(kAdjustmentRecords)));
  const RatedShipment a = rate(TwoLines());
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.tariffUsed(), "TSTFRT01");
  EXPECT_EQ(a.rateBasis(), "     00003B");
  EXPECT_EQ(a.actualWeight(), "000900");
  EXPECT_EQ(a.billedWeight(), "000900");
  EXPECT_EQ(a.lineRate(0), "0022.99");
  EXPECT_EQ(a.lineCharge(0), "000137.94");
  EXPECT_EQ(a.lineRate(1), "0018.39");
  EXPECT_EQ(a.lineCharge(1), "000055.17");
  EXPECT_EQ(a.deficitWeight(), "000000");
  EXPECT_EQ(a.deficitCharge(), "000000.00");
  EXPECT_EQ(a.grossCharge(), "000193.11");
  EXPECT_EQ(a.netCharge(), "0193.11");
  EXPECT_EQ(RateItem(a, 0), 5850);
  EXPECT_EQ(MinimumCharge(a, 0), 5850);
  EXPECT_EQ(RateItem(a, 4 + 0), 2850);
  EXPECT_EQ(RateItem(a, 4 + 1), 2299);
  EXPECT_EQ(RateItem(a, 4 + 4 + 1), 1839);
  EXPECT_EQ(RateItem(a, 4 + 8 + 1), 1760);
  EXPECT_EQ(RateItem(a, 4 + 8 + 2), 1787);
  EXPECT_EQ(RateItem(a, 4 + 4 + 3), 1248);
}

TEST_F(PointPairLaneRatings, ALaneTheFileDoesNotListRatesUnadjusted) {
  // Point 1 to point 2 is not listed: the tariff's own rates, as without
  // lane adjustments: billed at 1000 pounds with a deficit, 182.16.
  start(Tariff(R"(
point-pair-lanes tariff=TSTFRT01
  lane origin=1 low=3 high=9 record=7
)" + std::string(kAdjustmentRecords)));
  const RatedShipment a = rate(TwoLines());
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.billedWeight(), "001000");
  EXPECT_EQ(a.netCharge(), "0182.16");
  EXPECT_EQ(RateItem(a, 0), 6500);
  EXPECT_EQ(RateItem(a, 4 + 1), 2420);
}

TEST_F(PointPairLaneRatings, AMissingLaneFileIsCode230) {
  start(Tariff(kAdjustmentRecords));
  EXPECT_EQ(rate(TwoLines()).returnCode(), "0230");
}

TEST_F(PointPairLaneRatings, AMissingAdjustmentFileIsCode231) {
  start(Tariff(kLaneAdjustments));
  EXPECT_EQ(rate(TwoLines()).returnCode(), "0231");
}

// ZIP slots (lane-adjustment letter 'C'): ZIP 10001 gives code 123 in slot
// 1, ZIP 90001 code 456 in slot 2; rate records 001 00000A to 001 99999Z
// take suffix 045. The pairs 123000, 123045, 456000 and 456045 are looked
// up in .A by their packed postal codes (a tariff of 2024): 123000 takes
// 90 percent of the minimums and of the rates at 500 pounds, 456045 adds
// $5.00 at 1000; the others have no records.
constexpr std::string_view kZipSlotFiles = R"(
zip-slot-lanes tariff=TSTFRT01
  header
  zip zip=10001 slot=1 code=123
  zip zip=90001 slot=2 code=456
  range low="001 00000A" high="001 99999Z" suffix=045
lane-pair-adjustments tariff=TSTFRT01
  adjustment pair=123000 shipment-op=1 shipment-value=9000 break-ops=01 break-values="0 9000"
  adjustment pair=456045 break-ops=002 break-values="0 0 500"
)";

TEST_F(PointPairLaneRatings, ZipSlotPercentagesCarryTwoDecimalsUntilTheEnd) {
  // At 500: 2420 x 90% = 2178.00, 1936 = 1742.40, 1853 = 1667.70, rounded
  // at the end: 2178, 1742, 1668. At 1000: 2480, 2084, 1787. Minimum 5850.
  // 900 pounds at break 1: 600 x 2178 = 13068 + 300 x 1742 = 5226: 18294.
  // Break 2: 14880 + 6252 + 2084 = 23216, not lower; break 3 26832.
  start(Tariff(kZipSlotFiles, 'C'));
  const RatedShipment a = rate(TwoLines());
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.billedWeight(), "000900");
  EXPECT_EQ(a.lineRate(0), "0021.78");
  EXPECT_EQ(a.lineCharge(0), "000130.68");
  EXPECT_EQ(a.lineRate(1), "0017.42");
  EXPECT_EQ(a.lineCharge(1), "000052.26");
  EXPECT_EQ(a.grossCharge(), "000182.94");
  EXPECT_EQ(a.netCharge(), "0182.94");
  EXPECT_EQ(RateItem(a, 0), 5850);
  EXPECT_EQ(RateItem(a, 4 + 0), 2850);
  EXPECT_EQ(RateItem(a, 4 + 8 + 1), 1668);
  EXPECT_EQ(RateItem(a, 4 + 2), 2480);
  EXPECT_EQ(RateItem(a, 4 + 4 + 2), 2084);
  EXPECT_EQ(RateItem(a, 4 + 8 + 2), 1787);
  EXPECT_EQ(RateItem(a, 4 + 3), 1560);
}

// Zone pairs (letters 'L' and 'A'): ZIPs 10000-10099 are zone AAA,
// 90000-90099 zone CCC; the pair AAACCC names adjustments 101, 102 and 550.
// Cell records hold a value per rate cell, cell 1 + class row x 4 + break.
constexpr std::string_view kZoneRanges = R"(
zone-pair-lanes tariff=TSTFRT01
  parameters text="* BRKS = 000* 500+ 999X"
  range low=10000 high=10099 codes=AAA
  range low=90000 high=90099 codes="BBB CCC"
  end
  parameters text="* LA_PCT = *"
  pair pair=AAACCC value=1010
  pair pair=AAACCC value=1020
  pair pair=AAACCC value=5500
  pair pair=CCCAAA value=6660
  trailer
)";
constexpr std::string_view kCellRecords = R"(
cell-adjustments tariff=TSTFRT01
  adjustment number=101 shipment-value=9000 cells="0 9500 0 0 0 9500"
  adjustment number=102 cells="0 9000"
  adjustment number=550 cells="0 0 500"
)";

using ZonePairLaneRatings = RatingThroughExports;

// The answer of the lanes below that combine 101 and 102 and add 550.
void ExpectZoneLaneCharges(const RatedShipment& a) {
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.tariffUsed(), "TSTFRT01");
  EXPECT_EQ(a.billedWeight(), "000900");
  EXPECT_EQ(a.lineRate(0), "0020.69");
  EXPECT_EQ(a.lineCharge(0), "000124.14");
  EXPECT_EQ(a.lineRate(1), "0018.39");
  EXPECT_EQ(a.lineCharge(1), "000055.17");
  EXPECT_EQ(a.deficitWeight(), "000000");
  EXPECT_EQ(a.grossCharge(), "000179.31");
  EXPECT_EQ(a.netCharge(), "0179.31");
  EXPECT_EQ(RateItem(a, 0), 5850);
  EXPECT_EQ(RateItem(a, 4 + 1), 2069);
  EXPECT_EQ(RateItem(a, 4 + 2), 2480);
  EXPECT_EQ(RateItem(a, 4 + 4 + 1), 1839);
  EXPECT_EQ(RateItem(a, 4 + 8 + 1), 1853);
}

TEST_F(ZonePairLaneRatings, LetterLCombinesThePercentagesOfItsRangeThenAddsTheAmounts) {
  // BRKS: 000-499 percentages, 500-998 amounts; LA_PCT '*' multiplies the
  // percentages of a range before they apply. Class 100 at 500: 9500 x 9000
  // = 8550, 2420 x 8550 = 2069; class 70 at 500: 1936 x 9500 = 1839; class
  // 100 at 1000: 1980 + 500 = 2480. Minimum 6500 x 9000 = 5850.
  // 900 pounds at break 1: 600 x 2069 = 12414 + 300 x 1839 = 5517: 17931.
  // Break 2: 600 x 2480 = 14880 + 300 x 1584 = 4752 + 100 x 1584: 21216,
  // not lower; break 3: 26832. Billed at 900 pounds: 179.31.
  start(Tariff(std::string(kZoneRanges) + std::string(kCellRecords), 'L'));
  ExpectZoneLaneCharges(rate(TwoLines()));
}

TEST_F(ZonePairLaneRatings, LetterAWithoutParametersTakesTheDefaultRangesOneRecordAtATime) {
  // No parameter lines and no LA_PCT: 000-499 percentages and 500-998
  // amounts, each record applied as it is read. Class 100 at 500: 2420 x
  // 9500 = 2299, then x 9000 = 2069; class 70 at 500: 1839; class 100 at
  // 1000: 2480; minimum 5850. The same charges as with letter 'L': 179.31.
  std::string lanes(kZoneRanges);
  for (const char* line : {"  parameters text=\"* BRKS = 000* 500+ 999X\"\n", "  parameters text=\"* LA_PCT = *\"\n"})
    lanes.erase(lanes.find(line), std::string_view(line).size());
  start(Tariff(lanes + std::string(kCellRecords), 'A'));
  const RatedShipment a = rate(TwoLines());
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.lineRate(0), "0020.69");
  EXPECT_EQ(a.lineRate(1), "0018.39");
  EXPECT_EQ(a.netCharge(), "0179.31");
  EXPECT_EQ(RateItem(a, 0), 5850);
  EXPECT_EQ(RateItem(a, 4 + 2), 2480);
}

TEST_F(ZonePairLaneRatings, LetterUFindsTheLaneByRangesOneRecordHoldingItReversed) {
  // Range lanes of mode 0 with the same parameters and cell records as the
  // letter-'L' lane: 102 and 550 from 10000-10099 to 90000-90099, 101 from
  // a record of 90000-90099 to 10000-10099 that holds both ways. Sorted:
  // 101, 102, 550, the charges of the letter-'L' lane: 179.31.
  start(Tariff(R"(
range-lanes tariff=TSTFRT01
  header mode=0 sorted=Y
  parameters text="* BRKS = 000* 500+ 999X"
  parameters text="* LA_PCT = *"
  lane origin-low=10000 origin-high=10099 destination-low=90000 destination-high=90099 field=102
  lane origin-low=10000 origin-high=10099 destination-low=90000 destination-high=90099 field=550
  lane both=Y origin-low=90000 origin-high=90099 destination-low=10000 destination-high=10099 field=101
)" + std::string(kCellRecords),
               'U'));
  ExpectZoneLaneCharges(rate(TwoLines()));
}

// Letter 'T' on a tariff of 2024: the zone pairs' numbers name no operator
// record; ZIPs 10000-10099 to 90000-90099 name percentage record 5 through
// .Q and .J, whose record numbers 7, 10008 and 10009 give hits 7 and 9:
// the lane's exception flags "01000000" drop 8.
constexpr std::string_view kPercentTables = R"(
percent-bases tariff=TSTFRT01
  header
  zip-range low=10000 high=10099
  zip-range low=90000 high=90099
percent-matrix tariff=TSTFRT01
  header
  pair origin=10000 destination=90000 record=5
percent-exceptions tariff=TSTFRT01
  header
  exception origin-low=10000 origin-high=10099 destination-low=90000 destination-high=90099 flags="100 0"
operator-adjustments tariff=TSTFRT01
  adjustment number=5 values="7 10008 10009"
  adjustment number=7 shipment-op=* shipment-value=9000 alternative-value=9000 rate-op=* values="0 9500"
  adjustment number=8 rate-op=* values="5000 5000 5000 5000"
  adjustment number=9 rate-op=+ values="0 0 500"
)";

TEST_F(ZonePairLaneRatings, LetterTTakesTheLanesPercentagesUnderItsExceptionFlags) {
  // Record 7: minimums of kind '1' x 9000 (its alternative value) = 5850,
  // rates at 500 x 9500: 2299, 1839, 1760; record 9: rates at 1000 + 500:
  // 2480, 2084, 1787 (record 8 would halve every rate). 900 pounds at break
  // 1: 600 x 2299 = 13794 + 300 x 1839 = 5517: 19311; break 2: 14880 + 6252
  // + 100 x 2084: 23216, not lower; break 3: 26832. Billed at 900: 193.11.
  start(Tariff(std::string(kZoneRanges) + std::string(kPercentTables), 'T'));
  const RatedShipment a = rate(TwoLines());
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.billedWeight(), "000900");
  EXPECT_EQ(a.lineRate(0), "0022.99");
  EXPECT_EQ(a.lineCharge(0), "000137.94");
  EXPECT_EQ(a.lineRate(1), "0018.39");
  EXPECT_EQ(a.lineCharge(1), "000055.17");
  EXPECT_EQ(a.grossCharge(), "000193.11");
  EXPECT_EQ(a.netCharge(), "0193.11");
  EXPECT_EQ(RateItem(a, 0), 5850);
  EXPECT_EQ(RateItem(a, 4 + 0), 2850);
  EXPECT_EQ(RateItem(a, 4 + 8 + 1), 1760);
  EXPECT_EQ(RateItem(a, 4 + 8 + 2), 1787);
  EXPECT_EQ(RateItem(a, 4 + 4 + 3), 1248);
}

TEST_F(ZonePairLaneRatings, AFloorOperatorRaisesTheNetChargeToItsCents) {
  // Record 9 also sets the floor, 25000 cents: the net of 193.11 is raised
  // to 250.00; the lines and the minimum stay as they were.
  std::string files(kPercentTables);
  files.replace(files.find("number=9 rate-op=+"), 18,
                "number=9 shipment-op=F shipment-value=25000 alternative-value=25000 rate-op=+");
  start(Tariff(std::string(kZoneRanges) + files, 'T'));
  const RatedShipment a = rate(TwoLines());
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.lineCharge(0), "000137.94");
  EXPECT_EQ(a.grossCharge(), "000193.11");
  EXPECT_EQ(a.netCharge(), "0250.00");
  EXPECT_EQ(RateItem(a, 0), 5850);
}

TEST_F(ZonePairLaneRatings, LetterTWithoutItsPercentageBasesIs0273) {
  std::string files(kPercentTables);
  files.erase(0, files.find("percent-matrix"));
  start(Tariff(std::string(kZoneRanges) + files, 'T'));
  EXPECT_EQ(rate(TwoLines()).returnCode(), "0273");
}

TEST_F(ZonePairLaneRatings, ASecondSetOnAPercentageTypeAdjustsBeforeThePercentagesAndOnceMore) {
  // Type 'G' (entries from 4, class percentages) with BRKS 000-499
  // percentages and BRK2 500-998 percentages. The fetch leaves the
  // percentages to the core: class 100 and class 70 2850 2420 1980 1560,
  // class 50 2850 2850 1980 1560. The first set applies 101: minimums
  // 4000 5500 3000 2500 x 9000 = 3600 4950 2700 2250, class 100 at 500
  // 2420 x 9500 = 2299; then the percentages: class 70 2280 1936 1584 1248,
  // class 50 1853 1853 1287 936. The second set applies 550: class 100 at
  // 1000 1980 x 9000 = 1782. 900 pounds at break 1: 600 x 2299 = 13794 +
  // 300 x 1936 = 5808: 19602; break 2: 600 x 1782 = 10692 + 300 x 1584 =
  // 4752 + 100 x 1584 = 1584: 17028, lower; break 3: 26832. Billed at 1000
  // pounds: 170.28, above the minimum of 900 pounds, 49.50.
  std::string tariff(kTariff);
  tariff.replace(tariff.find("6500 2850"), 9, "5500 3000 4000 2500 2850");
  tariff.replace(tariff.find("value=3"), 7, "value=0");  // the table method's cell
  start("efcrec\n  record type=G lane=L\n" + tariff + R"(
zone-pair-lanes tariff=TSTFRT01
  parameters text="* BRKS = 000* 500X"
  parameters text="* BRK2 = 500* 999X"
  range low=10000 high=10099 codes=AAA
  range low=90000 high=90099 codes=CCC
  end
  pair pair=AAACCC value=1010
  pair pair=AAACCC value=5500
cell-adjustments tariff=TSTFRT01
  adjustment number=101 shipment-value=9000 cells="0 9500"
  adjustment number=550 cells="0 0 9000"
)");
  const RatedShipment a = rate(TwoLines());
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.billedWeight(), "001000");
  EXPECT_EQ(a.lineRate(0), "0017.82");
  EXPECT_EQ(a.lineCharge(0), "000106.92");
  EXPECT_EQ(a.lineRate(1), "0015.84");
  EXPECT_EQ(a.lineCharge(1), "000047.52");
  EXPECT_EQ(a.deficitWeight(), "000100");
  EXPECT_EQ(a.deficitCharge(), "000015.84");
  EXPECT_EQ(a.netCharge(), "0170.28");
  EXPECT_EQ(MinimumCharge(a, 0), 3600);
  EXPECT_EQ(MinimumCharge(a, 1), 4950);
  EXPECT_EQ(MinimumCharge(a, 3), 2250);
  EXPECT_EQ(RateItem(a, 4 + 1), 2299);
  EXPECT_EQ(RateItem(a, 4 + 2), 1782);
  EXPECT_EQ(RateItem(a, 4 + 4 + 1), 1936);
  EXPECT_EQ(RateItem(a, 4 + 8 + 1), 1853);
  EXPECT_EQ(RateItem(a, 4 + 8 + 3), 936);
}

// The answer of the global lists below: 00001, then 00002.
void ExpectGlobalLaneCharges(const RatedShipment& a) {
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.billedWeight(), "000900");
  EXPECT_EQ(a.lineRate(0), "0022.99");
  EXPECT_EQ(a.lineCharge(0), "000137.94");
  EXPECT_EQ(a.lineRate(1), "0019.36");
  EXPECT_EQ(a.lineCharge(1), "000058.08");
  EXPECT_EQ(a.grossCharge(), "000196.02");
  EXPECT_EQ(a.netCharge(), "0196.02");
  EXPECT_EQ(RateItem(a, 0), 5850);
  EXPECT_EQ(RateItem(a, 4 + 2), 2480);
  EXPECT_EQ(RateItem(a, 4 + 4 + 1), 1936);
}

TEST_F(ZonePairLaneRatings, LetterGAppliesTheGlobalListToMinimumsThenRates) {
  // ZIP 10001 is zone ZONEA by the origin index, 90001 zones ZONEC and
  // ZONED by the destination index; the pairs name .A records 0 (00001)
  // and 1 (00002). Values at 4 decimals. Minimums (00001, '1'): 6500 x
  // 9000 = 5850. Rates by table position, class 100 first: 00001 ('1')
  // 10000 and 9500: 2850, 2420 x 9500 = 2299; 00002 ('2') adds 500 at
  // position 2: 1980 + 500 = 2480. Class 70 stays 2280 1936 1584 1248.
  // 900 pounds at break 1: 600 x 2299 = 13794 + 300 x 1936 = 5808: 19602;
  // break 2: 14880 + 4752 + 100 x 1584 = 1584: 21216, not lower; break 3:
  // 26832. Billed at 900 pounds: 196.02.
  start(Tariff(R"(
global-lanes tariff=TSTFRT01
  header adjustment-size=48
  index end=origin key=10001 codes=ZONEA
  index end=destination key=90001 codes="ZONEC ZONED"
  lane origin=ZONEA destination=ZONEC record=0
  lane origin=ZONEA destination=ZONED record=1
list-adjustments tariff=TSTFRT01
  adjustment number=00001 minimum-op=1 rate-op=1 minimum-value=9000 rate-values="10000 9500"
  adjustment number=00002 minimum-op=0 rate-op=2 rate-values="0 0 500"
)",
               'G'));
  ExpectGlobalLaneCharges(rate(TwoLines()));
}

// Tariff USTFRT01 of 2024, letter 'G': the lane section names .A record 0
// (00001) only; the percentage tables of the letter-'T' lane name record 5,
// whose own entry number is 0 and whose numbers 10001 and 10003 name
// records 1 (00002) and 3; the lane's exception flags "01000000" drop the
// second (it would halve every rate).
std::string TariffNamedU(bool withPercentageBases) {
  std::string tariff = Tariff(R"(
global-lanes tariff=TSTFRT01
  header adjustment-size=48
  index end=origin key=10001 codes=ZONEA
  index end=destination key=90001 codes=ZONEC
  lane origin=ZONEA destination=ZONEC record=0
list-adjustments tariff=TSTFRT01
  adjustment number=00001 minimum-op=1 rate-op=1 minimum-value=9000 rate-values="10000 9500"
  adjustment number=00002 minimum-op=0 rate-op=2 rate-values="0 0 500"
  adjustment number=00004
  adjustment number=00003 rate-op=1 rate-values="5000 5000 5000 5000"
  adjustment number=00005
  adjustment number=00090 rate-values="10001 10003"
)" + std::string(kPercentTables.substr(0, kPercentTables.find("operator-adjustments"))),
                              'G');
  if (!withPercentageBases)
    tariff.erase(tariff.find("percent-bases"), tariff.find("percent-matrix") - tariff.find("percent-bases"));
  for (std::size_t at; (at = tariff.find("TSTFRT01")) != std::string::npos;) tariff.replace(at, 8, "USTFRT01");
  return tariff.insert(tariff.find("lane=\"G\""), "name=USTFRT01 ");
}

TEST_F(ZonePairLaneRatings, LetterGOnATariffNameBeginningUAddsTheLanesPercentageEntries) {
  // The list is 00001, then 00002: the charges of the letter-'G' lane
  // above, 196.02 (class 100 at 500 2299, at 1000 2480; minimum 5850).
  start(TariffNamedU(true));
  const RatedShipment a = rate(TwoLines().tariff("USTFRT01"));
  EXPECT_EQ(a.tariffUsed(), "USTFRT01");
  ExpectGlobalLaneCharges(a);
}

TEST_F(ZonePairLaneRatings, LetterGOnATariffNameBeginningUWithoutItsPercentageBasesIs0273) {
  start(TariffNamedU(false));
  EXPECT_EQ(rate(TwoLines().tariff("USTFRT01")).returnCode(), "0273");
}

TEST_F(ZonePairLaneRatings, AnotherLetterOpensNoLaneFiles) {
  // A blank letter, like any letter but L, Y, C, T, U, A and G, names no
  // lane adjustments: a lane list that is none is not read, and the
  // tariff's own rates hold (182.16, as unadjusted).
  start(Tariff("lettered tariff=TSTFRT01 letter=L\n  raw text=\"no list\"\n", ' '));
  const RatedShipment a = rate(TwoLines());
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.netCharge(), "0182.16");
}

TEST_F(ZonePairLaneRatings, AListThatIsNoLaneListIs0232) {
  start(
      Tariff("lettered tariff=TSTFRT01 letter=L\n  raw text=\"1000010099AAA\\n\"\n" + std::string(kCellRecords), 'L'));
  EXPECT_EQ(rate(TwoLines()).returnCode(), "0232");
}

}  // namespace
}  // namespace vorn

namespace vorn {
namespace {

using testing::RatedShipment;
using testing::RatingThroughExports;
using testing::ShipmentRequest;

using BureauRatings = RatingThroughExports;

// TSTFRT01 of kind 1 is a bureau tariff (type 'Y', its files with suffix
// 01): its rate record of the lane (matrix value 0 plus the points' add-ons
// 1 and 2: record 3) gives 0 for the minimums, 9500 for breaks 0 to 5 and
// 0 from break 6. TSTFRT01 of kind 2 is the type-'A' tariff it overlays,
// with 1600 at 1000 pounds.
std::string BureauTariff(std::string_view baseType = "A") {
  std::string base(kTariff);
  base.replace(base.find("1980"), 4, "1600");
  // The two records of the name disagree: the base's blocks say what they are.
  base.insert(base.find("matrix tariff=TSTFRT01") + 22, " cells=16");
  base.insert(base.find("rates tariff=TSTFRT01") + 21, " type=A");
  base.insert(base.find("factor tariff=TSTFRT01") + 22, " type=A");
  for (std::size_t at = base.find("tariff=TSTFRT01"); at != std::string::npos;
       at = base.find("tariff=TSTFRT01", at + 1))
    base.insert(at + 15, " suffix=00");
  return "efcrec\n  record type=Y suffix=01\n  record type=" + std::string(baseType) + " kind=2 suffix=00\n" + base +
         R"(
points tariff=TSTFRT01 suffix=01
  point low=10001 high=10099 number=1 addon=1
  point low=90001 high=90099 number=2 addon=2
matrix tariff=TSTFRT01 suffix=01 cells=16
  pair a=1 b=2 value=0
rates tariff=TSTFRT01 suffix=01 type=Y
  record number=00000 letter=B
  record number=00001 letter=B
  record number=00002 letter=B
  record number=00003 letter=B entries="0 9500 0"
)";
}

TEST_F(BureauRatings, TheBureausPercentagesRateItsBaseTariff) {
  // One line of class 100 at 1000 pounds, break 2: 1600 x 9500 = 1520,
  // 1000 x 1520 = 152.00. Break 3: 1560 x 9500 = 1482 at 2000 pounds,
  // 296.40, not lower. The minimum stays 6500 (its percentage is 0).
  start(BureauTariff());
  const RatedShipment a = rate(ShipmentRequest{}.detailCount("01").line(0, "100", "001000"));
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.tariffUsed(), "TSTFRT01");
  EXPECT_EQ(a.rateBasis(), "     00003B");
  EXPECT_EQ(a.billedWeight(), "001000");
  EXPECT_EQ(a.lineRate(0), "0015.20");
  EXPECT_EQ(a.lineCharge(0), "000152.00");
  EXPECT_EQ(a.deficitWeight(), "000000");
  EXPECT_EQ(a.netCharge(), "0152.00");
  EXPECT_EQ(RateItem(a, 0), 6500);
  EXPECT_EQ(RateItem(a, 4 + 2), 1520);
}

TEST_F(BureauRatings, ABureauOverABureauIs0202AndALaneOutsideTheBureauItsCode) {
  start(BureauTariff("Y"));
  EXPECT_EQ(rate(ShipmentRequest{}.detailCount("01").line(0, "100", "001000")).returnCode(), "0202");
  start(BureauTariff());
  const RatedShipment outside = rate(ShipmentRequest{}.destination("80001").detailCount("01").line(0, "100", "001000"));
  EXPECT_EQ(outside.returnCode(), "0217");
}

}  // namespace
}  // namespace vorn

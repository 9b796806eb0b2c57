// The lane's minimum charges: the .M record found by the rate record's head,
// the layouts 1 to 10 it gives, the ZIP-pair record that wins over both
// sources, the weight and distance tier amounts and the kind factor, over
// files the data-set builder writes.
#include "minimums/minimum_charges.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "minimums/lane_minimums.h"
#include "minimums/minimum_file.h"
#include "minimums/tier_amounts.h"
#include "rates/rate_file.h"
#include "rates/tariff_data_fixture.h"

namespace vorn {
namespace {

using testing::TariffData;

class Minimums : public TariffData {
 protected:
  // The tariff (type 0 unless the description says otherwise) with an empty
  // .Z file, and rate record 0 of its rate file read.
  void lane(const std::string& description, std::string_view efcrec = "efcrec\n  record\n") {
    load(std::string(efcrec) + description + "\nlettered tariff=TSTFRT01 letter=Z\n");
    route("10001 ", "20001 ");
    ReadRateRecordAt(engine_, rating_, 0, CurrentRateRecordLength(engine_));
  }
  void head(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i)
      rating_.rates.rateRecord.setByte(i, static_cast<std::uint8_t>(text[i]));
  }
  // More files of the tariff, written apart from its EFCREC record.
  void more(std::string description) {
    for (std::size_t at = 0; (at = description.find("tariff=TSTFRT01", at)) != std::string::npos; at += 15)
      description.insert(at + 15, " suffix=01");
    add(description);
  }
  std::uint32_t m(std::size_t i) const { return rating_.minimumRecord.entry(i); }
  std::filesystem::path file(std::string_view name) const { return data_.path() / std::string(name); }
  void write(std::string_view name, const std::string& bytes) const {
    std::ofstream(file(name), std::ios::binary) << bytes;
  }
};

constexpr std::string_view kMinimumFile = R"(
minimums tariff=TSTFRT01
  header entries=8 groups=2 mode=A
  minimum key="001 00001A" values="1100 1200 1300 1400"
  minimum key="001 00003A" values="3100 3200 3300 3400"
  minimum key="002 00001A" values="9100"
)";

TEST_F(Minimums, TheRecordIsTheFirstWhoseKeyDoesNotSortBelowTheRateRecordsHead) {
  lane("rates tariff=TSTFRT01\n  record group=001 number=00002 letter=A\n" + std::string(kMinimumFile));
  const MinimumFileHeader h = ReadMinimumRecord(engine_, rating_);
  EXPECT_EQ(h.entryCount, 8u);
  EXPECT_EQ(h.groupCount, 2u);
  EXPECT_EQ(h.mode, 'A');
  EXPECT_EQ(m(0), 3100u);  // "001 00003A", the first key not below "001 00002A"
  EXPECT_EQ(m(3), 3400u);
  EXPECT_FALSE(engine_.files.isOpen('M'));  // closed after the read
  head("001 00003A");
  ReadMinimumRecord(engine_, rating_);
  EXPECT_EQ(m(0), 3100u);  // an equal key is found
  head("002 00002A");
  EXPECT_EQ(Raised([&] { ReadMinimumRecord(engine_, rating_); }), 226);  // beyond the last key
  // Type A with point-file flag M compares the first 5 bytes: "002 0" finds "002 00001A".
  engine_.currentTariff.tariffType = 'A';
  engine_.currentTariff.flag45 = 'M';
  EXPECT_EQ(ReadMinimumRecord(engine_, rating_).entryCount, 8u);
  EXPECT_EQ(m(0), 9100u);
  // A mode letter other than A and B is no mode.
  head("001 00000A");
  more("minimums tariff=TSTFRT01\n  header entries=2 mode=X groups=3\n  minimum key=\"001 00000A\"\n");
  EXPECT_EQ(ReadMinimumRecord(engine_, rating_).mode, ' ');
}

TEST_F(Minimums, AMissingShortOrMalformedFileIsItsCode) {
  lane("rates tariff=TSTFRT01\n  record group=001 number=00002 letter=A\n");
  EXPECT_EQ(Raised([&] { ReadMinimumRecord(engine_, rating_); }), 225);  // no .M file
  write("TSTFRT01.M01", std::string(21, ' '));
  EXPECT_EQ(Raised([&] { ReadMinimumRecord(engine_, rating_); }), 226);  // shorter than the header's 22 bytes
  more(std::string(kMinimumFile));
  std::filesystem::resize_file(file("TSTFRT01.M01"), 34 + 34 + 20);  // the second record cut short
  EXPECT_EQ(Raised([&] { ReadMinimumRecord(engine_, rating_); }), 226);
  // A header that counts no entries, or more than the record area holds.
  std::string header(22, '\0');
  header.replace(0, 10, "         A");
  write("TSTFRT01.M01", header + std::string(40, 'z'));
  EXPECT_EQ(Raised([&] { ReadMinimumRecord(engine_, rating_); }), 226);
  header[10] = static_cast<char>(129);
  write("TSTFRT01.M01", header + std::string(4000, 'z'));
  EXPECT_EQ(Raised([&] { ReadMinimumRecord(engine_, rating_); }), 226);
  EXPECT_FALSE(engine_.files.isOpen('M'));
}

TEST_F(Minimums, LayoutsOneToFourTakeTheRecordsFirstEntries) {
  lane("rates tariff=TSTFRT01\n  record group=001 number=00002 letter=A\n" + std::string(kMinimumFile));
  LaneMinimums l = MinimumsFromMinimumFile(engine_, rating_, 2);
  EXPECT_EQ(l.count, 4);
  EXPECT_EQ(l.amounts, (std::array<std::int32_t, 4>{3100, 3200, 3300, 3400}));
  l = MinimumsFromMinimumFile(engine_, rating_, 3);
  EXPECT_EQ(l.count, 2);
  EXPECT_EQ(l.amounts, (std::array<std::int32_t, 4>{3100, 3200, 0, 0}));
  EXPECT_FALSE(engine_.fetch.tierSwitchOn(engine_.currentTariff));
  l = MinimumsFromMinimumFile(engine_, rating_, 1);
  EXPECT_EQ(l.count, 4);
  EXPECT_EQ(l.amounts[3], 3400);
  EXPECT_TRUE(engine_.fetch.tierSwitchOn(engine_.currentTariff));  // layout 1 turns the tariff's tier switch on
  CurrentTariff other = engine_.currentTariff;
  other.kind = 2;
  EXPECT_FALSE(engine_.fetch.tierSwitchOn(other));
  l = MinimumsFromMinimumFile(engine_, rating_, 9);
  EXPECT_EQ(l.layout, 9);
  EXPECT_EQ(l.count, 0);
}

TEST_F(Minimums, LayoutFiveListsThresholdPairsAndDropsEqualSingleShipmentItems) {
  lane(R"(rates tariff=TSTFRT01
  record
minimums tariff=TSTFRT01
  header entries=8
  minimum key="001 00000A" values="2 100 500 4000 6000 4500 6000"
  minimum key="001 00001A" values="2 100 500 4000 6000 4000 6000"
)");
  // k = 2: '1' items at 100 and 500 of entries 3 and 4; '0' items of entries 5 and 6.
  LaneMinimums l = MinimumsFromMinimumFile(engine_, rating_, 5);
  EXPECT_EQ(l.layout, 5);
  ASSERT_EQ(l.count, 4);
  EXPECT_EQ(std::string(l.list.kinds.data(), 5), "1100 ");
  EXPECT_EQ(l.list.thresholds[1], 500);
  EXPECT_EQ(l.list.thresholds[3], 500);
  EXPECT_EQ(l.list.amounts[0], 4000);
  EXPECT_EQ(l.list.amounts[2], 4500);
  const MinimumChargeList laid = LayOutMinimums(l);
  EXPECT_EQ(laid.count, 4);
  EXPECT_EQ(laid.layout, 5);
  // Every single-shipment amount equal to its minimum: the '1' items alone.
  head("001 00001A");
  l = MinimumsFromMinimumFile(engine_, rating_, 5);
  EXPECT_EQ(l.count, 2);
  EXPECT_EQ(std::string(l.list.kinds.data(), 3), "11 ");
  EXPECT_EQ(l.list.amounts[2], 0);
}

TEST_F(Minimums, DistanceMinimumsScaleTheRecordsBaseAmountByGroup) {
  // Groups: (15000, floor 2000, cap 0) at 0; (500, 12000, 0, cap 1200); a
  // third at threshold 0, skipped; then the class percentages 9000 8000; the
  // last entry is the base 5000.
  lane(R"(rates tariff=TSTFRT01
  record entries="6 1000"
minimums tariff=TSTFRT01
  header entries=14 groups=3 mode=A
  minimum key="001 00000A" values="15000 2000 0 500 12000 0 1200 0 9999 0 0 9000 8000 5000"
)");
  rating_.rates.origin.addOn = 25;
  rating_.rates.destination.addOn = 35;
  rating_.core.classCount = 1;
  rating_.core.breakCount = 2;
  // Mode A: x = 1000 + (35 x 5000 + 5000) / 10000 + (25 x 5000 + 5000) / 10000 = 1000 + 18 + 13 = 1031.
  LaneMinimums l = MinimumsFromMinimumFile(engine_, rating_, 6);
  EXPECT_EQ(rating_.rates.rateRecord.entry(1), 1031u);
  ASSERT_EQ(l.count, 2);
  EXPECT_EQ(l.list.amounts[0], 2000);  // (15000 x 1031 + 5000) / 10000 = 1547, raised to the floor
  EXPECT_EQ(l.list.thresholds[1], 500);
  EXPECT_EQ(l.list.amounts[1], 1200);  // (12000 x 1031 + 5000) / 10000 = 1237, lowered to the cap
  EXPECT_EQ(std::string(l.list.kinds.data(), 3), "11 ");
  EXPECT_EQ((std::array{engine_.factors.classPercent[0][0], engine_.factors.classPercent[0][1],
                        engine_.factors.classPercent[0][2]}),
            (std::array<std::int32_t, 3>{9000, 8000, 0}));

  // No mode: two groups whatever the header says, and the add-ons added as
  // they stand, 1000 + 60.
  more(R"(minimums tariff=TSTFRT01
  header entries=10 groups=7
  minimum key="001 00000A" values="10000 0 0 300 20000 0 0 9000 8000 5000"
)");
  ReadRateRecordAt(engine_, rating_, 0, 526);
  l = MinimumsFromMinimumFile(engine_, rating_, 6);
  EXPECT_EQ(rating_.rates.rateRecord.entry(1), 1060u);
  ASSERT_EQ(l.count, 2);
  EXPECT_EQ(l.list.amounts[0], 1060);
  EXPECT_EQ(l.list.amounts[1], 2120);
}

TEST_F(Minimums, AZipPairRecordWinsOverTheFileWhichWinsOverTheRateRecord) {
  lane(
      "rates tariff=TSTFRT01\n  record group=001 number=00002 letter=A entries=\"2 11 12 13\"\n  record entries=\"5000 "
      "1 2 3\"\n" +
      std::string(kMinimumFile));
  // Entry 0 = 2: layout 2 of the .M record; above 10 it is the minimum itself.
  LaneMinimums l = LaneMinimumCharges(engine_, rating_);
  EXPECT_EQ(l.layout, 2);
  EXPECT_EQ(l.amounts[0], 3100);
  ReadRateRecordAt(engine_, rating_, 1, 526);
  l = LaneMinimumCharges(engine_, rating_);
  EXPECT_EQ(l.layout, 0);
  EXPECT_EQ(l.count, 1);
  EXPECT_EQ(l.amounts[0], 5000);
  ReadRateRecordAt(engine_, rating_, 0, 526);
  more(R"(zip-pairs tariff=TSTFRT01
  pair origin-low=10000 origin-high=10099 destination-low=20000 destination-high=20099 layout=3 count=2 flag=* amount0=1500 amount1=2500
  pair origin-low=30000 origin-high=30099 destination-low=40000 destination-high=40099 layout=4 count=2 flag=M
  pair origin-low=50000 origin-high=50099 destination-low=60000 destination-high=60099 layout=9 count=x flag=R
)");
  l = LaneMinimumCharges(engine_, rating_);
  EXPECT_EQ(l.layout, 3);
  EXPECT_EQ(l.count, 2);
  EXPECT_EQ(l.amounts, (std::array<std::int32_t, 4>{1500, 2500, 0, 0}));
  route("30001 ", "40001 ");
  l = LaneMinimumCharges(engine_, rating_);  // the .M record's entries
  EXPECT_EQ(l.layout, 4);
  EXPECT_EQ(l.amounts, (std::array<std::int32_t, 4>{3100, 3200, 3300, 3400}));
  route("50001 ", "60001 ");
  l = LaneMinimumCharges(engine_,
                         rating_);  // the rate record's; a layout or count that is no digit it knows is 0 and 1
  EXPECT_EQ(l.layout, 0);
  EXPECT_EQ(l.count, 1);
  EXPECT_EQ(l.amounts, (std::array<std::int32_t, 4>{2, 11, 12, 13}));
  std::filesystem::remove(file("TSTFRT01.Z01"));
  EXPECT_EQ(Raised([&] { LaneMinimumCharges(engine_, rating_); }), 205);
}

// A 384-byte tier table whose entry i is 1000 + i.
std::string TierTable() {
  std::string bytes;
  for (std::uint32_t i = 0; i < 128; ++i)
    for (int k = 0; k < 3; ++k) bytes.push_back(static_cast<char>((1000 + i) >> (8 * k) & 0xFF));
  return bytes;
}

TEST_F(Minimums, TypeSevenTakesDistanceTierAmountsFromTheTierTable) {
  lane("rates tariff=TSTFRT01\n  record head=\"001 00900A\" entries=\"0 5000\"\n", "efcrec\n  record type=7\n");
  write("TSTFRT01.M01", TierTable());
  // Distance 900 between numeric codes is band 2; column 0: entry (tier + 8) x 4.
  LaneMinimums l = LaneMinimumCharges(engine_, rating_);
  EXPECT_EQ(l.layout, 1);
  EXPECT_EQ(l.count, 3);
  EXPECT_EQ(l.amounts, (std::array<std::int32_t, 4>{1032, 1036, 1040, 1044}));
  // A Canadian origin puts 900 in band 3: (0 + 12) x 4 = 48; column '2' adds one.
  route("K1A0B1", "20001 ");
  engine_.fetch.distanceColumn = '2';
  EXPECT_EQ(DistanceTierAmount(engine_, rating_, 150), 1049);
  engine_.fetch.distanceColumn = '5';
  EXPECT_EQ(DistanceTierAmount(engine_, rating_, 150), 0);  // no such column
  engine_.fetch.distanceColumn = '1';
  std::filesystem::resize_file(file("TSTFRT01.M01"), 383);
  engine_.files.close('M');
  EXPECT_EQ(Raised([&] { LaneMinimumCharges(engine_, rating_); }), 226);
  engine_.files.close('M');
  std::filesystem::remove(file("TSTFRT01.M01"));
  EXPECT_EQ(Raised([&] { LaneMinimumCharges(engine_, rating_); }), 225);
}

TEST(DistanceBands, ADistanceBetweenTwoPublishedBandsBelongsToTheLowerOne) {
  const std::vector<int> bands{DistanceBand(529, false),  DistanceBand(785, true),  DistanceBand(790, false),
                               DistanceBand(5000, false), DistanceBand(790, true),  DistanceBand(1025, true),
                               DistanceBand(1205, true),  DistanceBand(1395, true), DistanceBand(1605, true),
                               DistanceBand(1610, true)};
  EXPECT_EQ(bands, (std::vector<int>{0, 1, 2, 2, 3, 3, 4, 5, 6, 7}));
}

TEST_F(Minimums, WeightTierAmountsFollowTheTierSwitchAndTheSingleShipmentFlag) {
  lane("rates tariff=TSTFRT01\n  record entries=\"100 101 102 103\"\n");
  EXPECT_EQ(WeightTierAmount(engine_, rating_, 150), 100);  // switch off: from 100 pounds e(0)
  EXPECT_EQ(WeightTierAmount(engine_, rating_, 99), 102);   // below e(2)
  rating_.request.methodFlag = 'Y';                         // a single shipment
  EXPECT_EQ(WeightTierAmount(engine_, rating_, 150), 103);
  EXPECT_EQ(WeightTierAmount(engine_, rating_, 99), 101);
  engine_.fetch.tierSwitchTariff = engine_.currentTariff;
  EXPECT_EQ(WeightTierAmount(engine_, rating_, 199), 100);  // tiers below 200, 300, 400 and from 400
  EXPECT_EQ(WeightTierAmount(engine_, rating_, 250), 101);
  EXPECT_EQ(WeightTierAmount(engine_, rating_, 399), 102);
  EXPECT_EQ(WeightTierAmount(engine_, rating_, 400), 103);
}

TEST_F(Minimums, TypeCTakesTheFirstMinimumTimesItsKindsFactorRoundedToFive) {
  lane("rates tariff=TSTFRT01\n  record letter=B entries=\"4321\"\n  record letter=Z entries=\"4321\"\n",
       "efcrec\n  record type=C\n");
  engine_.factors.factorRows[6][0] = 10500;  // the minimum factor row of kind B
  // (4321 x 10500 + 5000) / 10000 = 4537; (4537 + 2) / 5 x 5 = 4535.
  EXPECT_EQ(MinimumWithKindFactor(engine_, rating_), 4535);
  const LaneMinimums l = LaneMinimumCharges(engine_, rating_);
  EXPECT_EQ(l.amounts[0], 4535);
  EXPECT_EQ(l.count, 1);
  ReadRateRecordAt(engine_, rating_, 1, 40);  // kind Z has no factor: 4321 rounds to 4320
  EXPECT_EQ(MinimumWithKindFactor(engine_, rating_), 4320);
}

}  // namespace
}  // namespace vorn

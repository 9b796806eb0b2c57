// The application of a lane's hits to the rate matrix and the minimum
// charges, over .A files written here, with the amounts worked by hand.
#include "lanes/apply_lane_adjustments.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "lanes/adjustment_file.h"
#include "platform/kernel/file.h"
#include "platform/testing/temp_directory.h"

namespace vorn {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutU16(Bytes& r, std::size_t at, std::uint16_t v) {
  r[at] = static_cast<std::uint8_t>(v & 0xff);
  r[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void PutText(Bytes& r, std::size_t at, std::string_view text) { std::memcpy(r.data() + at, text.data(), text.size()); }

// A 32-byte point record: operators and values for the shipment and each break.
Bytes PointRecord(std::uint16_t number, char shipmentOp, std::uint16_t shipmentValue, std::string_view breakOps,
                  std::vector<std::uint16_t> breakValues) {
  Bytes r(32, 0);
  PutU16(r, 0, number);
  r[2] = static_cast<std::uint8_t>(shipmentOp);
  std::memset(r.data() + 3, '0', 9);
  PutText(r, 3, breakOps);
  PutU16(r, 12, shipmentValue);
  for (std::size_t j = 0; j < breakValues.size(); ++j) PutU16(r, 14 + 2 * j, breakValues[j]);
  return r;
}

// A 33-byte lane-pair record keyed by its packed pair.
Bytes LanePairRecord(std::array<std::uint8_t, 3> key, char shipmentOp, std::uint16_t shipmentValue,
                     std::string_view breakOps, std::vector<std::uint16_t> breakValues) {
  Bytes r(33, 0);
  std::memcpy(r.data(), key.data(), 3);
  r[3] = static_cast<std::uint8_t>(shipmentOp);
  std::memset(r.data() + 4, '0', 9);
  PutText(r, 4, breakOps);
  PutU16(r, 13, shipmentValue);
  for (std::size_t j = 0; j < breakValues.size(); ++j) PutU16(r, 15 + 2 * j, breakValues[j]);
  return r;
}

// A 350-byte operator record.
Bytes OperatorRecord(std::uint16_t number, char shipmentOp, std::uint16_t shipmentValue, std::uint16_t alternative,
                     char breakOp, std::vector<std::uint16_t> breakValues) {
  Bytes r(350, 0);
  PutU16(r, 0, number);
  r[2] = static_cast<std::uint8_t>(shipmentOp);
  r[3] = static_cast<std::uint8_t>(breakOp);
  PutU16(r, 4, shipmentValue);
  PutU16(r, 6, alternative);
  for (std::size_t j = 0; j < breakValues.size(); ++j) PutU16(r, 8 + 2 * j, breakValues[j]);
  return r;
}

// A 347-byte record of one value for the shipment and one per cell.
Bytes CellRecord(std::string_view number, std::uint16_t shipmentValue, std::vector<std::uint16_t> cells) {
  Bytes r(347, 0);
  PutText(r, 0, number);
  PutU16(r, 3, shipmentValue);
  for (std::size_t i = 0; i < cells.size(); ++i) PutU16(r, 5 + 2 * i, cells[i]);
  return r;
}

// An .A file of the records, opened for the application.
class AdjustmentsOnDisk {
 public:
  explicit AdjustmentsOnDisk(const std::vector<Bytes>& records) {
    Bytes all;
    for (const Bytes& r : records) all.insert(all.end(), r.begin(), r.end());
    file_ = platform::File::OpenReadOnly(dir_.write("TARIFF.A00", all).string());
    adjustments_.emplace(*file_);
  }
  const AdjustmentFile* get() const { return &*adjustments_; }

 private:
  platform::testing::TempDirectory dir_;
  std::optional<platform::File> file_;
  std::optional<AdjustmentFile> adjustments_;
};

// Two classes at three breaks and four minimum charges.
struct Pass {
  std::array<std::int32_t, 6> rates{1000, 800, 600, 2000, 1600, 1200};
  std::array<std::int32_t, 4> minimums{5000, 0, 0, 0};
  LaneAdjustmentWork work;
  LaneTariffFacts tariff{'L', 202406};
  int recordMinimums = 1;
  char firstKind = '1';
  bool kindSix = false;

  int apply(const AdjustmentsOnDisk& a) {
    return ApplyLaneAdjustments(work, a.get(), RateGrid{rates, 2, 3},
                                MinimumChargeAmounts{minimums, 4, recordMinimums, firstKind, kindSix}, tariff);
  }
  void valueHits(LaneAdjustmentType type, std::vector<std::uint16_t> values) {
    work.type = type;
    for (std::size_t i = 0; i < values.size(); ++i) work.hits.values[i].value = values[i];
    work.hits.count = static_cast<std::int16_t>(values.size());
  }
  void numberHits(std::vector<std::string> numbers) {
    work.type = LaneAdjustmentType::kZoneText;
    for (std::size_t i = 0; i < numbers.size(); ++i)
      std::memcpy(work.hits.numbers[i].number.data(), numbers[i].data(), 3);
    work.hits.count = static_cast<std::int16_t>(numbers.size());
  }
};

TEST(LaneAdjustmentOperations, ZeroRatesAndZeroValuesStayAsTheyAre) {
  std::uint16_t floor = 0;
  for (char op : {'1', '2'}) {
    EXPECT_EQ(ApplyPointAdjustment(0, 9500, op), 0);
    EXPECT_EQ(ApplyPointAdjustment(1234, 0, op), 1234);
    EXPECT_EQ(ApplyLanePairAdjustment(0, 9500, op, 10, 1, false), 0);
    EXPECT_EQ(ApplyLanePairAdjustment(1234, 0, op, 10, 1, false), 1234);
  }
  for (char op : {'*', '+', '-', 'F'}) {
    EXPECT_EQ(ApplyOperatorAdjustment(0, 9500, op, floor), 0);
    EXPECT_EQ(ApplyOperatorAdjustment(1234, 0, op, floor), 1234);
  }
  EXPECT_EQ(floor, 0);
  EXPECT_EQ(ApplyCombinedAdjustment(0, 9500, true), 0);
  EXPECT_EQ(ApplyCombinedAdjustment(1234, 0, false), 1234);
}

TEST(LaneAdjustmentOperations, FactorsAmountsAndTheFloor) {
  EXPECT_EQ(ApplyPointAdjustment(1000, 10000, '1'), 1000);
  EXPECT_EQ(ApplyPointAdjustment(1000, 9500, '1'), 950);
  EXPECT_EQ(ApplyPointAdjustment(1000, 25, '2'), 1025);
  EXPECT_EQ(ApplyPointAdjustment(1000, 25, '9'), 1000);
  std::uint16_t floor = 0;
  EXPECT_EQ(ApplyOperatorAdjustment(1005, 9000, '*', floor), 905);  // 904.5 rounds up
  EXPECT_EQ(ApplyOperatorAdjustment(1000, 40, '-', floor), 960);
  EXPECT_EQ(ApplyOperatorAdjustment(1000, 7500, 'F', floor), 1000);
  EXPECT_EQ(floor, 7500);
  EXPECT_EQ(ApplyCombinedAdjustment(1000, 30, false), 1030);
  // A factor on the largest rate holds at the 32-bit limit.
  EXPECT_EQ(ApplyPointAdjustment(2'000'000'000, 60000, '1'), 2147483647);
}

TEST(LaneAdjustmentOperations, LanePairFactorRuleChangesInAugust2001) {
  // Before: (9505 / 10) x 1005 / 10 = 95475 (two extra decimals, truncated).
  EXPECT_EQ(ApplyLanePairAdjustment(1005, 9505, '1', 10, 1, true), 95475);
  // From then: (9505 x 1005 + 50) / 100 = 95525.
  EXPECT_EQ(ApplyLanePairAdjustment(1005, 9505, '1', 10, 1, false), 95525);
  // At two extra decimals: (9500 x 90450 + 5000) / 10000 = 85928.
  EXPECT_EQ(ApplyLanePairAdjustment(90450, 9500, '1', 1000, 100, false), 85928);
  EXPECT_EQ(ApplyLanePairAdjustment(90450, 25, '2', 1000, 100, false), 92950);
  // The truncating rule on a large rate needs more than 32 bits.
  EXPECT_EQ(ApplyLanePairAdjustment(2'500'000, 6553, '1', 10, 1, true), 163'750'000);
}

TEST(LaneAdjustmentApplication, NothingToApplyWithoutFileOrHits) {
  Pass pass;
  pass.valueHits(LaneAdjustmentType::kPointPairs, {7});
  EXPECT_EQ(ApplyLaneAdjustments(pass.work, nullptr, RateGrid{pass.rates, 2, 3},
                                 MinimumChargeAmounts{pass.minimums, 4, 1, '1', false}, pass.tariff),
            1);
  AdjustmentsOnDisk a({PointRecord(7, '1', 9000, "1", {9500})});
  pass.work.hits.count = 0;
  EXPECT_EQ(pass.apply(a), 1);
  EXPECT_EQ(pass.rates[0], 1000);
  EXPECT_EQ(pass.minimums[0], 5000);
}

TEST(LaneAdjustmentApplication, PointRecordsByBreak) {
  AdjustmentsOnDisk a({PointRecord(3, '2', 10, "0", {}), PointRecord(7, '1', 9000, "120", {9500, 25, 7000})});
  Pass pass;
  pass.rates[5] = BreakRateTable::kNotFetched;
  pass.valueHits(LaneAdjustmentType::kPointPairs, {7, 99});  // 99 has no record
  EXPECT_EQ(pass.apply(a), 0);
  EXPECT_EQ(pass.minimums[0], 4500);  // 5000 x 90%
  EXPECT_EQ(pass.minimums[1], 0);
  EXPECT_EQ(pass.rates, (std::array<std::int32_t, 6>{950, 825, 600, 1900, 1625, BreakRateTable::kNotFetched}));
  EXPECT_EQ(pass.work.hits.values[0].position, 32u);  // remembered for the next look-up
  EXPECT_EQ(pass.work.values[1], 9500);               // row 0, break 0
  EXPECT_EQ(pass.work.values[5], 25);                 // row 1, break 1
}

TEST(LaneAdjustmentApplication, RangeLanesOfModeOneUsePointRecords) {
  AdjustmentsOnDisk a({PointRecord(4, '0', 0, "2", {100})});
  Pass pass;
  pass.valueHits(LaneAdjustmentType::kRangeLanes, {4});
  pass.work.mode = 1;
  pass.apply(a);
  EXPECT_EQ(pass.rates[0], 1100);
  EXPECT_EQ(pass.rates[3], 2100);
  EXPECT_EQ(pass.minimums[0], 5000);
}

std::array<char, 6> Pair(std::string_view text) {
  std::array<char, 6> p{};
  std::memcpy(p.data(), text.data(), 6);
  return p;
}

TEST(LaneAdjustmentApplication, LanePairPercentagesCompoundAndRoundOnce) {
  const std::array<std::uint8_t, 3> first{0x01, 0xE0, 0x78};   // 123000 as a 24-bit number
  const std::array<std::uint8_t, 3> second{0x01, 0xE0, 0xA5};  // 123045
  AdjustmentsOnDisk a({LanePairRecord(first, '1', 9000, "10", {9000}), LanePairRecord(second, '0', 0, "1", {9500})});
  Pass pass;
  pass.rates[0] = 1005;
  pass.work.type = LaneAdjustmentType::kZipSlots;
  pass.work.lanePairs[0] = Pair("123000");
  pass.work.lanePairs[1] = Pair("123045");
  pass.work.hits.count = 2;
  pass.apply(a);
  // 1005 x 90% = 904.50, x 95% = 859.275, rounded once: 859 (860 if rounded
  // after each record).
  EXPECT_EQ(pass.rates[0], 859);
  EXPECT_EQ(pass.rates[3], 1710);  // 2000 x 90% x 95%
  EXPECT_EQ(pass.minimums[0], 4500);
  // Breaks that no percentage reached keep their rates whole.
  EXPECT_EQ(pass.rates[1], 800);
  EXPECT_EQ(pass.rates[5], 1200);
}

TEST(LaneAdjustmentApplication, LanePairPercentageOnRatesOnlyLeavesMinimumsWhole) {
  // Pairs of a tariff dated before 1999 are packed as 6 decimal digits.
  AdjustmentsOnDisk a({LanePairRecord({0x12, 0x30, 0x00}, '0', 0, "11", {9000, 9000})});
  Pass pass;
  pass.tariff.effectiveYearMonth = 199806;
  pass.work.type = LaneAdjustmentType::kZipSlots;
  pass.work.lanePairs[0] = Pair("123000");
  pass.work.hits.count = 1;
  pass.apply(a);
  EXPECT_EQ(pass.minimums[0], 5000);
  EXPECT_EQ(pass.rates[0], 900);
  EXPECT_EQ(pass.rates[1], 720);
}

TEST(LaneAdjustmentApplication, OperatorRecordsUseTheAlternativeValueForKindOneMinimums) {
  AdjustmentsOnDisk a(
      {OperatorRecord(12, '*', 9000, 8000, '+', {50, 0, 30}), OperatorRecord(13, 'F', 7500, 7500, '0', {})});
  Pass pass;
  pass.minimums = {5000, 3000, 2000, 0};
  pass.recordMinimums = 2;
  pass.valueHits(LaneAdjustmentType::kZonePercent, {12, 13});
  pass.apply(a);
  EXPECT_EQ(pass.minimums, (std::array<std::int32_t, 4>{4000, 2400, 2000, 0}));
  EXPECT_EQ(pass.rates, (std::array<std::int32_t, 6>{1050, 800, 630, 2050, 1600, 1230}));
  EXPECT_EQ(pass.work.floorValue, 7500);
  pass = Pass{};
  pass.firstKind = '0';
  pass.valueHits(LaneAdjustmentType::kZonePercent, {12});
  pass.apply(a);
  EXPECT_EQ(pass.minimums[0], 4500);
}

TEST(LaneAdjustmentApplication, DefaultRangesMakePercentagesAndAmounts) {
  AdjustmentsOnDisk a({CellRecord("100", 9000, {9500, 0, 0, 9000}), CellRecord("300", 100, {20, 20}),
                       CellRecord("400", 5000, {5000}), CellRecord("600", 150, {25, 30})});
  Pass pass;
  pass.numberHits({"100", "400", "600"});  // "400" needs the state check
  pass.apply(a);
  EXPECT_EQ(pass.minimums[0], 4650);  // 5000 x 90% + 150
  EXPECT_EQ(pass.rates, (std::array<std::int32_t, 6>{975, 830, 600, 1800, 1600, 1200}));

  // Type 'F': numbers 250 to 499 are amounts; elsewhere 300 is a percentage.
  Pass f;
  f.tariff.tariffType = 'F';
  f.numberHits({"300"});
  f.apply(a);
  EXPECT_EQ(f.minimums[0], 5100);
  EXPECT_EQ(f.rates[0], 1020);
  Pass other;
  other.numberHits({"300"});
  other.apply(a);
  EXPECT_EQ(other.minimums[0], 50);
  EXPECT_EQ(other.rates[0], 2);
}

TEST(LaneAdjustmentApplication, CombinedPercentagesApplyOnce) {
  AdjustmentsOnDisk a({CellRecord("100", 9000, {9000, 9000}), CellRecord("200", 9000, {8000, 0})});
  Pass pass;
  pass.work.combineOperator = '*';
  pass.numberHits({"100", "200"});
  pass.apply(a);
  EXPECT_EQ(pass.minimums[0], 4050);  // 90% x 90%
  EXPECT_EQ(pass.rates[0], 720);      // 90% x 80%
  EXPECT_EQ(pass.rates[1], 720);      // 90%, the 0 adjusts nothing

  Pass lower;
  lower.work.combineOperator = 'L';
  lower.work.oneAdjustment = true;  // every cell takes the shipment's value
  lower.numberHits({"100", "200"});
  lower.apply(a);
  EXPECT_EQ(lower.rates[0], 900);
  EXPECT_EQ(lower.rates[5], 1080);

  Pass sum;
  sum.work.combineOperator = '+';
  sum.numberHits({"100", "200"});
  sum.apply(a);
  EXPECT_EQ(sum.rates[0], 700);  // 100% - 10% - 20%
}

TEST(LaneAdjustmentApplication, ShortOrMissingRecordsSkipTheirHits) {
  AdjustmentsOnDisk a({Bytes(40, '1')});
  Pass pass;
  pass.valueHits(LaneAdjustmentType::kZonePercent, {0x3131});
  EXPECT_EQ(pass.apply(a), 0);
  pass.numberHits({"111"});
  pass.apply(a);
  pass.work.type = LaneAdjustmentType::kZipSlots;
  pass.work.lanePairs[0] = Pair("ABCDEF");  // no packed form
  pass.apply(a);
  EXPECT_EQ(pass.rates, (Pass{}.rates));
  EXPECT_EQ(pass.minimums, (Pass{}.minimums));
}

}  // namespace
}  // namespace vorn

namespace vorn {
namespace {

// A 28-byte entry of the state list.
Bytes StateEntry(std::string_view zip, char direction, std::string_view stateCity) {
  Bytes r(28, ' ');
  PutText(r, 0, zip);
  r[7] = static_cast<std::uint8_t>(direction);
  r[8] = 0;
  PutText(r, 9, stateCity);
  return r;
}

TEST(LaneAdjustmentApplication, NumbersBeginningFourNeedTheLaneInTheStateList) {
  // Adjustment 400 halves the first rate when the state list after record
  // "999" holds the origin (for 'F' or 'B') or else the destination (for
  // 'T' or 'B').
  const auto rateWith = [](const std::vector<Bytes>& list, const char* marker = "999") {
    std::vector<Bytes> records{CellRecord("400", 0, {5000}), CellRecord(marker, 0, {})};
    records.insert(records.end(), list.begin(), list.end());
    AdjustmentsOnDisk a(records);
    Pass pass;
    pass.numberHits({"400"});
    std::memcpy(pass.work.origin.zip.data(), "10001", 5);
    std::memcpy(pass.work.origin.stateCity.data(), "NYNEW YORK         ", 19);
    std::memcpy(pass.work.destination.zip.data(), "90001", 5);
    std::memcpy(pass.work.destination.stateCity.data(), "CALOS ANGELES      ", 19);
    pass.apply(a);
    return pass.rates[0];
  };
  const struct {
    const char* what;
    std::vector<Bytes> list;
    const char* marker;
    std::int32_t rate;
  } cases[] = {
      {"the origin's state for 'F'", {StateEntry("     ", 'F', "NY")}, "999", 500},
      {"the origin's ZIP and city for 'B'", {StateEntry("10001", 'B', "NYNEW YORK")}, "999", 500},
      {"the destination for 'T'", {StateEntry("     ", 'F', "NJ"), StateEntry("90001", 'T', "CA")}, "999", 500},
      {"the list after \"***\"", {StateEntry("     ", 'T', "CA")}, "***", 500},
      {"the origin's state only for 'T'", {StateEntry("     ", 'T', "NY")}, "999", 1000},
      {"another ZIP", {StateEntry("10002", 'F', "NY")}, "999", 1000},
      {"another city", {StateEntry("     ", 'F', "NYALBANY")}, "999", 1000},
      {"no list", {}, "999", 1000},
      {"no record \"999\" or \"***\"", {StateEntry("     ", 'F', "NY")}, "998", 1000},
  };
  for (const auto& c : cases) EXPECT_EQ(rateWith(c.list, c.marker), c.rate) << c.what;
}

}  // namespace
}  // namespace vorn

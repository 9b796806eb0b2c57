// The tariff methods over data sets the data-set builder writes: for each
// method the points, the matrix cell, the rate-basis number and the rate
// record it leaves, and the rate-basis text; the dispatcher's refusals; bad
// lanes giving their codes.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "methods/method_dispatcher.h"
#include "methods/method_services.h"
#include "rates/tariff_data_fixture.h"
#include "request/request_parse.h"

namespace vorn {
namespace {

using testing::TariffData;

// count records of the type's length, record k with rate-basis number
// 00100 + k and kind letter B.
std::string NumberedRates(int count, std::string_view settings = "") {
  std::string text = "rates tariff=TSTFRT01 " + std::string(settings) + "\n";
  for (int k = 0; k < count; ++k) {
    char number[8];
    std::snprintf(number, sizeof number, "%05d", 100 + k);
    text += std::string("  record number=") + number + " letter=B entries=\"" + std::to_string(1000 + k) + "\"\n";
  }
  return text;
}

// Two points: 10001-10099 point 1 add-on 2, 20000-20099 point 3 add-on 1.
constexpr std::string_view kPoints = R"(
points tariff=TSTFRT01
  point low=10001 high=10099 number=1 addon=2
  point low=20000 high=20099 number=3 addon=1
)";

class TariffMethods : public TariffData {
 protected:
  std::string rate(std::string_view description) {
    load(description);
    route("10050 ", "20010 ");
    std::string text;
    RateByTariffMethod(engine_, rating_, text, EngineMethodServices());
    return text;
  }
  int rateCode() {
    std::string text;
    return Raised([&] { RateByTariffMethod(engine_, rating_, text, EngineMethodServices()); });
  }
  std::string head() const { return std::string(rating_.rates.rateRecord.head()); }
};

TEST_F(TariffMethods, MatrixWithAddOnsAddsBothPointsAddOns) {
  // Cell of points 1 and 3: 3 x 4 / 2 + 1 = 7, value 4; number 4 + 2 + 1 = 7.
  const std::string text = rate("efcrec\n  record type=0\n" + std::string(kPoints) +
                                "matrix tariff=TSTFRT01\n  pair a=1 b=3 value=4\n" + NumberedRates(9));
  EXPECT_EQ(rating_.methods.rateBasisNumber, 7);
  EXPECT_EQ(rating_.rates.rateRecordIndex, 7);
  EXPECT_EQ(head(), "001 00107B");
  EXPECT_EQ(rating_.rates.rateRecord.entry(0), 1007u);
  EXPECT_EQ(text, "00107B");  // bytes 3-9 without the blank
  // The driver's step keeps the text for the answer.
  rating_.answer.methodText.clear();
  EXPECT_EQ(RunTariffMethod(engine_, rating_), 0);
  EXPECT_EQ(rating_.answer.methodText, "00107B");
}

TEST_F(TariffMethods, MatrixWithoutAddOnsTakesTheCellAlone) {
  for (const char* type : {"4", "5", "6", "B", "C"}) {
    SCOPED_TRACE(type);
    // Type '6' reads its first leg's points from the Y file.
    const std::string points = std::string(type) == "6"
                                   ? "points tariff=TSTFRT01 letter=Y" + std::string(kPoints).substr(23)
                                   : std::string(kPoints);
    const std::string text = rate("efcrec\n  record type=" + std::string(type) + "\n" + points +
                                  "matrix tariff=TSTFRT01\n  pair a=1 b=3 value=4\n" + NumberedRates(5));
    EXPECT_EQ(rating_.methods.rateBasisNumber, 4);
    EXPECT_EQ(text, "00104B");
  }
}

TEST_F(TariffMethods, TypeAWithPointFlagMReadsSixteenByteRecords) {
  const std::string text =
      rate("efcrec\n  record type=A flag45=M\n" + std::string(kPoints) + "points tariff=TSTFRT01 letter=Q" +
           std::string(kPoints).substr(23) + "matrix tariff=TSTFRT01\n  pair a=1 b=3 value=2\n" +
           NumberedRates(3, "record-size=16"));
  EXPECT_EQ(rating_.rates.rateRecord.length(), 16u);
  EXPECT_EQ(text, "00102B");
}

TEST_F(TariffMethods, ZoneListsAndNumberedTexts) {
  // Type '1': zone 5 add-on 3 and zone 2 add-on 1; cell 5 x 6 / 2 + 2 = 17
  // holds 1: number 1 + 3 + 1 = 5. The text: the group 001 is the second
  // rate group, then bytes 5-8.
  load(
      "efcrec\n  record type=1\nzones tariff=TSTFRT01\n  zone low=10000 high=10099 number=5 addon=3\n"
      "  zone low=20000 high=20099 number=2 addon=1\nmatrix tariff=TSTFRT01\n  pair a=5 b=2 value=1\n" +
      NumberedRates(6));
  engine_.factors.setCount = 2;
  engine_.factors.setNumbers[0] = 7;
  engine_.factors.setNumbers[1] = 1;
  route("10050 ", "20010 ");
  std::string text;
  RateByTariffMethod(engine_, rating_, text, EngineMethodServices());
  EXPECT_EQ(rating_.methods.rateBasisNumber, 5);
  EXPECT_EQ(text, "20105");
  // A group that is not listed stands one past the last.
  engine_.factors.setNumbers[1] = 9;
  RateByTariffMethod(engine_, rating_, text, EngineMethodServices());
  EXPECT_EQ(text, "30105");
}

TEST_F(TariffMethods, TypeDNumbersItsTextFromThePointFiles) {
  const std::string text = rate("efcrec\n  record type=D\n" + std::string(kPoints) +
                                "matrix tariff=TSTFRT01\n  pair a=1 b=3 value=4\n" + NumberedRates(8));
  EXPECT_EQ(rating_.methods.rateBasisNumber, 7);
  EXPECT_EQ(text, "10107");  // no rate groups: position 1
}

TEST_F(TariffMethods, BaseAndTableMethodsDropTheAddOnsWhenTheTariffSaysSo) {
  load("efcrec\n  record type=E\n" + std::string(kPoints) + "matrix tariff=TSTFRT01\n  pair a=1 b=3 value=4\n" +
       NumberedRates(8));
  route("10050 ", "20010 ");
  std::string text;
  RateByTariffMethod(engine_, rating_, text, EngineMethodServices());
  EXPECT_EQ(text, "00107B");  // 4 + 2 + 1
  engine_.parameters.setInteger(ParameterTable::kNoRbnAddon, 1);
  RateByTariffMethod(engine_, rating_, text, EngineMethodServices());
  EXPECT_EQ(rating_.rates.rateRecordIndex, 4);
  EXPECT_EQ(text, "00104B");
}

// A table tariff: points 1 and 3 (and 2 for 30000-30099), whose lanes all
// lead to rate record 2, a record without a number of its own; the light
// edition's base and matrix files give lane 10000 -> 20000 the key
// "005 00123E" (the default lettered codes: 'A' is group 001, 'E' with
// number 00123 group 005).
std::string TableTariff(std::string_view type, std::string_view head2) {
  return "efcrec\n  record type=" + std::string(type) + R"(
points tariff=TSTFRT01
  point low=10001 high=10099 number=1
  point low=20000 high=20099 number=3
  point low=30000 high=30099 number=2
matrix tariff=TSTFRT01
  pair a=1 b=3 value=2
  pair a=1 b=2 value=2
rates tariff=TSTFRT01
  record head="001 00000A"
  record head="001 00000A"
  record head=")" +
         std::string(head2) + R"("
  record head="003 00042C" entries="42"
  record head="005 00123E" entries="123"
  record head="005 00200E" entries="200"
  record head="012 00042H" entries="12"
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
  factor-line
  section kind=5 classes="100 85 70" breaks="0 500"
  factor-line
  factor-line
  factor-line
lettered tariff=TSTFRT01 letter=M
  raw text=")" +
         std::string(384, 'm') + "\"\n";
}

TEST_F(TariffMethods, ARecordWithoutANumberTakesItsKeyFromTheLightTables) {
  load(TableTariff("E", "001 00000A"));
  route("10050 ", "20010 ");
  std::string text;
  RateByTariffMethod(engine_, rating_, text, EngineMethodServices());
  EXPECT_EQ(head(), "005 00123E");
  EXPECT_EQ(rating_.rates.rateRecord.entry(0), 123u);
  EXPECT_EQ(text, "00123E");
  // The tables of tariff number 5 were read; the tariff keeps its kind.
  EXPECT_EQ(rating_.core.classCount, 3);
  EXPECT_EQ(engine_.currentTariff.kind, 1);
  EXPECT_FALSE(engine_.files.isOpen('B'));
  EXPECT_FALSE(engine_.files.isOpen('K'));
  // A lane the light tables do not list keeps the empty record: 119.
  route("10050 ", "30010 ");
  EXPECT_EQ(rateCode(), 119);
  EXPECT_FALSE(engine_.files.isOpen('B'));
}

TEST_F(TariffMethods, TheLightTableMethodLeavesTheAddOnRecordOfKindC) {
  // Record 2 of kind 'C': group 003 ("C" in the default lettered codes),
  // the first record not below "003 00000C" is "003 00042C"; the base
  // records of code "C " for the key's number (still 00000) give both
  // ends 150.
  load(TableTariff("L", "001 00000C"));
  route("10050 ", "20010 ");
  std::string text;
  RateByTariffMethod(engine_, rating_, text, EngineMethodServices());
  EXPECT_EQ(head(), "003 00042C");
  EXPECT_EQ(text, "00042C");
  EXPECT_EQ(rating_.core.classCount, 2);  // tariff number 3
  EXPECT_EQ(rating_.methods.addOn.kind, 'C');
  EXPECT_EQ(rating_.methods.addOn.firstAmount, (std::array<std::uint8_t, 3>{0x00, 0x01, 0x50}));
  EXPECT_EQ(rating_.methods.addOn.secondAmount, (std::array<std::uint8_t, 3>{0x00, 0x01, 0x50}));
  EXPECT_FALSE(rating_.methods.hasMinimumTable);
}

TEST_F(TariffMethods, TheLightTableMethodRatesByTheMatrixKey) {
  // Kind 'A' runs the light-table rating: "005 00123E" as for the base and
  // table method.
  load(TableTariff("L", "001 00000A"));
  route("10050 ", "20010 ");
  std::string text;
  RateByTariffMethod(engine_, rating_, text, EngineMethodServices());
  EXPECT_EQ(head(), "005 00123E");
  EXPECT_EQ(rating_.methods.addOn.kind, ' ');
}

TEST_F(TariffMethods, TheLightTableMethodReadsTheMinimumTableForKindH) {
  // Kind 'H': no base records of code "H ", so the two matrix keys agree and
  // the lettered codes give group 012: "012 00042H".
  load(TableTariff("L", "001 00000H"));
  route("10050 ", "20010 ");
  std::string text;
  RateByTariffMethod(engine_, rating_, text, EngineMethodServices());
  EXPECT_EQ(head(), "012 00042H");
  ASSERT_TRUE(rating_.methods.hasMinimumTable);
  EXPECT_EQ(rating_.methods.minimumTable[383], 'm');
}

TEST_F(TariffMethods, TheLightTableMethodNeedsTheLightBaseFile) {
  std::string description = TableTariff("L", "001 00000A");
  description.erase(description.find("light-base"), description.find("light-matrix") - description.find("light-base"));
  load(description);
  route("10050 ", "20010 ");
  EXPECT_EQ(rateCode(), 221);
  EXPECT_FALSE(engine_.files.isOpen('K'));
}

class AddOnArithmetic : public TariffMethods {
 protected:
  void SetUp() override {
    std::string rates = NumberedRates(12, "type=7");
    rates += "  record number=00420 letter=L\n  record number=00520 letter=M\n";
    load(R"(
efcrec
  record type=7
points tariff=TSTFRT01
  point low=10001 high=10099 number=1 addon=1003
  point low=20000 high=20099 number=3 addon=2
  point low=30000 high=30099 number=4 addon=4
  point low=40000 high=40099 number=4 addon=1005
matrix tariff=TSTFRT01
  pair a=1 b=3 value=2053
)" + rates);
  }
};

TEST_F(AddOnArithmetic, DifferentPointsSplitTheCellIntoNumberAndServiceDigit) {
  // 2053 = 2 x 1024 + 5: number 5 + 1003 % 1000 + 2 % 1000 = 10, service
  // digit 2 + 1003 / 1000 + 0 = 3.
  route("10050 ", "20010 ");
  std::string text;
  RateByTariffMethod(engine_, rating_, text, EngineMethodServices());
  EXPECT_EQ(rating_.methods.rateBasisNumber, 10);
  EXPECT_EQ(rating_.rates.rateRecordIndex, 10);
  EXPECT_EQ(text, "300110B");
}

TEST_F(AddOnArithmetic, OnePointMapsItsAddOnsOntoTheLocalBands) {
  std::string text;
  // 4 + 4 = 8: below 14, 1052: key "0520", service digit 1.
  route("30050 ", "30010 ");
  RateByTariffMethod(engine_, rating_, text, EngineMethodServices());
  EXPECT_EQ(rating_.methods.rateBasisNumber, 1052);
  EXPECT_EQ(text, "100520M");
  // 4 + 1005 = 1009: 1001 to 1052 map to 1052 as well.
  route("30050 ", "40010 ");
  RateByTariffMethod(engine_, rating_, text, EngineMethodServices());
  EXPECT_EQ(text, "100520M");
  // 1005 + 1005 = 2010: 2000 to 2052 map to 2052, key "0520", digit 2.
  route("40050 ", "40010 ");
  RateByTariffMethod(engine_, rating_, text, EngineMethodServices());
  EXPECT_EQ(text, "200520M");
}

TEST_F(TariffMethods, AnAddOnArithmeticKeyThatNoRecordHoldsIsNotInTheTariff) {
  // One point, add-ons 530 + 530 = 1060: 1053 to 1999 keep their value, and
  // no record holds the key "0600".
  load("efcrec\n  record type=7\npoints tariff=TSTFRT01\n  point low=30000 high=30099 number=4 addon=530\n" +
       NumberedRates(3, "type=7"));
  route("30050 ", "30010 ");
  EXPECT_EQ(rateCode(), 218);
}

// The combined tariff's files: 30-byte point records, 12-byte pair records,
// 660-byte adjustment records.
std::string Escaped(std::string_view bytes) {
  std::string out;
  char hex[8];
  for (unsigned char c : bytes) {
    std::snprintf(hex, sizeof hex, "\\x%02X", c);
    out += hex;
  }
  return out;
}
std::string Le32(std::int32_t v) {
  std::string s(4, '\0');
  for (int i = 0; i < 4; ++i)
    s[static_cast<std::size_t>(i)] = static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
  return s;
}
std::string CombinedPoint(std::string_view low, std::string_view high, std::int32_t number) {
  return "  raw text=\"" +
         Escaped("  " + std::string(low) + " " + std::string(high) + " " + Le32(number) + std::string(12, ' ')) +
         "\"\n";
}
std::string Pair(std::int32_t o, std::int32_t d, std::int32_t value) {
  return "  raw text=\"" + Escaped(Le32(o) + Le32(d) + Le32(value)) + "\"\n";
}
std::string Adjustment(std::string_view number, std::string_view columns) {
  return "  raw text=\"" + std::string(number) + std::string(columns) + std::string(660 - 8, '.') + "\"\n";
}

class CombinedTariff : public TariffMethods {
 protected:
  void SetUp() override {
    // Base type 'A' (40 bytes, 10 entries): the last three entries name
    // adjustment records 2 and 0 and none.
    load("efcrec\n  record type=N base=A lane-digits=01\nlettered tariff=TSTFRT01 letter=P record-size=30\n" +
         CombinedPoint("10000", "10099", 11) + CombinedPoint("20000", "20099", 12) +
         "lettered tariff=TSTFRT01 letter=I record-size=12\n" + Pair(11, 11, 0) + Pair(11, 12, 1) + Pair(12, 11, 0) +
         "rates tariff=TSTFRT01\n  record number=00001 letter=A\n" +
         "  record number=00002 letter=C entries=\"500 1 1 1 1 1 1 2 0 16777215\"\n" +
         "lettered tariff=TSTFRT01 letter=A record-size=660\n" + Adjustment("00000", "12 ") +
         Adjustment("00001", "2  ") + Adjustment("00002", "1 2"));
  }
};

TEST_F(CombinedTariff, TheLanesRecordAndItsAdjustmentRecords) {
  route("10050 ", "20010 ");
  EXPECT_EQ(HandleCombinedPoints(engine_, rating_), 0);
  std::string text;
  RateByTariffMethod(engine_, rating_, text, EngineMethodServices());
  EXPECT_EQ(rating_.methods.rateBasisNumber, 1);
  EXPECT_EQ(head(), "001 00002C");
  EXPECT_EQ(text, "00002C");
  EXPECT_EQ(rating_.methods.laneAdjustmentType, kGlobalAdjustmentList);
  ASSERT_EQ(rating_.methods.adjustments.size(), 2u);
  EXPECT_EQ(rating_.methods.adjustments[0].recordNumber, 2u);
  EXPECT_EQ(std::string(rating_.methods.adjustments[0].columns.data(), 3), "1 2");
  EXPECT_EQ(rating_.methods.adjustments[1].recordNumber, 0u);
  EXPECT_EQ(rating_.methods.adjustmentHeader.recordLength, 660);
  // A second pass starts a fresh list.
  RateByTariffMethod(engine_, rating_, text, EngineMethodServices());
  EXPECT_EQ(rating_.methods.adjustments.size(), 2u);
}

// Services that note what the methods ask and answer a lane-adjustment code.
class NotingServices final : public MethodServices {
 public:
  void prepareCityPoints(RatingEngine&, Rating&, bool a) override { alternative = a, ++prepared; }
  std::int16_t loadLaneAdjustments(RatingEngine&, Rating& rating) override {
    rating.lanes.global.count = globalEntries;
    return laneCode;
  }
  bool alternative = false;
  int prepared = 0;
  std::int16_t laneCode = 0;
  int globalEntries = 0;  // left in the lane's global list
};

TEST_F(CombinedTariff, TheLaneAdjustmentsCodeEndsTheMethod) {
  route("10050 ", "20010 ");
  NotingServices services;
  services.laneCode = 230;
  std::string text;
  EXPECT_EQ(Raised([&] { RateByTariffMethod(engine_, rating_, text, services); }), 230);
  EXPECT_EQ(services.prepared, 1);
  EXPECT_FALSE(services.alternative);
  engine_.currentTariff.flag45 = 'A';  // the alternative preparation of the codes
  services.laneCode = 0;
  RateByTariffMethod(engine_, rating_, text, services);
  EXPECT_TRUE(services.alternative);
}

TEST_F(CombinedTariff, TheRecordsJoinTheGlobalListOf60) {
  // The lane's global list holds 58 entries: the rate record's two records
  // fill it; with 59 the second is one too many (234).
  route("10050 ", "20010 ");
  NotingServices services;
  std::string text;
  services.globalEntries = 58;
  RateByTariffMethod(engine_, rating_, text, services);
  EXPECT_EQ(rating_.methods.adjustments.size(), 2u);
  services.globalEntries = 59;
  EXPECT_EQ(Raised([&] { RateByTariffMethod(engine_, rating_, text, services); }), 234);
}

TEST_F(CombinedTariff, MissingPointsAndPairsGiveTheirCodes) {
  route("30050 ", "20010 ");
  EXPECT_EQ(HandleCombinedPoints(engine_, rating_), 216);
  route("10050 ", "30010 ");
  EXPECT_EQ(HandleCombinedPoints(engine_, rating_), 217);
  route("20050 ", "20010 ");  // no pair 12-12
  EXPECT_EQ(HandleCombinedPoints(engine_, rating_), 218);
  EXPECT_EQ(rateCode(), 218);
}

TEST_F(TariffMethods, TypesWithoutAMethodAre202) {
  load("efcrec\n  record type=0\n");
  route("10050 ", "20010 ");
  for (char type : {'Y', 'Z', ':', '\0'}) {
    engine_.currentTariff.tariffType = type;
    EXPECT_EQ(rateCode(), 202) << type;
  }
  // A combined tariff whose base type is unknown has no record length.
  engine_.currentTariff.tariffType = 'N';
  engine_.currentTariff.baseType = 'Q';
  EXPECT_EQ(rateCode(), 202);
  EXPECT_EQ(RunTariffMethod(engine_, rating_), 202);
}

TEST_F(TariffMethods, TypeTwoLooksNothingUp) {
  load("efcrec\n  record type=2\n");
  const RateRecord before = rating_.rates.rateRecord;
  std::string text = "kept";
  RateByTariffMethod(engine_, rating_, text, EngineMethodServices());
  EXPECT_EQ(text, "kept");
  EXPECT_EQ(rating_.rates.rateRecord.length(), before.length());
}

TEST_F(TariffMethods, BadLanesGiveTheirCodesAndNoRecord) {
  load("efcrec\n  record type=0\n" + std::string(kPoints) +
       "matrix tariff=TSTFRT01\n  size count=10\n  pair a=1 b=3 value=40\n  cell index=2 value=1\n" + NumberedRates(9));
  route("30050 ", "20010 ");
  EXPECT_EQ(rateCode(), 216);
  route("10050 ", "30010 ");
  EXPECT_EQ(rateCode(), 217);
  route("10050 ", "10060 ");  // cell 1 x 2 / 2 + 1 = 2 holds 1: record 5
  EXPECT_EQ(rateCode(), 0);
  EXPECT_EQ(rating_.rates.rateRecordIndex, 5);
  route("20050 ", "20060 ");  // cell 3 x 4 / 2 + 3 = 9: no rate
  EXPECT_EQ(rateCode(), 218);
  route("10050 ", "20010 ");  // cell 7: record 40 + 3 is past the rate file
  EXPECT_EQ(rateCode(), 214);
}

TEST_F(TariffMethods, ThePlusStepMovesTheRecordForward) {
  // Record 7 (" 00107") plus 2 is record 9 (" 00109"); the text keeps its
  // five digits and takes the kind letter.
  load("efcrec\n  record type=0\n" + std::string(kPoints) + "matrix tariff=TSTFRT01\n  pair a=1 b=3 value=4\n" +
       NumberedRates(10));
  route("10050 ", "20010 ");
  ShipmentRecord record;
  record.fillAll(' ');
  record.setText({161, 5}, "+0002");
  ParseStepFlags(record, rating_.request);
  std::string text;
  RateByTariffMethod(engine_, rating_, text, EngineMethodServices());
  EXPECT_EQ(rating_.rates.rateRecordIndex, 9);
  EXPECT_EQ(text, "00109B");
  // A target past the last record is 214.
  record.setText({161, 5}, "+0005");
  ParseStepFlags(record, rating_.request);
  EXPECT_EQ(rateCode(), 214);
}

}  // namespace
}  // namespace vorn

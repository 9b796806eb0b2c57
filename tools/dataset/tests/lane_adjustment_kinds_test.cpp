// The lane-adjustment files of every lane letter and the lane percentage
// tables: their bytes, their decoding and the checks.
#include <gtest/gtest.h>

#include "dataset/read_back.h"
#include "test_support.h"

namespace dataset {
namespace {

using testing::Built;
using testing::Bytes;
using testing::DescriptionProblems;
using testing::ErrorOf;
using testing::Messages;
using testing::Rebuilt;

TEST(PointPairLanes, RecordsHoldTheOriginTheDestinationRangeAndTheRecordNumber) {
  const std::string set =
      "point-pair-lanes tariff=T suffix=00\n  lane origin=1 low=2 high=300 record=7\n  lane origin=2 low=5\n";
  const std::string content = Built(set, "T.L00");
  EXPECT_EQ(content, Bytes({1, 0, 2, 0, 0x2C, 1, 7, 0, 2, 0, 5, 0, 5, 0, 0, 0}));
  EXPECT_EQ(DecodeContent("point-pair-lanes tariff=T suffix=00", content),
            "point-pair-lanes tariff=T letter=L suffix=00\n  lane origin=1 low=2 high=300 record=7\n  lane origin=2 "
            "low=5 high=5 record=0\n");
  EXPECT_EQ(Rebuilt("point-pair-lanes tariff=T suffix=00", content), content);
  EXPECT_EQ(ErrorOf("point-pair-lanes tariff=T suffix=00\n  lane low=5 high=4\n"),
            "line 2: field 'high': 4 is below the low point 5");
}

TEST(PointPairLanes, ChecksWantLanesSortedByOriginThenRange) {
  EXPECT_TRUE(
      DescriptionProblems(
          "point-pair-lanes tariff=T suffix=00\n  lane origin=1 low=2\n  lane origin=1 low=3\n  lane origin=2\n")
          .empty());
  const std::vector<std::string> problems =
      DescriptionProblems("point-pair-lanes tariff=T suffix=00\n  lane origin=2\n  lane origin=1 low=9\n");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("out of order"), std::string::npos) << problems[0];
  EXPECT_EQ(Messages("point-pair-lanes tariff=T suffix=00", std::string(7, '\0')),
            (std::vector<std::string>{"0: is 7 bytes, not 8"}));
  EXPECT_EQ(Messages("point-pair-lanes tariff=T suffix=00", Bytes({1, 0, 5, 0, 4, 0, 0, 0})),
            (std::vector<std::string>{"0: ends below its start"}));
}

TEST(PointAdjustments, RecordsHoldOperatorsAndValuesForTheShipmentAndEachBreak) {
  const std::string set =
      "point-adjustments tariff=T suffix=00\n"
      "  adjustment number=7 shipment-op=1 shipment-value=9000 break-ops=0120 break-values=\"0 9500 500\"\n";
  const std::string content = Built(set, "T.A00");
  ASSERT_EQ(content.size(), 32u);
  EXPECT_EQ(content.substr(0, 16), Bytes({7, 0}) + "1012000000" + Bytes({0x28, 0x23, 0, 0}));
  EXPECT_EQ(content.substr(16, 4), Bytes({0x1C, 0x25, 0xF4, 0x01}));
  EXPECT_EQ(Rebuilt("point-adjustments tariff=T suffix=00", content), content);
  EXPECT_EQ(ErrorOf("point-adjustments tariff=T suffix=00\n  adjustment break-ops=13\n"),
            "line 2: field 'break-ops': \"13\" holds an operator other than 0, 1 or 2");
  EXPECT_EQ(ErrorOf("point-adjustments tariff=T suffix=00\n  adjustment break-values=\"1 2 3 4 5 6 7 8 9 10\"\n"),
            "line 2: field 'break-values': more than 9 values");
}

TEST(PointAdjustments, ChecksWantWholeRecordsAndKnownOperators) {
  std::string record = Built("point-adjustments tariff=T suffix=00\n  adjustment number=1\n", "T.A00");
  EXPECT_TRUE(Messages("point-adjustments tariff=T suffix=00", record).empty());
  record[5] = '*';
  EXPECT_EQ(Messages("point-adjustments tariff=T suffix=00", record),
            (std::vector<std::string>{"0: has an operator other than 0, 1 or 2 at byte 5"}));
  EXPECT_EQ(Messages("point-adjustments tariff=T suffix=00", record.substr(0, 31)),
            (std::vector<std::string>{"0: is 31 bytes, not 32"}));
}

}  // namespace
}  // namespace dataset

namespace dataset {
namespace {

using testing::Built;
using testing::Bytes;
using testing::DescriptionProblems;
using testing::ErrorOf;
using testing::Messages;
using testing::Rebuilt;

TEST(ZipSlotLanes, TheHeaderGivesTheEndOfTheZipRecordsAndRangesAreAligned) {
  const std::string set =
      "zip-slot-lanes tariff=T suffix=00\n  header\n  zip zip=10001 slot=1 code=123\n  zip zip=90001 slot=2 code=456\n"
      "  range low=\"001 00000A\" high=\"001 99999Z\" suffix=045\n";
  const std::string content = Built(set, "T.L00");
  EXPECT_EQ(content, Bytes({21, 0, 0, 0, 0, 0, 0, 0x01, 0x00, 0x01, 1}) + "123" + Bytes({0x09, 0x00, 0x01, 2}) + "456" +
                         Bytes({0, 0}) + "001 00000A001 99999Z045");
  EXPECT_EQ(Rebuilt("zip-slot-lanes tariff=T suffix=00", content), content);
  EXPECT_EQ(ErrorOf("zip-slot-lanes tariff=T suffix=00\n  zip code=12\n"),
            "line 2: field 'code': \"12\" is not 3 characters");
}

TEST(ZipSlotLanes, ChecksWantSlotsOneToTenAndSortedKeys) {
  EXPECT_TRUE(DescriptionProblems("zip-slot-lanes tariff=T suffix=00\n  header\n  zip zip=10001 code=AAA\n  range "
                                  "low=0000000000 high=1111111111 suffix=001\n"
                                  "  range low=2222222222 high=3333333333 suffix=002\n")
                  .empty());
  const std::vector<std::string> problems = DescriptionProblems(
      "zip-slot-lanes tariff=T suffix=00\n  header\n  zip zip=20001 slot=11 code=AAA\n  zip zip=10001 code=BBB\n"
      "  range low=2222222222 high=3333333333 suffix=001\n  range low=0000000000 high=1111111111 suffix=002\n");
  ASSERT_EQ(problems.size(), 3u);
  EXPECT_NE(problems[0].find("slot 11"), std::string::npos) << problems[0];
  EXPECT_NE(problems[1].find("sorted by ZIP"), std::string::npos) << problems[1];
  EXPECT_NE(problems[2].find("ranges ascend"), std::string::npos) << problems[2];
}

TEST(LanePairAdjustments, PairsPackAsPostalCodesOrAsDigits) {
  const std::string postal =
      Built("lane-pair-adjustments tariff=T suffix=00\n  adjustment pair=123045 shipment-op=1 shipment-value=9000\n",
            "T.A00");
  ASSERT_EQ(postal.size(), 33u);
  EXPECT_EQ(postal.substr(0, 4), Bytes({0x01, 0xE0, 0xA5}) + "1");
  EXPECT_EQ(postal.substr(13, 2), Bytes({0x28, 0x23}));
  EXPECT_EQ(Rebuilt("lane-pair-adjustments tariff=T suffix=00", postal), postal);
  const std::string digits =
      Built("lane-pair-adjustments tariff=T suffix=00 pair-form=digits\n  adjustment pair=123045\n", "T.A00");
  EXPECT_EQ(digits.substr(0, 3), Bytes({0x12, 0x30, 0x45}));
  EXPECT_EQ(Rebuilt("lane-pair-adjustments tariff=T suffix=00 pair-form=digits", digits), digits);
  EXPECT_EQ(ErrorOf("lane-pair-adjustments tariff=T suffix=00 pair-form=digits\n  adjustment pair=A23045\n"),
            "line 2: field 'pair': \"A23045\" is not 6 digits");
  const std::vector<std::string> problems = DescriptionProblems(
      "lane-pair-adjustments tariff=T suffix=00\n  adjustment pair=456000\n  adjustment pair=123000\n");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("out of order"), std::string::npos) << problems[0];
}

constexpr std::string_view kZoneList =
    "zone-pair-lanes tariff=T suffix=00\n"
    "  parameters text=\"* BRKS = 000* 999X\"\n"
    "  range low=10000 high=10099 codes=\"AAA BBB\"\n"
    "  end\n"
    "  parameters text=\"* LA_PCT = *\"\n"
    "  pair pair=AAACCC value=1010\n"
    "  trailer\n";

TEST(ZonePairLanes, LinesThenPairRecordsAndATrailerPointingAtTheEndOfTheRanges) {
  const std::string content = Built(std::string(kZoneList), "T.L00");
  const std::string lines = "* BRKS = 000* 999X\n1000010099AAABBB\n*\n* LA_PCT = *\nAAACCC1010\n";
  EXPECT_EQ(content, lines + "999" + std::string("\x24\0\0\0", 4) + "   \n");  // the "*" line at byte 36
  EXPECT_EQ(Rebuilt("zone-pair-lanes tariff=T suffix=00", content), content);
  EXPECT_EQ(ErrorOf("zone-pair-lanes tariff=T suffix=00\n  pair pair=AAACC value=1\n"),
            "line 2: field 'pair': \"AAACC\" is not 6 characters");
}

TEST(ZonePairLanes, ChecksWantTheEndLineShortLinesAndSortedRangesAndPairs) {
  EXPECT_TRUE(DescriptionProblems(std::string(kZoneList)).empty());
  EXPECT_EQ(Messages("zone-pair-lanes tariff=T suffix=00", "1000010099AAA\n"),
            (std::vector<std::string>{"0: has no \"*\" line ending the ZIP ranges (the engine answers 232)"}));
  const std::vector<std::string> problems = DescriptionProblems(
      "zone-pair-lanes tariff=T suffix=00\n  range low=20000 high=20099\n  range low=10000 high=10099\n  end\n"
      "  pair pair=BBBCCC value=1010\n  pair pair=AAACCC value=1020\n");
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_NE(problems[0].find("ranges ascend"), std::string::npos) << problems[0];
  EXPECT_NE(problems[1].find("sorted by pair"), std::string::npos) << problems[1];
  EXPECT_EQ(Messages("zone-pair-lanes tariff=T suffix=00", "1000010099" + std::string(72, 'A') + "\n*\n"),
            (std::vector<std::string>{"0: is longer than 80 characters (the engine answers 232)"}));
}

TEST(ZoneAdjustments, CellAndOperatorRecordsHoldTheirValues) {
  const std::string cells = Built(
      "cell-adjustments tariff=T suffix=00\n  adjustment number=101 shipment-value=9000 cells=\"0 9500\"\n", "T.A00");
  ASSERT_EQ(cells.size(), 347u);
  EXPECT_EQ(cells.substr(0, 9), "101" + std::string("\x28\x23\0\0\x1C\x25", 6));
  EXPECT_EQ(Rebuilt("cell-adjustments tariff=T suffix=00", cells), cells);
  const std::string ops = Built(
      "operator-adjustments tariff=T suffix=00\n  adjustment number=7 shipment-op=F rate-op=* shipment-value=5000 "
      "values=\"9500\"\n",
      "T.A00");
  ASSERT_EQ(ops.size(), 350u);
  EXPECT_EQ(ops.substr(0, 10), std::string("\x07\0F*\x88\x13\0\0\x1C\x25", 10));
  EXPECT_EQ(Rebuilt("operator-adjustments tariff=T suffix=00", ops), ops);
  EXPECT_EQ(ErrorOf("operator-adjustments tariff=T suffix=00\n  adjustment rate-op=2\n"),
            "line 2: field 'rate-op': \"2\" is not an operator (0, *, +, - or F)");
  EXPECT_EQ(Messages("operator-adjustments tariff=T suffix=00", ops.substr(0, 349)),
            (std::vector<std::string>{"0: is 349 bytes, not 350"}));
}

TEST(RangeLanes, TheHeaderGetsTheOffsetsAndTheIndexItsBlocks) {
  const std::string set =
      "range-lanes tariff=T suffix=00\n  header mode=0 sorted=Y exclude=E\n  parameters text=\"* LA_PCT = *\"\n"
      "  index last=Y ordered=Y lowest=10000 lanes=0\n"
      "  lane both=Y origin-low=10000 origin-high=10099 destination-low=90000 destination-high=90099 slot=2 field=101\n"
      "  exclusion low=\" 00000A\" high=\" 99999Z\" field=101\n";
  const std::string content = Built(set, "T.L00");
  ASSERT_EQ(content.size(), 54u + 54 + 27 + 27 + 26);
  EXPECT_EQ(content.substr(0, 8), std::string("\0\x01 YE0Y\0", 8));
  EXPECT_EQ(content.substr(37, 13), std::string("\x1B\x6C\0\0\0\x87\0\0\0\xA2\0\0\0", 13));  // 27; 108, 135, 162
  EXPECT_EQ(content.substr(108, 7) + content.substr(129, 4), std::string("4F10000\x87\0\0\0", 11));
  EXPECT_EQ(content.substr(135, 27),
            "4B10000100999000090099\x02"
            "101 ");
  EXPECT_EQ(content.substr(162), "6 00000A 99999Z........101");
  EXPECT_EQ(Rebuilt("range-lanes tariff=T suffix=00", content), content);
  EXPECT_EQ(ErrorOf("range-lanes tariff=T suffix=00\n  header mode=4 record-size=26\n"),
            "line 2: field 'record-size': 26 leaves no room for the adjustment field");
  EXPECT_EQ(ErrorOf("range-lanes tariff=T suffix=00\n  header\n  index lanes=1\n  lane\n"),
            "line 3: field 'lanes': there is no lane record 1");
}

TEST(RangeLanes, ChecksWantLanesSortedByOrigin) {
  const std::vector<std::string> problems = DescriptionProblems(
      "range-lanes tariff=T suffix=00\n  header\n  lane origin-low=20000 origin-high=20099\n  lane origin-low=10000 "
      "origin-high=10099\n");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("sorted by origin"), std::string::npos) << problems[0];
}

TEST(PercentTables, HeadersGiveTheRecordsAndRecordsPackTheirZips) {
  const std::string bases =
      Built("percent-bases tariff=T suffix=00\n  header\n  zip-range low=10000 high=10099\n", "T.Q00");
  EXPECT_EQ(bases, std::string("A \x0C\0\0\0Z \x18\0\0\0"
                               "A \x01\x00\x00\x99      ",
                               24));
  EXPECT_EQ(Rebuilt("percent-bases tariff=T suffix=00", bases), bases);
  const std::string matrix = Built(
      "percent-matrix tariff=T suffix=00\n  header\n  pair origin=10000 destination=90000 record=12345\n", "T.J00");
  EXPECT_EQ(matrix.substr(12), std::string("A \x01\x00\x00\x09\x00\x00\x01\x23\x45 ", 12));
  EXPECT_EQ(Rebuilt("percent-matrix tariff=T suffix=00", matrix), matrix);
  const std::string exceptions = Built(
      "percent-exceptions tariff=T suffix=00\n  header\n  exception origin-low=10000 origin-high=10099 flags=\"100 "
      "0\"\n",
      "T.X00");
  ASSERT_EQ(exceptions.size(), 26u + 23);
  EXPECT_EQ(exceptions.substr(0, 4) + exceptions.substr(11, 1) + exceptions.substr(16, 8),
            std::string("0 T1\x17\x1A\0\0\0\x31\0\0\0", 13));
  EXPECT_EQ(exceptions.substr(26 + 14), std::string("A\0\0\xFF\xFF\x64\0\0\0", 9));
  EXPECT_EQ(Rebuilt("percent-exceptions tariff=T suffix=00", exceptions), exceptions);
  EXPECT_EQ(ErrorOf("percent-bases tariff=T suffix=00\n  header\n  zip-range low=10000 high=10100\n"),
            "line 3: field 'high': \"10100\" does not share the low ZIP's first three digits or lies below it");
  const std::vector<std::string> problems =
      DescriptionProblems("percent-matrix tariff=T suffix=00\n  header\n  pair origin=20000\n  pair origin=10000\n");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("out of order"), std::string::npos) << problems[0];
}

TEST(GlobalLanes, SectionsInTheirOrderWithTheHeadersOffsets) {
  const std::string list = Built(
      "global-lanes tariff=T suffix=00\n  header membership=J index-size=5 range-size=16 adjustment-size=24\n"
      "  index end=origin key=2 codes=ORIG1\n  range end=destination low=K1A0A high=K1A9Z codes=DEST1\n"
      "  lane origin=ORIG1 destination=DEST1 record=7\n  member low=000000 high=999999 number=00001\n",
      "T.L00");
  // Header 54, origin index 3 x 5 (keys 0 to 2), destination ranges 16, one lane, one member.
  ASSERT_EQ(list.size(), 54u + 15 + 16 + 15 + 19);
  EXPECT_EQ(list.substr(3, 5), " JI0Y");
  EXPECT_EQ(list.substr(8, 24), std::string("\0\0\0\0\x36\0\0\0\x45\0\0\0\0\0\0\0\x55\0\0\0\x64\0\0\0", 24));
  EXPECT_EQ(list.substr(54, 15), "          ORIG1");
  EXPECT_EQ(list.substr(85, 15), " ORIG1DEST1" + std::string("\x07\0\0\0", 4));
  EXPECT_EQ(ErrorOf("global-lanes tariff=T suffix=00\n  lane origin=A\n"),
            "line 2: a global-lanes block begins with its header");
  const std::string keys =
      Built("base-keys tariff=T letter=V suffix=00\n  key low=20000 high=20999 base=10001\n", "T.V00");
  EXPECT_EQ(keys, "  2000020999     10001" + std::string(14, ' '));
  EXPECT_EQ(Rebuilt("base-keys tariff=T letter=V suffix=00", keys), keys);
  const std::string adjustment = Built(
      "list-adjustments tariff=T suffix=00\n  adjustment number=00001 minimum-op=1 rate-op=2 minimum-value=9000 "
      "rate-values=\"5\" size=16\n",
      "T.A00");
  EXPECT_EQ(adjustment, "0000112" + std::string("0\x28\x23\0\0\x05\0\0\0", 9));
}

}  // namespace
}  // namespace dataset

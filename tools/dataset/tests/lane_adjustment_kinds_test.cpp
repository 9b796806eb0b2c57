// The lane-adjustment files of point-pair lanes: the lane records and the
// 32-byte adjustment records; their bytes, their decoding and the checks.
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
  const std::string set = "point-pair-lanes tariff=T suffix=00\n  lane origin=1 low=2 high=300 record=7\n  lane origin=2 low=5\n";
  const std::string content = Built(set, "T.L00");
  EXPECT_EQ(content, Bytes({1, 0, 2, 0, 0x2C, 1, 7, 0, 2, 0, 5, 0, 5, 0, 0, 0}));
  EXPECT_EQ(DecodeContent("point-pair-lanes tariff=T suffix=00", content),
            "point-pair-lanes tariff=T letter=L suffix=00\n  lane origin=1 low=2 high=300 record=7\n  lane origin=2 low=5 high=5 record=0\n");
  EXPECT_EQ(Rebuilt("point-pair-lanes tariff=T suffix=00", content), content);
  EXPECT_EQ(ErrorOf("point-pair-lanes tariff=T suffix=00\n  lane low=5 high=4\n"),
            "line 2: field 'high': 4 is below the low point 5");
}

TEST(PointPairLanes, ChecksWantLanesSortedByOriginThenRange) {
  EXPECT_TRUE(DescriptionProblems("point-pair-lanes tariff=T suffix=00\n  lane origin=1 low=2\n  lane origin=1 low=3\n  lane origin=2\n").empty());
  const std::vector<std::string> problems =
      DescriptionProblems("point-pair-lanes tariff=T suffix=00\n  lane origin=2\n  lane origin=1 low=9\n");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("out of order"), std::string::npos) << problems[0];
  EXPECT_EQ(Messages("point-pair-lanes tariff=T suffix=00", std::string(7, '\0')), (std::vector<std::string>{"0: is 7 bytes, not 8"}));
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
  EXPECT_EQ(Messages("point-adjustments tariff=T suffix=00", record.substr(0, 31)), (std::vector<std::string>{"0: is 31 bytes, not 32"}));
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
  EXPECT_EQ(ErrorOf("zip-slot-lanes tariff=T suffix=00\n  zip code=12\n"), "line 2: field 'code': \"12\" is not 3 characters");
}

TEST(ZipSlotLanes, ChecksWantSlotsOneToTenAndSortedKeys) {
  EXPECT_TRUE(DescriptionProblems("zip-slot-lanes tariff=T suffix=00\n  header\n  zip zip=10001 code=AAA\n  range low=0000000000 high=1111111111 suffix=001\n"
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
  const std::string postal = Built("lane-pair-adjustments tariff=T suffix=00\n  adjustment pair=123045 shipment-op=1 shipment-value=9000\n", "T.A00");
  ASSERT_EQ(postal.size(), 33u);
  EXPECT_EQ(postal.substr(0, 4), Bytes({0x01, 0xE0, 0xA5}) + "1");
  EXPECT_EQ(postal.substr(13, 2), Bytes({0x28, 0x23}));
  EXPECT_EQ(Rebuilt("lane-pair-adjustments tariff=T suffix=00", postal), postal);
  const std::string digits = Built("lane-pair-adjustments tariff=T suffix=00 pair-form=digits\n  adjustment pair=123045\n", "T.A00");
  EXPECT_EQ(digits.substr(0, 3), Bytes({0x12, 0x30, 0x45}));
  EXPECT_EQ(Rebuilt("lane-pair-adjustments tariff=T suffix=00 pair-form=digits", digits), digits);
  EXPECT_EQ(ErrorOf("lane-pair-adjustments tariff=T suffix=00 pair-form=digits\n  adjustment pair=A23045\n"),
            "line 2: field 'pair': \"A23045\" is not 6 digits");
  const std::vector<std::string> problems =
      DescriptionProblems("lane-pair-adjustments tariff=T suffix=00\n  adjustment pair=456000\n  adjustment pair=123000\n");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("out of order"), std::string::npos) << problems[0];
}

}  // namespace
}  // namespace dataset

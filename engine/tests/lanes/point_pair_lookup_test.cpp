// The lookup of lane adjustments by point-number pairs over .L files the
// data-set builder writes.
#include "lanes/point_pair_lookup.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/kernel/file.h"
#include "support/data_directory.h"

namespace vorn {
namespace {

class PointPairLookup : public ::testing::Test {
 protected:
  // The values of the hits for the lane from origin to destination.
  std::vector<std::uint16_t> hitsFor(std::string_view lanes, std::uint16_t origin, std::uint16_t destination) {
    data_.build("efcrec\n  record lane=Y\npoint-pair-lanes tariff=TSTFRT01\n" + std::string(lanes));
    std::optional<platform::File> file = platform::File::OpenReadOnly((data_ / "TSTFRT01.L00").string());
    EXPECT_TRUE(file.has_value());
    if (!file) return {};
    AdjustmentHitTable hits;
    hits.count = 3;  // left from an earlier lane
    EXPECT_EQ(LoadPointPairAdjustments(*file, origin, destination, hits), 0);
    std::vector<std::uint16_t> values;
    for (int i = 0; i < hits.count; ++i) {
      values.push_back(hits.values[static_cast<std::size_t>(i)].value);
      EXPECT_EQ(hits.values[static_cast<std::size_t>(i)].position, 0u);
    }
    return values;
  }

  testing::DataDirectory data_{""};
};

constexpr std::string_view kLanes = R"(
  lane origin=1 low=2 high=5 record=7
  lane origin=1 low=3 high=3 record=8
  lane origin=1 low=4 high=9 record=9
  lane origin=2 low=0 high=9 record=10
  lane origin=3 low=1 high=1 record=11
)";

TEST_F(PointPairLookup, EveryRecordFromTheFirstThatHoldsTheLane) {
  EXPECT_EQ(hitsFor(kLanes, 1, 3), (std::vector<std::uint16_t>{7, 8}));
  EXPECT_EQ(hitsFor(kLanes, 1, 2), (std::vector<std::uint16_t>{7}));
  EXPECT_EQ(hitsFor(kLanes, 1, 9), (std::vector<std::uint16_t>{9}));
  EXPECT_EQ(hitsFor(kLanes, 2, 0), (std::vector<std::uint16_t>{10}));
  EXPECT_EQ(hitsFor(kLanes, 3, 1), (std::vector<std::uint16_t>{11}));
}

TEST_F(PointPairLookup, ALaneNoRecordHoldsHasNoHits) {
  EXPECT_TRUE(hitsFor(kLanes, 1, 10).empty());
  EXPECT_TRUE(hitsFor(kLanes, 4, 1).empty());
  EXPECT_TRUE(hitsFor(kLanes, 0, 2).empty());
  EXPECT_TRUE(hitsFor("", 1, 2).empty());
}

TEST_F(PointPairLookup, StopsAtFifteenHits) {
  std::string lanes;
  for (int i = 1; i <= 17; ++i) lanes += "  lane origin=5 low=1 high=9 record=" + std::to_string(i) + "\n";
  const std::vector<std::uint16_t> values = hitsFor(lanes, 5, 4);
  ASSERT_EQ(values.size(), 15u);
  EXPECT_EQ(values.front(), 1);
  EXPECT_EQ(values.back(), 15);
}

TEST_F(PointPairLookup, AFileCutInARecordReadsItsWholeRecords) {
  data_.build("efcrec\n  record lane=Y\npoint-pair-lanes tariff=TSTFRT01\n  raw text=\"abcdefghij\"\n", true);
  std::optional<platform::File> file = platform::File::OpenReadOnly((data_ / "TSTFRT01.L00").string());
  ASSERT_TRUE(file.has_value());
  AdjustmentHitTable hits;
  EXPECT_EQ(LoadPointPairAdjustments(*file, 0x6261, 0x6463, hits), 0);
  EXPECT_EQ(hits.count, 1);
  EXPECT_EQ(hits.values[0].value, 0x6867);
}

}  // namespace
}  // namespace vorn

// The tariff's work tables read from its factor file, and a line priced on
// them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "common/version_number.h"
#include "common/version_text.h"
#include "core/class_break_index.h"
#include "core/class_break_rate.h"
#include "core/core_pass.h"
#include "core/fake_rate_source.h"
#include "core/line_pricing.h"
#include "engine_state/rating_engine.h"
#include "support/data_directory.h"

namespace vorn {
namespace {

using testing::DataDirectory;

class WorkTables : public ::testing::Test {
 protected:
  void load(std::string_view factorBlock) {
    data_.build("efcrec\n  record\ntds\n  entry\ntda\n  state\n" + std::string(factorBlock));
    engine_.effectivePath = data_.withSeparator();
    engine_.dataPath = data_.withSeparator();
    ASSERT_EQ(engine_.initializeEffectiveTable(), 0);
    ASSERT_EQ(engine_.effective.loadTariffForEntry(0, engine_.currentTariff, EngineVersionNumber()), 0);
  }
  DataDirectory data_{""};
  RatingEngine engine_;
  Rating rating_;
};

// A class is found by its whole code: not by a prefix, not past the NUL
// that ends a shorter code, and over all six bytes of a full-width one.
TEST(ClassIndex, MatchesWholeCodesOnly) {
  ClassBreakWork core;
  auto set = [&](std::size_t i, std::string_view code) {
    core.classCodes[i].fill('\0');
    std::copy(code.begin(), code.end(), core.classCodes[i].begin());
  };
  set(0, "100");
  set(1, "10");
  set(2, "123456");
  set(3, std::string_view("55\0"
                          "9",
                          4));
  core.classCount = 4;
  EXPECT_EQ(ClassIndex(core, "10"), 1);
  EXPECT_EQ(ClassIndex(core, std::string_view("100\0\0", 5)), 0);
  EXPECT_EQ(ClassIndex(core, "123456"), 2);
  EXPECT_EQ(ClassIndex(core, "12345"), -1);
  EXPECT_EQ(ClassIndex(core, "55"), 3);
  EXPECT_EQ(ClassIndex(core, "559"), -1);
  EXPECT_EQ(ClassIndex(core, "1000000"), -1);
  set(0, "FAK");
  EXPECT_EQ(ClassIndex(core, "10"), 0);  // a FAK tariff rates every class on its one row
  set(0, "100");
  core.classCount = 1;
  EXPECT_EQ(ClassIndex(core, "FAK"), 0);
  EXPECT_EQ(ClassIndex(core, "10"), -1);
}

TEST_F(WorkTables, TheFactorFileGivesTheClassesBreaksAndLabels) {
  load(
      "factor tariff=TSTFRT01\n  sets numbers=1\n  classes codes=\"100 50\"\n  breaks weights=\"2000 1000 500 0\"\n  "
      "class-factors\n  break-factors\n");
  rating_.core.classCount = 7;  // left from another tariff
  ASSERT_EQ(PrepareWorkTables(engine_, rating_), 0);
  const ClassBreakWork& core = rating_.core;
  EXPECT_EQ(core.classCount, 2);
  EXPECT_EQ(std::string(core.classCodes[1].data()), "50");
  ASSERT_EQ(core.breakCount, 4);
  EXPECT_EQ(core.breakWeights[0], 0);
  EXPECT_EQ(core.breakWeights[3], 2000);
  EXPECT_EQ(std::string(engine_.breakLabels[0].data(), 3), "L5C");
  EXPECT_EQ(std::string(engine_.breakLabels[8].data(), 4), "M40M");

  // 600 lb of class 50 on these tables: break 1 (500 lb) at 9.00 per cwt,
  //   600 x 900 / 100 = 5400 cents; break 2 (1000 lb) at 8.00 would cost
  //   600 x 8.00 + 400 x 8.00 = $80.00: no deficit.
  testing::FakeRateSource source;
  source.classRates(1, {1000, 900, 800, 700});
  ParsedRequest& r = rating_.request;
  r.detailCount = 1;
  r.details[0].classText = {'5', '0', 0, 0};
  r.details[0].weight = 600;
  ASSERT_EQ(RateClassWeightBreaks(engine_, rating_, source), 0);
  ASSERT_EQ(CheckLineRates(engine_, rating_, source), 0);
  ASSERT_EQ(PriceLinesAtActualWeight(engine_, rating_, source), 0);
  EXPECT_EQ(SearchDeficitFrom(engine_, rating_, source, 1), 1);
  ASSERT_EQ(PriceAtBreak(engine_, rating_, source, 1), 0);
  EXPECT_EQ(r.details[0].rate, 900);
  EXPECT_EQ(r.details[0].charge, 5400);
  EXPECT_EQ(r.chargeAfterMinimums, 5400);
}

TEST_F(WorkTables, AMissingFactorFileIsItsLoadError) {
  load("");
  EXPECT_EQ(PrepareWorkTables(engine_, rating_), 204);
  EXPECT_EQ(rating_.core.classCount, 0);
}

}  // namespace
}  // namespace vorn

// Making an effective record the current tariff: the version gate and the
// fields carried with it.
#include <gtest/gtest.h>

#include "common/version_number.h"
#include "common/version_text.h"
#include "engine_state/rating_engine.h"
#include "support/data_directory.h"

namespace vorn {
namespace {

using testing::DataDirectory;

class LoadTariff : public ::testing::Test {
 protected:
  void SetUp() override {
    data_.build(R"(
efcrec
  record name=NEWER001 version=4.19
  record name=OLDER001 version=3.99
  record name=GOOD0001 version=4.18 kind=7 date=2025-02-03 type=3 lane=L lane-digits=07 suffix.R=05 country=C flag45=S
  record name=FIVE0001 version=4.5
tds
  entry
tda
  state
)");
    engine_.effectivePath = data_.withSeparator();
    ASSERT_EQ(engine_.initializeEffectiveTable(), 0);
  }
  std::size_t positionOf(std::string_view name) const {
    const auto records = engine_.effective.records();
    for (std::size_t i = 0; i < records.size(); ++i)
      if (records[i].nameView() == name) return i;
    ADD_FAILURE() << name;
    return 0;
  }
  std::int16_t load(std::string_view name) {
    return engine_.effective.loadTariffForEntry(positionOf(name), engine_.currentTariff, EngineVersionNumber());
  }
  DataDirectory data_{""};
  RatingEngine engine_;
};

TEST_F(LoadTariff, RatingVersionsOutsideFourHundredToTheEnginesOwnAreRefused) {
  EXPECT_EQ(EngineVersionNumber(), 418);
  EXPECT_EQ(load("NEWER001"), 398);
  EXPECT_EQ(load("OLDER001"), 397);
  EXPECT_TRUE(engine_.currentTariff.isEmpty());  // a refused record never becomes current
  EXPECT_EQ(load("FIVE0001"), 0);
  EXPECT_FLOAT_EQ(engine_.currentTariff.ratingVersion, 4.5f);
}

TEST_F(LoadTariff, TheCurrentTariffCarriesTheRecordsFields) {
  ASSERT_EQ(load("GOOD0001"), 0);
  const CurrentTariff& t = engine_.currentTariff;
  EXPECT_EQ(t.name(), "GOOD0001");
  EXPECT_EQ(t.kind, 7);
  EXPECT_EQ(t.date, (DateKey{20, 25, 2, 3}));
  EXPECT_EQ(t.tariffType, '3');
  EXPECT_EQ(t.laneLetter, 'L');
  EXPECT_EQ(std::string_view(t.laneDigitsAndName.data(), 2), "07");
  EXPECT_EQ(std::string_view(t.suffixes.data() + 2, 2), "05");  // R uses columns 29-30
  EXPECT_EQ(t.country, 'C');
  EXPECT_EQ(t.flag45, 'S');
  EXPECT_FLOAT_EQ(t.ratingVersion, 4.18f);
}

TEST_F(LoadTariff, TheSameEntryAgainNeedsNoRead) {
  ASSERT_EQ(load("FIVE0001"), 0);
  std::filesystem::remove(data_ / "EFCREC.TBL");
  EXPECT_EQ(load("FIVE0001"), 0);
  EXPECT_EQ(load("GOOD0001"), 203);  // another entry must be read
}

}  // namespace
}  // namespace vorn

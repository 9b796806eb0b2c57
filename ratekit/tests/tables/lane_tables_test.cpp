// The lane tariff tables (.CBS, .CMT) and the lane files (.NDS, .APP) over
// good, empty, truncated and unsorted files; the lane files changed between
// ratings.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/testing/temp_directory.h"
#include "ratekit/ratekit32.h"
#include "rating/lane_files.h"
#include "support/test_context.h"
#include "tables/lane_tariff_tables.h"

namespace ratekit {
namespace {

using testing::TestContext;

constexpr std::string_view kBases =
    "10000149990NY01"
    "60000629990IL01"
    "K0A0AP9Z9Z0ON01";
constexpr std::string_view kTariffs =
    "0IL010NY01TARIFF_A"
    "0NY010IL01TARIFF_B"
    "0ON010NY01TARIFF_C";

struct LaneCase {
  const char* what;
  std::string_view bases, tariffs;  // "-": no file
  const char *origin, *destination;
  char loaded;
  int bse, tariff;
  const char* name;
};

TEST(LaneTariffTables, FindTheBaseCodesAndTheTariffOfALane) {
  const std::string truncated = std::string(kBases) + "99";
  const LaneCase cases[] = {
      {"both ends known", kBases, kTariffs, "10001", "60601", 'Y', 1, 1, "TARIFF_B"},
      {"the bounds belong to the range", kBases, kTariffs, "14999", "60000", 'Y', 1, 1, "TARIFF_B"},
      {"a postal code", kBases, kTariffs, "M5V2T6", "10001", 'Y', 1, 1, "TARIFF_C"},
      {"an end outside every range", kBases, kTariffs, "20000", "60601", 'Y', 0, 0, ""},
      {"a pair not listed", kBases, kTariffs, "60601", "60601", 'Y', 1, 0, ""},
      {"a short trailing piece is not read", truncated, kTariffs, "60601", "10001", 'Y', 1, 1, "TARIFF_A"},
      {"empty tables hold no lane", "", "", "10001", "60601", 'Y', 0, 0, ""},
      {"without .CMT", kBases, "-", "10001", "60601", 'N', 1, 0, ""},
      {"without .CBS", "-", kTariffs, "10001", "60601", 'N', 0, 0, ""},
      // Unsorted ranges: the binary search misses some, and says so.
      {"unsorted", "K0A0AP9Z9Z0ON0160000629990IL0110000149990NY01", kTariffs, "10001", "60601", 'Y', 0, 0, ""},
  };
  for (const auto& k : cases) {
    testing::SampleDataCopy data;
    if (k.bases != "-") data.write("LEVEL1.CBS", k.bases);
    if (k.tariffs != "-") data.write("LEVEL1.CMT", k.tariffs);
    TestContext context;
    context.useData(data.path(), "LEVEL1");
    context.setPoint(0, k.origin, "", "");
    context.setPoint(1, k.destination, "", "");
    context.setText(context::kTariffName, "");
    RatingContextView record = context.view();
    LoadLaneTariffTables(record);
    EXPECT_EQ(context.bytes(context::kLaneTariffTablesLoaded)[0], k.loaded) << k.what;
    EXPECT_EQ(GetZQBse(context.data()), k.bse) << k.what;
    EXPECT_EQ(GetZQTariffName(context.data()), k.tariff) << k.what;
    EXPECT_EQ(context.text(context::kTariffName), k.name) << k.what;
    FreeLaneTariffTables();
    EXPECT_EQ(GetZQBse(context.data()), 0);
  }
  EXPECT_EQ(GetZQBse(nullptr), 0);
  EXPECT_EQ(GetZQTariffName(nullptr), 0);
}

TEST(LaneFiles, JudgeTheLaneByWholeRecordsOnly) {
  const struct {
    const char* what;
    const char* nds;  // null: no file
    const char* app;
    const char *origin, *originState, *destination, *destinationState;
    bool noDiscount;
    int served;
  } cases[] = {
      {"no files", nullptr, nullptr, "75201", "TX", "75202", "TX", false, 1},
      {"empty files", "", "", "75201", "TX", "75202", "TX", false, 0},
      {"a listed state within itself", "NYTX", "750799K0AP9Z", "75201", "TX", "75202", "TX", true, 0},
      {"another state", "NYTX", "750799K0AP9Z", "75201", "TX", "10001", "NY", false, 0},
      {"a trailing byte is not a state", "NYT", "", "75201", "TX", "75202", "TX", false, 0},
      {"the U.S. end is the origin", "", "750799K0AP9Z", "75201", "TX", "K1A0B1", "ON", false, 1},
      {"or the destination", "", "000001K0AK0A750799K0AP9Z", "M5V2T6", "ON", "75201", "TX", false, 1},
      {"bounds included", "", "752752M5VM5V", "75201", "TX", "M5V2T6", "ON", false, 1},
      {"a truncated record", "", "750799K0AP9", "75201", "TX", "M5V2T6", "ON", false, 0},
  };
  for (const auto& k : cases) {
    testing::SampleDataCopy data;
    if (k.nds) data.write("LEVEL1.NDS", k.nds);
    if (k.app) data.write("LEVEL1.APP", k.app);
    TestContext context;
    context.useData(data.path(), "LEVEL1");
    context.setPoint(0, k.origin, k.originState, "");
    context.setPoint(1, k.destination, k.destinationState, "");
    EXPECT_EQ(IsNoDiscountLane(context.view()), k.noDiscount) << k.what;
    EXPECT_EQ(CheckQIVCAN(context.data()), k.served) << k.what;
  }
  EXPECT_EQ(CheckQIVCAN(nullptr), 0);
}

// Each rating judges the lane by the files as they are then: a change made
// within the second of the rating before (in place at the same size, by
// rename, a removal, a creation) is seen, also after settled files were kept.
TEST(LaneFiles, EachRatingSeesTheFilesAsTheyAreNow) {
  testing::SampleDataCopy data;
  const std::filesystem::path nds = data.path() / "SAMPLE01.NDS", app = data.path() / "SAMPLE01.APP";
  data.write("SAMPLE01.NDS", "NYTX");
  data.write("SAMPLE01.APP", "100100100100");
  testing::FakeEngineShipment c;
  c.context.useData(data.path());
  c.context.setPoint(1, "10002", "NY", "NEW YORK");
  c.context.setDiscounts(7.5f);
  c.context.setInt(context::kCanadaFlag, 1);
  auto expectLane = [&c](int noDiscount, int served, const char* what) {
    ASSERT_EQ(c.rate(), 0) << what;
    EXPECT_EQ(c.context.integer(context::kNoDiscountLane), noDiscount) << what;
    EXPECT_EQ(c.context.integer(context::kCheckQivCanResult), served) << what;
  };
  platform::testing::WaitUntilSettled({nds, app});
  expectLane(1, 1, "listed and served");
  expectLane(1, 1, "again, unchanged");
  platform::testing::Overwrite(nds, "NJTX");
  platform::testing::Overwrite(app, "100100200200");
  expectLane(0, 0, "rewritten in place");
  data.write("NEW.NDS", "TXNY");
  data.write("NEW.APP", "100100100100");
  std::filesystem::rename(data.path() / "NEW.NDS", nds);
  std::filesystem::rename(data.path() / "NEW.APP", app);
  expectLane(1, 1, "replaced by rename");
  std::filesystem::remove(nds);
  platform::testing::Overwrite(app, "100100200200");
  expectLane(0, 0, "no-discount states removed");
  data.write("SAMPLE01.NDS", "NY");
  std::filesystem::remove(app);
  expectLane(1, 1, "states created, approvals removed");
}

}  // namespace
}  // namespace ratekit

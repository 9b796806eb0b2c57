// RateShipment over the sample data set with the engine loaded by name:
// the figures the rating screen shows, the engine's refusals and the
// tariffs a level picks by lane.
#include <gtest/gtest.h>

#include <string>

#include "engine/engine_connection.h"
#include "platform/kernel/module_loader.h"
#include "ratekit/ratekit32.h"
#include "support/test_context.h"
#include "tables/lane_tariff_tables.h"
#include "vorn32/city_candidates.h"

namespace ratekit {
namespace {

using testing::BoxRecorder;
using testing::LoadedModule;
using testing::TestContext;
namespace rt = rating_totals;

// A context connected to the engine on a data directory.
// The level's lane tariff tables load first, as with the file set.
class Connected {
 public:
  explicit Connected(const std::filesystem::path& data = testing::SampleData(), std::string_view level = "SAMPLE01")
      : engine_(context, testing::EngineLibrary()) {
    context.useData(data, level);
    RatingContextView record = context.view();
    LoadLaneTariffTables(record);
    if (GetZQAddresses(context.data(), nullptr) != 1 || InitializeZQdll(context.data()) != 1)
      throw std::runtime_error("the engine does not start");
  }
  TestContext context;

 private:
  LoadedModule engine_;
};

std::string PointText(TestContext& c, std::size_t point, platform::FieldSpan field) {
  return c.bytes(shipment_point::Of(point, field));
}

TEST(SampleRatings, NewYorkToChicagoShowsTheEnginesFigures) {
  Connected c;
  c.context.setSampleShipment("ny_to_chicago");
  // Tables of another tariff before the rating.
  c.context.setText(context::ClassCode(0), "FAK");
  c.context.setInt(context::kClassCount, 1);
  c.context.setText(context::BreakLabel(0), "ALL");
  c.context.setInt(context::kBreakCount, 4);
  EXPECT_EQ(RateShipment(c.context.data(), 2, nullptr), 0);
  TestContext& x = c.context;
  EXPECT_EQ(x.text(shipment_lines::RateText(0)), "  44.72");
  EXPECT_EQ(x.text(shipment_lines::ChargeText(0)), "   536.64");
  EXPECT_EQ(x.text(shipment_lines::RateText(1)), "  60.62");
  EXPECT_EQ(x.text(shipment_lines::RateText(2)), "   0.00");
  EXPECT_EQ(x.bytes(rt::kNetCharge), "000748.81");
  EXPECT_EQ(x.text(rt::kHeaderAmountsSum), "0748.81");
  EXPECT_EQ(x.text(rt::kTotalCharge), "     748.81");
  EXPECT_EQ(x.text(rt::kTotalWeight), "  1550");
  EXPECT_EQ(x.text(context::kLastTotalWeightText), "  1550");
  EXPECT_EQ(x.text(rt::kDeficitWeight), "      ");
  EXPECT_EQ(x.text(rt::kSurchargeAmount), "     0.00");
  EXPECT_EQ(x.text(context::kRateBaseNumber), "00004B");
  EXPECT_EQ(x.integer(charge_list::Count(0)), 1);
  EXPECT_EQ(x.text(charge_list::Label(0, 0)), "MC     0#>");
  EXPECT_EQ(x.integer(charge_list::Charge(0, 0)), 12363);
  EXPECT_EQ(x.integer(context::UsRateItem(0)), 12363);
  EXPECT_EQ(PointText(x, 0, shipment_point::kState), "NY");
  // After the rating the tables are the defaults, the stride theirs.
  EXPECT_EQ(x.integer(context::kClassCount), 18);
  EXPECT_EQ(x.text(context::ClassCode(17)), "50");
  EXPECT_EQ(x.integer(context::kBreakCount), 9);
  EXPECT_EQ(x.text(context::BreakLabel(8)), "M40M");
  EXPECT_EQ(x.integer(context::BreakUpperBound(8)), 9999999);
  EXPECT_EQ(x.integer(context::kRateTableStride), 4);  // the tables' in use at the rating
  EXPECT_EQ(x.text(context::ClassCode(0)), "500");

  // 7.5 percent in every discount field.
  x.setDiscounts(7.5f);
  EXPECT_EQ(RateShipment(c.context.data(), 2, nullptr), 0);
  EXPECT_EQ(x.bytes(rt::kDiscountAmount), "    56.16");
  EXPECT_EQ(x.bytes(rt::kDiscountPercent), "07.50");
  EXPECT_EQ(x.text(rt::kHeaderAmountsSum), "0692.65");
  EXPECT_EQ(x.integer(context::kRateTableStride), 9);
}

TEST(SampleRatings, AnAmbiguousCityIsAskedTwiceAndShownOnce) {
  Connected c;
  BoxRecorder boxes;
  c.context.setSampleShipment("clinton_to_boston");
  c.context.setText(shipment_point::Of(0, shipment_point::kCity), "HAMPTON");
  EXPECT_EQ(RateShipment(c.context.data(), 1, nullptr), 9999);
  EXPECT_EQ(c.context.lastError(), -1);
  ASSERT_EQ(boxes.boxes().size(), 1u);
  EXPECT_EQ(boxes.boxes()[0].caption, "VORN Warning");
  EXPECT_EQ(boxes.boxes()[0].kind, RATEKIT_BOX_WARNING);
  EXPECT_EQ(boxes.boxes()[0].owner, nullptr);
  EXPECT_EQ(boxes.boxes()[0].text.substr(0, 5), "0124 ");
  for (CandidateBlock* block : {&*Engine().firstBlock, &*Engine().secondBlock}) {
    ASSERT_EQ(block->count(), 4);
    const auto* entries = static_cast<const char*>(block->data()) + vorn::candidates::kHeadSize;
    EXPECT_EQ(std::string(entries, 19), "NJANNANDALE        ");
    EXPECT_EQ(std::string(entries + 20, 19), "NJCLINTON          ");
    EXPECT_EQ(std::string(entries + 40, 19), "NJLEBANON          ");
    EXPECT_EQ(std::string(entries + 60, 19), vorn::candidates::kNoneOfTheAbove);
  }
  // The points keep their states and cities.
  EXPECT_EQ(PointText(c.context, 0, shipment_point::kState), "NJ");
  EXPECT_EQ(c.context.text(shipment_point::Of(0, shipment_point::kCity)), "HAMPTON");
}

TEST(SampleRatings, ARefusedLaneIsShownAndItsPointsBlanked) {
  const struct {
    const char* what;
    const char* origin;
    const char* originState;
    const char* destination;
    const char* cls;
    const char* weight;
    const char* code;
  } cases[] = {
      {"charges beyond the record", "M5V2T6", "ON", "75201", "500", "40000", "0145"},
      {"a destination outside the tariff", "10001", "NY", "99999", "85", "1200", "0217"},
  };
  for (const auto& k : cases) {
    Connected c;
    BoxRecorder boxes;
    c.context.setSampleShipment("toronto_to_dallas");
    c.context.setInt(context::kCanadaFlag, 1);
    c.context.setPoint(0, k.origin, k.originState, "SOMEWHERE");
    c.context.setPoint(1, k.destination, "TX", "DALLAS");
    c.context.setLine(0, k.cls, k.weight);
    EXPECT_EQ(RateShipment(c.context.data(), 1, nullptr), 9999) << k.what;
    EXPECT_EQ(c.context.lastError(), -1) << k.what;
    ASSERT_EQ(boxes.boxes().size(), 1u) << k.what;
    EXPECT_EQ(boxes.boxes()[0].text.substr(0, 4), k.code) << k.what;
    for (std::size_t point = 0; point < 2; ++point) {
      EXPECT_EQ(PointText(c.context, point, shipment_point::kStateBlanked), "   ") << k.what;
      EXPECT_EQ(PointText(c.context, point, shipment_point::kCity), std::string(31, ' ')) << k.what;
    }
    EXPECT_EQ(c.context.text(shipment_point::Of(0, shipment_point::kCode)), k.origin);
  }
}

TEST(SampleRatings, ACanadianLaneIsServedAsTheApprovalFileSays) {
  const struct {
    const char* app;  // null: the sample's own
    const char* rateBase;
    int approved;
  } cases[] = {{nullptr, "00020A", 1}, {"", "00020B", 0}, {"750799A0AB9Z", "00020B", 0}};
  for (const auto& k : cases) {
    testing::SampleDataCopy data;
    if (k.app != nullptr) data.write("SAMPLE01.APP", k.app);
    Connected c(data.path());
    c.context.setSampleShipment("toronto_to_dallas");
    c.context.setInt(context::kCanadaFlag, 1);
    EXPECT_EQ(RateShipment(c.context.data(), 1, nullptr), 0);
    EXPECT_EQ(c.context.text(context::kRateBaseNumber), k.rateBase);
    EXPECT_EQ(c.context.integer(context::kCheckQivCanResult), k.approved);
    EXPECT_EQ(CheckQIVCAN(c.context.data()), k.approved);
  }
}

TEST(SampleRatings, ALevelPicksEachLanesTariff) {
  const struct {
    const char* shipment;
    const char* tariff;
  } cases[] = {{"ny_to_chicago", "NACLASS1"},        {"clinton_to_boston", "NJCITY01"},
               {"lebanon_to_manhattan", "NJCITY01"}, {"atlanta_to_charlotte", "SEREGN01"},
               {"columbus_small", "NACLASS1"},       {"toronto_to_dallas", "NACLASS1"}};
  for (const auto& k : cases) {
    Connected c(testing::SampleData(), "SAMPLE02");
    c.context.setInt(context::kCanadaFlag, 1);
    c.context.setSampleShipment(k.shipment);
    c.context.setText(context::kTariffName, "");
    // The level's tables pick the tariff; the engine's table counts as one entry.
    EXPECT_EQ(c.context.bytes(context::kLaneTariffTablesLoaded), "Y");
    EXPECT_EQ(c.context.integer(context::kEffectiveEntriesKept), 1);
    EXPECT_EQ(RateShipment(c.context.data(), 1, nullptr), 0) << k.shipment;
    EXPECT_EQ(c.context.text(context::kTariffName), k.tariff) << k.shipment;
    EXPECT_EQ(c.context.integer(context::kRateTableStride), 9);  // no break table before: the defaults'
    EXPECT_EQ(GetZQBse(c.context.data()), 1);
    EXPECT_EQ(GetZQTariffName(c.context.data()), 1);
  }
}

TEST(SampleRatings, DetailCountsOutsideTheLinesAreTheEnginesToRefuse) {
  const struct {
    int count;
    int result;
    const char* code;
  } cases[] = {{2, 0, ""}, {0, 0, ""}, {-1, 0, ""}, {9, 9999, "0503"}, {100, 9999, "0382"}};
  for (const auto& k : cases) {
    Connected c;
    BoxRecorder boxes;
    c.context.setSampleShipment("ny_to_chicago");
    EXPECT_EQ(RateShipment(c.context.data(), k.count, nullptr), k.result) << k.count;
    EXPECT_EQ(boxes.boxes().empty() ? std::string() : boxes.boxes()[0].text.substr(0, 4), k.code) << k.count;
  }
}

TEST(SampleRatings, TheLibraryLoadedByNameRatesThroughItsExports) {
  platform::Module ratekit = platform::Module::Load((testing::SampleData() / "Ratekit32.DLL").string());
  ASSERT_TRUE(ratekit.isLoaded()) << platform::Module::lastError();
  platform::Module engine = platform::Module::Load(testing::EngineLibrary().string());
  ASSERT_TRUE(engine.isLoaded());
  auto host = ratekit.function<decltype(&RatekitHostInterface)>("RatekitHostInterface");
  auto bind = ratekit.function<decltype(&GetZQAddresses)>("GetZQAddresses");
  auto initialize = ratekit.function<decltype(&InitializeZQdll)>("InitializeZQdll");
  auto rate = ratekit.function<decltype(&RateShipment)>("RateShipment");
  auto end = ratekit.function<decltype(&EndZQdll)>("EndZQdll");
  ASSERT_TRUE(host && bind && initialize && rate && end);
  const bool connectedHere = Engine().isOpen();
  TestContext context;
  context.useData(testing::SampleData());
  context.setSampleShipment("ny_to_chicago");
  context.setInt(context::kEngineModule, static_cast<std::int32_t>(host()->makeToken(
                                             context.data(), RATEKIT_TOKEN_MODULE, engine.nativeHandle(), 0)));
  ASSERT_EQ(bind(context.data(), nullptr), 1);
  ASSERT_EQ(initialize(context.data()), 1);
  EXPECT_EQ(rate(context.data(), 2, nullptr), 0);
  EXPECT_EQ(context.bytes(rt::kNetCharge), "000748.81");
  EXPECT_EQ(end(context.data()), 1);
  // The library linked here kept its own state.
  EXPECT_EQ(Engine().isOpen(), connectedHere);
}

}  // namespace
}  // namespace ratekit

// The main sample level as the program starts on it (the level list, the
// defaults, the file set, the profiles, the discount file), then shipments
// checked, their discounts loaded and rated through the engine.
#include <gtest/gtest.h>

#include <string>

#include "engine/engine_connection.h"
#include "ratekit/ratekit32.h"
#include "support/test_context.h"

namespace ratekit {
namespace {

using testing::LevelDirectories;
using testing::LoadedModule;

class StartedLevel : public LevelDirectories {
 public:
  StartedLevel() : engine_(context, testing::EngineLibrary()) {
    void* c = context.data();
    context.setInt(context::kEngineInUse, 1);
    const int steps[] = {OpenLevelFile(c, "LEVEL.LVL"),
                         ReadDefFile(c),
                         OpenAllFiles(c, &stateTables),
                         ReadProfileFile(c),
                         ReadDiscFile(c),
                         GetZQAddresses(c, nullptr),
                         InitializeZQdll(c)};
    for (std::size_t i = 0; i < std::size(steps); ++i)
      if (steps[i] != 1)
        throw std::runtime_error("start-up step " + std::to_string(i) +
                                 " failed: " + std::to_string(context.lastError()));
    SetClassesAndWeights(c, 0, 0);
  }
  ~StartedLevel() { EndZQdll(context.data()); }

  void chooseProfile(std::string_view name) {
    context.setText(profile_record::Current(profile_record::kName), name);
    if (GetProfileRecord(context.data()) != 1) throw std::runtime_error("no profile " + std::string(name));
    LoadProfileSettings(context.data());
  }

  // The shipment entered as the screen enters it: each point's state, its
  // checks, each line's checks, the discounts, the rating.
  int rate(std::string_view shipment) {
    void* c = context.data();
    const int lines = context.setSampleShipment(shipment);
    for (std::size_t p = 0; p < 2; ++p) {
      char* point = context.view().chars() + shipment_point::Of(p, {0, 0}).offset;
      EXPECT_EQ(GetStateCode(c, point, point + shipment_point::kState.offset, point + shipment_point::kStateFlag.offset,
                             point + shipment_point::kTerritoryLetter.offset),
                1)
          << shipment << " " << p;
    }
    EXPECT_EQ(VerOrigZip(c) + VerDestZip(c) + VerTerritory(c), 3) << shipment << " " << context.lastError();
    for (int i = 0; i < lines; ++i) {
      const auto l = static_cast<std::size_t>(i);
      EXPECT_EQ(VerClass(c, context.text(shipment_lines::ClassCode(l)).c_str(), i, 0), 1) << shipment;
      EXPECT_EQ(VerWeight(c, context.text(shipment_lines::WeightText(l)).c_str(), i), 1) << shipment;
    }
    LoadDiscounts(c, discountTexts_, 0);
    return RateShipment(c, lines, nullptr);
  }

 private:
  LoadedModule engine_;
  char discountTexts_[1792] = {};
};

TEST(StartupRatings, TheMainLevelStartsAndRatesItsShipments) {
  StartedLevel level;
  testing::TestContext& c = level.context;
  EXPECT_EQ(c.text(context::kShipmentDate), "01-01-2025");
  EXPECT_EQ(c.integer(context::kLevelCount), 1);
  EXPECT_EQ(level.stateTables, 1);
  EXPECT_EQ(c.integer(context::kDiscountEntryCount), 9);
  EXPECT_EQ(GetProfileSize(c.data()), 4);
  EXPECT_TRUE(std::filesystem::exists(level.startupFile("PROFILE.FIL")));

  // Discounts off, as the defaults leave them.
  ASSERT_EQ(level.rate("ny_to_chicago"), 0) << c.lastError();
  EXPECT_EQ(Engine().request.text(vorn::shipment::kNetCharge), "0748.81");
  EXPECT_EQ(c.text(rating_totals::kHeaderAmountsSum), "0748.81");

  // A customer whose Georgia to North Carolina pair takes 30 percent off the net.
  level.chooseProfile("Peach State Mills");
  EXPECT_EQ(c.bytes(rating_defaults::kDiscountKind), "C");
  const struct {
    const char* shipment;
    const char *net, *before, *originLetter;
  } cases[] = {{"atlanta_to_charlotte", "0257.88", "0368.40", "D"},
               {"savannah_to_charlotte", "0268.63", "0383.76", "I"}};
  for (const auto& k : cases) {
    ASSERT_EQ(level.rate(k.shipment), 0) << k.shipment << " " << c.lastError();
    EXPECT_EQ(c.bytes(context::kDiscountSource), "Z");
    EXPECT_EQ(c.view().floatAt(context::kMcDiscount.offset), 30.0f);
    // The engine's net after the percentage off (its answer's net charge);
    // the record's sum of the net and that amount is the net before it.
    EXPECT_EQ(Engine().request.text(vorn::shipment::kNetCharge), k.net) << k.shipment;
    EXPECT_EQ(c.text(rating_totals::kHeaderAmountsSum), k.before) << k.shipment;
    EXPECT_EQ(c.bytes(shipment_point::Of(0, shipment_point::kServiceLetter)), k.originLetter) << k.shipment;
  }

  // At the end the defaults go back whole.
  ASSERT_EQ(WriteDefFile(c.data()), 1);
  ASSERT_EQ(WriteAccFile(c.data()), 1);
  EXPECT_EQ(platform::testing::ReadFileText(level.startupFile("SAMPLE01.ACC")),
            platform::testing::ReadFileText(level.dataFile("SAMPLE01.ACC")));
  EXPECT_EQ(CloseAllFiles(c.data()), 1);
}

}  // namespace
}  // namespace ratekit

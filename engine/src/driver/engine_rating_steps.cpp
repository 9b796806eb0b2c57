#include "driver/rating_steps.h"

#include "common/engine_error.h"
#include "engine/rating_engine.h"
#include "points/border_crossing.h"
#include "points/point_services.h"
#include "setup/shipment_tariff.h"

namespace vorn {
namespace {

// The engine's steps: those whose readers are in place run them; the others
// answer 200 ("Tariff Files Not Found").
class EngineSteps final : public RatingSteps {
 public:
  std::int16_t setupShipmentTariff(RatingEngine& e, int pass) override { return SetupShipmentTariff(e, pass); }
  std::int16_t prepareBureauTariff(RatingEngine&) override { return code::kTariffFilesNotFound; }
  std::int16_t handleCombinedPoints(RatingEngine&) override { return code::kTariffFilesNotFound; }
  std::int16_t findPointServices(RatingEngine& e) override { return FindPointService(e); }
  void consultServiceGuide(RatingEngine&, ShipmentRecord&) override {}
  std::int16_t readBorderCrossing(RatingEngine& e) override { return ReadBorderCrossing(e); }
  void closeTariffFilesOnChange(RatingEngine& e) override { e.files.closeOnTariffChange(e.currentTariff); }
  std::int16_t prepareWorkTables(RatingEngine&) override { return code::kTariffFilesNotFound; }
  std::int16_t runTariffMethod(RatingEngine&) override { return code::kTariffFilesNotFound; }
  std::int16_t rateClassesAndBreaks(RatingEngine&) override { return code::kTariffFilesNotFound; }
  void closeRateFiles(RatingEngine& e) override { e.files.close('R'); }
  std::int16_t checkLineRates(RatingEngine&) override { return code::kTariffFilesNotFound; }
  std::int16_t priceLinesAtActualWeight(RatingEngine&) override { return code::kTariffFilesNotFound; }
  void discountLineTotalAtBreak(RatingEngine&, int) override {}
  int searchDeficitFrom(RatingEngine&, int b) override { return b; }
  std::int16_t priceAtBreak(RatingEngine&, int) override { return code::kTariffFilesNotFound; }
  std::int32_t applyBreakDiscount(RatingEngine&, std::int32_t amount, int) override { return amount; }
};

}  // namespace

RatingSteps& EngineRatingSteps() {
  static EngineSteps steps;
  return steps;
}

}  // namespace vorn

#include "core/core_pass.h"
#include "core/line_pricing.h"
#include "directory/shipment_tariff.h"
#include "engine_state/rating_engine.h"
#include "engine_state/rating_steps.h"
#include "errors/engine_error.h"
#include "guide/consult_service_guide.h"
#include "methods/method_dispatcher.h"
#include "points/border_crossing.h"
#include "points/point_services.h"
#include "rating/rate_source.h"

namespace vorn {
namespace {

// The engine's steps: those whose readers are in place run them; the others
// answer 200 ("Tariff Files Not Found").
class EngineSteps final : public RatingSteps {
 public:
  std::int16_t setupShipmentTariff(RatingEngine& e, int pass) override { return SetupShipmentTariff(e, pass); }
  // A bureau tariff's preparation is not described by its data: no type-'Y'
  // tariff is rated (202) rather than rated without its percentages.
  std::int16_t prepareBureauTariff(RatingEngine&) override { return code::kInvalidTariffType; }
  std::int16_t handleCombinedPoints(RatingEngine& e) override { return HandleCombinedPoints(e); }
  std::int16_t findPointServices(RatingEngine& e) override { return FindPointService(e); }
  void consultServiceGuide(RatingEngine& e, ShipmentRecord& record) override { ConsultServiceGuide(e, record); }
  std::int16_t readBorderCrossing(RatingEngine& e) override { return ReadBorderCrossing(e); }
  void closeTariffFilesOnChange(RatingEngine& e) override { e.files.closeOnTariffChange(e.currentTariff); }
  std::int16_t prepareWorkTables(RatingEngine& e) override { return PrepareWorkTables(e); }
  std::int16_t runTariffMethod(RatingEngine& e) override { return RunTariffMethod(e); }
  std::int16_t rateClassesAndBreaks(RatingEngine& e) override { return RateClassWeightBreaks(e, EngineRateSource()); }
  void closeRateFiles(RatingEngine& e) override { e.files.close('R'); }
  std::int16_t checkLineRates(RatingEngine& e) override { return CheckLineRates(e, EngineRateSource()); }
  std::int16_t priceLinesAtActualWeight(RatingEngine& e) override {
    return PriceLinesAtActualWeight(e, EngineRateSource());
  }
  void discountLineTotalAtBreak(RatingEngine& e, int b) override { DiscountLineTotalAtBreak(e, b); }
  int searchDeficitFrom(RatingEngine& e, int b) override { return SearchDeficitFrom(e, EngineRateSource(), b); }
  std::int16_t priceAtBreak(RatingEngine& e, int b) override { return PriceAtBreak(e, EngineRateSource(), b); }
  std::int32_t applyBreakDiscount(RatingEngine& e, std::int32_t amount, int b) override {
    return static_cast<std::int32_t>(DiscountChargeAtBreak(e, amount, b));
  }
};

}  // namespace

RatingSteps& EngineRatingSteps() {
  static EngineSteps steps;
  return steps;
}

}  // namespace vorn

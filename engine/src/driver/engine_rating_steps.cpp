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
#include "rating/rating.h"

namespace vorn {
namespace {

// The engine's steps: those whose readers are in place run them; the others
// answer 200 ("Tariff Files Not Found").
class EngineSteps final : public RatingSteps {
 public:
  std::int16_t setupShipmentTariff(RatingEngine& e, Rating& rating, int pass) override {
    return SetupShipmentTariff(e, rating, pass);
  }
  std::int16_t prepareBureauTariff(RatingEngine& e, Rating& rating) override { return PrepareBureauTariff(e, rating); }
  std::int16_t handleCombinedPoints(RatingEngine& e, Rating& rating) override {
    return HandleCombinedPoints(e, rating);
  }
  std::int16_t findPointServices(RatingEngine& e, Rating& rating) override { return FindPointService(e, rating); }
  void consultServiceGuide(RatingEngine& e, Rating& rating) override { ConsultServiceGuide(e, rating); }
  std::int16_t readBorderCrossing(RatingEngine& e, Rating& rating) override { return ReadBorderCrossing(e, rating); }
  void closeTariffFilesOnChange(RatingEngine& e) override { e.files.closeOnTariffChange(e.currentTariff); }
  std::int16_t prepareWorkTables(RatingEngine& e, Rating& rating) override { return PrepareWorkTables(e, rating); }
  std::int16_t runTariffMethod(RatingEngine& e, Rating& rating) override { return RunTariffMethod(e, rating); }
  std::int16_t rateClassesAndBreaks(RatingEngine& e, Rating& rating) override {
    return RateClassWeightBreaks(e, rating, EngineRateSource());
  }
  void closeRateFiles(RatingEngine& e) override { e.files.close('R'); }
  std::int16_t checkLineRates(RatingEngine& e, Rating& rating) override {
    return CheckLineRates(e, rating, EngineRateSource());
  }
  std::int16_t priceLinesAtActualWeight(RatingEngine& e, Rating& rating) override {
    return PriceLinesAtActualWeight(e, rating, EngineRateSource());
  }
  void discountLineTotalAtBreak(RatingEngine&, Rating& rating, int b) override { DiscountLineTotalAtBreak(rating, b); }
  int searchDeficitFrom(RatingEngine& e, Rating& rating, int b) override {
    return SearchDeficitFrom(e, rating, EngineRateSource(), b);
  }
  std::int16_t priceAtBreak(RatingEngine& e, Rating& rating, int b) override {
    return PriceAtBreak(e, rating, EngineRateSource(), b);
  }
  std::int32_t applyBreakDiscount(RatingEngine&, Rating& rating, std::int32_t amount, int b) override {
    return static_cast<std::int32_t>(DiscountChargeAtBreak(rating, amount, b));
  }
};

}  // namespace

RatingSteps& EngineRatingSteps() {
  static EngineSteps steps;
  return steps;
}

}  // namespace vorn

#include "driver/rating_steps.h"

#include "common/engine_error.h"

namespace vorn {
namespace {

constexpr std::int16_t kTariffFilesNotFound = code::kTariffFilesNotFound;

class Pending final : public RatingSteps {
 public:
  std::int16_t setupShipmentTariff(RatingEngine&, int) override { return kTariffFilesNotFound; }
  std::int16_t prepareBureauTariff(RatingEngine&) override { return kTariffFilesNotFound; }
  std::int16_t handleCombinedPoints(RatingEngine&) override { return kTariffFilesNotFound; }
  std::int16_t findPointServices(RatingEngine&) override { return kTariffFilesNotFound; }
  void consultServiceGuide(RatingEngine&, ShipmentRecord&) override {}
  std::int16_t readBorderCrossing(RatingEngine&) override { return kTariffFilesNotFound; }
  void closeTariffFilesOnChange(RatingEngine&) override {}
  std::int16_t prepareWorkTables(RatingEngine&) override { return kTariffFilesNotFound; }
  std::int16_t runTariffMethod(RatingEngine&) override { return kTariffFilesNotFound; }
  std::int16_t rateClassesAndBreaks(RatingEngine&) override { return kTariffFilesNotFound; }
  void closeRateFiles(RatingEngine&) override {}
  std::int16_t checkLineRates(RatingEngine&) override { return kTariffFilesNotFound; }
  std::int16_t priceLinesAtActualWeight(RatingEngine&) override { return kTariffFilesNotFound; }
  void discountLineTotalAtBreak(RatingEngine&, int) override {}
  int searchDeficitFrom(RatingEngine&, int b) override { return b; }
  std::int16_t priceAtBreak(RatingEngine&, int) override { return kTariffFilesNotFound; }
  std::int32_t applyBreakDiscount(RatingEngine&, std::int32_t amount, int) override { return amount; }
};

}  // namespace

RatingSteps& PendingRatingSteps() {
  static Pending steps;
  return steps;
}

}  // namespace vorn

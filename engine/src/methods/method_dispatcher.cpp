#include "methods/method_dispatcher.h"

#include "effective/tariff_types.h"
#include "engine_state/rating_engine.h"
#include "errors/engine_error.h"
#include "methods/method_services.h"
#include "methods/tariff_methods.h"
#include "rating/rating.h"

namespace vorn {
namespace {

constexpr std::size_t kShortRecordLength = 16;  // type 'A' with point-file flag 'M'

TariffTypeRow RowOf(char type) {
  const std::optional<TariffTypeRow> row = FindTariffType(type);
  if (!row) Raise(code::kInvalidTariffType);
  return *row;
}

void Dispatch(RatingEngine& engine, Rating& rating, std::string& text, MethodServices& services, char type,
              const TariffTypeRow& row) {
  const std::size_t length = row.rateRecordBytes;
  switch (type) {
    case '0': return RateByMatrix(engine, rating, text, {.addOns = true}, length);
    case '1':
      return RateByMatrix(engine, rating, text, {.zoneList = true, .addOns = true, .numberedText = true}, length);
    case '2': return;  // nothing is looked up
    case '3': return RateByMatrix(engine, rating, text, {.zoneList = true, .addOns = true}, length);
    case '4':
    case '5':
    case '6':
    case 'B':
    case 'C': return RateByMatrix(engine, rating, text, {}, length);
    case 'A':
      return RateByMatrix(engine, rating, text, {}, engine.currentTariff.flag45 == 'M' ? kShortRecordLength : length);
    case '7': return RateByAddOnArithmetic(engine, rating, text);
    case 'D': return RateByMatrix(engine, rating, text, {.addOns = true, .numberedText = true}, length);
    case 'E':
    case 'F':
    case 'G':
    case 'H': return RateByBaseAndTable(engine, rating, text, length);
    case 'I': return RateByBaseAndAdjustment(engine, rating, text, length);
    case 'J': return RateByTableJ(engine, rating, text, length);
    case 'K': return RateByVariantK(engine, rating, text, length);
    case 'L': return RateByLightTable(engine, rating, text, length);
    case 'M': return RateByLightRecord(engine, rating, text, length);
    case 'N': return RateCombinedTariff(engine, rating, text, services, length);
    default:
      // 'Y' and unknown types have no method.
      Raise(code::kInvalidTariffType);
  }
}

}  // namespace

void RateByTariffMethod(RatingEngine& engine, Rating& rating, std::string& text, MethodServices& services) {
  const CurrentTariff& t = engine.currentTariff;
  // Nothing a previous pass left (an add-on or adjustment record) carries
  // over into this one.
  rating.methods.clear();
  services.prepareCityPoints(engine, rating, t.flag45 == 'A');
  const char type = t.tariffType;
  const TariffTypeRow row = RowOf(t.ratedType());
  if (type < '0' || type > 'N') Raise(code::kInvalidTariffType);
  Dispatch(engine, rating, text, services, type, row);

  // A '+' at header byte 161 steps the rate record forward, by the type of
  // the tariff now current (a substitute may have replaced it).
  if (rating.request.rateBasisStep)
    ApplyRateBasisStep(engine, rating, text, *rating.request.rateBasisStep, RowOf(t.ratedType()).rateRecordBytes);
}

std::int16_t RunTariffMethod(RatingEngine& engine, Rating& rating) {
  try {
    std::string text;
    RateByTariffMethod(engine, rating, text, EngineMethodServices());
    rating.answer.methodText = text;
  } catch (const EngineError& e) {
    return e.code;
  }
  return 0;
}

std::int16_t PrepareBureauTariff(RatingEngine& engine, Rating& rating) {
  try {
    ReadLaneRateRecord(engine, rating, false, true, RowOf(engine.currentTariff.tariffType).rateRecordBytes);
  } catch (const EngineError& e) {
    return e.code;
  }
  const RateRecord& record = rating.rates.rateRecord;
  rating.bureau =
      BureauPercentages{static_cast<std::int32_t>(record.entry(0)), static_cast<std::int32_t>(record.entry(1)),
                        static_cast<std::int32_t>(record.entry(2))};
  return 0;
}

std::int16_t HandleCombinedPoints(RatingEngine& engine, Rating& rating) {
  try {
    CombinedRecordNumber(engine, rating);
  } catch (const EngineError& e) {
    return e.code;
  }
  return 0;
}

}  // namespace vorn

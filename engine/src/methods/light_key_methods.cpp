// The table methods that build the rate record's key from the light
// edition's tables: types 'I' (base and adjustment), 'J' (the table method
// of letter 'J') and 'M' (the light record method).
#include <cstdio>

#include "engine_state/rating_engine.h"
#include "errors/engine_error.h"
#include "methods/light_table_stage.h"
#include "methods/tariff_methods.h"
#include "rates/light_edition.h"
#include "rates/rate_file.h"
#include "rates/rate_record_fetch.h"
#include "rating/rating.h"

namespace vorn {
namespace {

constexpr std::string_view kTableJKey = "011 000000";
constexpr std::string_view kLightRecordKey = "001 00000H";
constexpr char kStartEntry = '0';  // the lettered-code entry types 'J' and 'M' start from
constexpr std::int64_t kGroupDivisor = 10000;

// The rate record of a key the method built must name a number of its own.
void RequireNumberedRecord(const Rating& rating) {
  if (!rating.rates.rateRecord.hasSubRecords()) Raise(code::kInvalidRateBasisNumber);
}

// The key's new number: its own number plus what the light tables find for
// the lane. Kinds 'B' and 'M' also carry the points' add-ons: the first sum
// (the own number, plus the number of the 'M' step) takes them unless it
// already stands at their sum, and a matrix record the 'B' step found adds
// the number it leaves in the key.
std::int64_t BaseAndAdjustmentNumber(RatingEngine& engine, Rating& rating, char kind) {
  const std::int64_t own = KeyRateBasisNumber(rating);
  const std::int64_t found = light_stage::ShipmentNumber(engine, rating, kind, LightForm::Binary);
  if (kind != 'B' && kind != 'M') return own + found;
  const std::int64_t addOns =
      static_cast<std::int64_t>(rating.rates.origin.addOn) + static_cast<std::int64_t>(rating.rates.destination.addOn);
  const std::int64_t first = own + (kind == 'M' ? found : 0);
  const std::int64_t matrixNumber = kind == 'B' ? found : 0;
  return first + (first == 0 || first != addOns ? addOns : 0) + matrixNumber;
}

}  // namespace

void RateByBaseAndAdjustment(RatingEngine& engine, Rating& rating, std::string& text, std::size_t recordLength) {
  ReadLaneRateRecord(engine, rating, false, true, recordLength);
  const light_stage::FilesClosed closed(engine);
  const char kind = light_stage::StartFromHead(engine, rating);
  SetKeyRateBasisNumber(rating, BaseAndAdjustmentNumber(engine, rating, kind));
  LoadRateByTariffType(engine, rating, recordLength);
  RequireNumberedRecord(rating);
  light_stage::SelectKeyTables(engine, rating);
  text = RateBasisTextOf(rating.rates.rateRecord);
  if (kind == 'C') light_stage::LeaveAddOnRecord(engine, rating, LightForm::Binary);
}

void RateByTableJ(RatingEngine& engine, Rating& rating, std::string& text, std::size_t recordLength) {
  ReadLaneRateRecord(engine, rating, false, true, recordLength);
  const light_stage::FilesClosed closed(engine);
  LoadLetteredCodeTable(engine);
  light_stage::SetKey(rating, kTableJKey);
  ApplyLetteredCode(engine, rating, kStartEntry);
  rating.tables.key.text[RateRecordKey::kRateBasisLetter] = 'J';
  // The light key of the lane: the matrix of the "J2" bases, or the number
  // the lane's record names, each with the "J1" add values.
  const bool keyed = RateLiteTariff(engine, rating, 'J') != 0 || rating.rates.rateRecord.hasSubRecords();
  if (keyed) {
    const RateRecordKey key = rating.tables.key;
    LoadRateByTariffType(engine, rating, recordLength);
    // A key the rate file does not hold is no rate for the lane.
    if (rating.rates.rateRecord.head() != key.view()) Raise(code::kCantReadRateFile);
    // The lane is rated on the tariff the key's entry leaves current (its
    // substitute when the entry's flag asks for one).
    ReadLaneRateRecord(engine, rating, false, true, CurrentRateRecordLength(engine));
  }
  const char variant = rating.rates.rateRecord.variantDigit();
  if (variant >= '0' && variant <= '9') SelectTariffNumberTables(engine, rating, variant - '0');
  text = RateBasisTextOf(rating.rates.rateRecord);
}

void RateByLightRecord(RatingEngine& engine, Rating& rating, std::string& text, std::size_t recordLength) {
  OpenRateFile(engine);
  const light_stage::FilesClosed closed(engine);
  LoadLetteredCodeTable(engine);
  light_stage::SetKey(rating, kLightRecordKey);
  ApplyLetteredCode(engine, rating, kStartEntry);
  // n: its ten-thousands are the group code, the rest is added to the key's
  // own number.
  const std::int64_t n = light_stage::ShipmentNumber(engine, rating, 'M', LightForm::Binary);
  bool keyed = false;
  if (n > 0) {
    const std::int64_t own = KeyRateBasisNumber(rating);
    char group[8];
    std::snprintf(group, sizeof group, "%3.3lld", static_cast<long long>(n / kGroupDivisor % 1000));
    light_stage::SetKey(rating, group);
    SetKeyRateBasisNumber(rating, own + n % kGroupDivisor);
    rating.tables.key.text[RateRecordKey::kRateBasisLetter] = kLightRecordKey.back();
    LoadRateByTariffType(engine, rating, recordLength);
    keyed = rating.rates.rateRecord.hasSubRecords();
  }
  // Without a numbered record of the light key, the lane's own record.
  if (!keyed) ReadLaneRateRecord(engine, rating, false, true, CurrentRateRecordLength(engine));
  light_stage::StartFromHead(engine, rating);
  light_stage::LoadKeyedRecord(engine, rating, CurrentRateRecordLength(engine), true);
  light_stage::SelectKeyTables(engine, rating);
  text = RateBasisTextOf(rating.rates.rateRecord);
}

}  // namespace vorn

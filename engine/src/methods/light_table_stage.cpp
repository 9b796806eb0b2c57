#include "methods/light_table_stage.h"

#include <algorithm>

#include "engine_state/rating_engine.h"
#include "errors/engine_error.h"
#include "methods/tariff_methods.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"
#include "rates/light_edition.h"
#include "rates/rate_record_fetch.h"
#include "rating/rating.h"

namespace vorn::light_stage {
namespace {

bool KeyIsHead(const Rating& rating) { return rating.tables.key.view() == rating.rates.rateRecord.head(); }

}  // namespace

bool FilesOpen(RatingEngine& engine) {
  const bool open = engine.files.open(engine, 'B') == 0 && engine.files.open(engine, 'K') == 0 &&
                    engine.files.file('B') != nullptr && engine.files.file('K') != nullptr;
  if (!open) {
    engine.files.close('B');
    engine.files.close('K');
  }
  return open;
}

FilesClosed::~FilesClosed() {
  engine_.files.close('B');
  engine_.files.close('K');
}

char StartFromHead(RatingEngine& engine, Rating& rating) {
  LoadLetteredCodeTable(engine);
  const std::string_view head = rating.rates.rateRecord.head();
  std::copy(head.begin(), head.end(), rating.tables.key.text.begin());
  const char kind = rating.tables.key.letter();
  ApplyLetteredCode(engine, rating, kind);
  return kind;
}

void LoadKeyedRecord(RatingEngine& engine, Rating& rating, std::size_t recordLength, bool loadFirst) {
  if (loadFirst) LoadRateByTariffType(engine, rating, recordLength);
  if (!KeyIsHead(rating)) LoadRateByTariffType(engine, rating, recordLength);
  if (!rating.rates.rateRecord.hasSubRecords()) Raise(code::kInvalidZipCombination);
}

std::int64_t ShipmentNumber(RatingEngine& engine, Rating& rating, char kind, LightForm form) {
  const std::int64_t own = KeyRateBasisNumber(rating);
  SetKeyRateBasisNumber(rating, 0);
  std::int64_t n = 0;
  std::int32_t value = 0;
  switch (kind) {
    case 'B':
      if (RateLiteStep(engine, rating, kind, value, form) == 1) n = KeyRateBasisNumber(rating);
      break;
    case 'C': RateLiteStep(engine, rating, kind, value, form); break;
    case 'M':
      RateLiteStep(engine, rating, kind, value, form);
      n = value;
      break;
    default: {
      RateLiteTariff(engine, rating, kind, form);
      n = KeyRateBasisNumber(rating);
      // A rate record with a number of its own gives that number to the
      // lookup of 'J'; only what the tables add to it is found here.
      const RateRecord& record = rating.rates.rateRecord;
      if (kind == 'J' && record.hasSubRecords())
        n -= static_cast<std::int64_t>(
            platform::PositionalDigits(record.field(RateRecord::kSubRecordField).substr(1)).value);
      break;
    }
  }
  SetKeyRateBasisNumber(rating, own);
  return n;
}

void SetKey(Rating& rating, std::string_view key) {
  std::copy_n(key.begin(), std::min(key.size(), rating.tables.key.text.size()), rating.tables.key.text.begin());
}

void LeaveAddOnRecord(RatingEngine& engine, Rating& rating, LightForm form) {
  RateLiteTariff(engine, rating, 'C', form);
  AddOnRecord& a = rating.methods.addOn;
  a.kind = 'C';
  a.firstAmount = PackedAddValue(rating, true, form);
  a.secondAmount = PackedAddValue(rating, false, form);
}

void SelectKeyTables(RatingEngine& engine, Rating& rating) {
  SelectTariffNumberTables(engine, rating, platform::FieldToInteger(rating.tables.key.view().substr(0, 3)));
}

}  // namespace vorn::light_stage

#include "methods/light_table_stage.h"

#include <algorithm>

#include "engine_state/rating_engine.h"
#include "errors/engine_error.h"
#include "methods/tariff_methods.h"
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

void SelectKeyTables(RatingEngine& engine, Rating& rating) {
  SelectTariffNumberTables(engine, rating, platform::FieldToInteger(rating.tables.key.view().substr(0, 3)));
}

}  // namespace vorn::light_stage

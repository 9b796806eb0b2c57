#include "engine_state/rating_engine.h"
#include "methods/light_table_stage.h"
#include "methods/tariff_methods.h"
#include "minimums/minimum_table.h"
#include "rates/light_edition.h"
#include "rating/rating.h"

namespace vorn {

void RateByLightTable(RatingEngine& engine, Rating& rating, std::string& text, std::size_t recordLength) {
  ReadLaneRateRecord(engine, rating, false, true, recordLength);
  const light_stage::FilesClosed closed(engine);
  const char letter = light_stage::StartFromHead(engine, rating);
  switch (letter) {
    case 'A':
    case 'X':
    case 'Y':
      // A record with a number of its own keeps it unless the tariff's zero
      // flag says otherwise.
      if (rating.tables.key.view().substr(RateRecordKey::kRateBasisNumber.offset, 5) == "00000" ||
          engine.currentTariff.flag73 != '0')
        RateLiteTariff(engine, rating, letter);
      break;
    case 'D':
    case 'E':
    case 'F':
    case 'H':
    case 'J': RateLiteTariff(engine, rating, letter); break;
    default: break;
  }
  if (rating.rates.rateRecord.kind() == 'A') RateLiteTariff(engine, rating, 'E');
  light_stage::LoadKeyedRecord(engine, rating, recordLength, true);
  light_stage::SelectKeyTables(engine, rating);
  text = RateBasisTextOf(rating.rates.rateRecord);
  if (letter == 'C') light_stage::LeaveAddOnRecord(engine, rating, LightForm::Binary);
  if (letter == 'H') {
    ReadMinimumTable(engine, rating.methods.minimumTable);
    rating.methods.hasMinimumTable = true;
  }
}

}  // namespace vorn

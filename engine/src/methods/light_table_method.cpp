#include <cstring>

#include "engine_state/rating_engine.h"
#include "formats/packed_codes.h"
#include "methods/light_table_stage.h"
#include "methods/tariff_methods.h"
#include "minimums/minimum_table.h"
#include "rates/light_edition.h"
#include "rating/rating.h"

namespace vorn {
namespace {

// The add value of a base record (binary form) as five packed digits; no
// record, or the value that stands for none, is zero.
std::array<std::uint8_t, 3> AddValueOf(const platform::ByteRecord<kLightTextRecordSize>& base, bool found) {
  constexpr std::size_t kAddValue = 9;
  std::array<std::uint8_t, 3> packed{};
  if (!found) return packed;
  std::memcpy(packed.data(), base.data() + kAddValue, packed.size());
  const std::optional<std::int64_t> value = PackedDigitsValue(packed, 5);
  if (!value || *value == light::kNoAddValue) packed.fill(0);
  return packed;
}

// Kind 'C': the add-on amounts of the two ends' base records, which the
// core adds to the minimums and the first two breaks.
void LeaveAddOnRecord(RatingEngine& engine, Rating& rating) {
  RateLiteTariff(engine, rating, 'C');
  const TariffTableWork& t = rating.tables;
  AddOnRecord& a = rating.methods.addOn;
  a.kind = 'C';
  a.firstAmount = AddValueOf(t.originBase, t.hasOriginBase);
  a.secondAmount = AddValueOf(t.destinationBase, t.hasDestinationBase);
}

}  // namespace

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
  if (letter == 'C') LeaveAddOnRecord(engine, rating);
  if (letter == 'H') {
    ReadMinimumTable(engine, rating.methods.minimumTable);
    rating.methods.hasMinimumTable = true;
  }
}

}  // namespace vorn

// Type 'K': three variants of one table method, chosen by the tariff's K
// variant sign (column 68 of its effective record): '_' variant one, '^'
// variant two, ']' and '\' variant three. After the matrix steps the rate
// record's kind letter decides whether the light tables rebuild its key
// (the add-on stage) and from which table: kinds 'C', 'D', 'G', 'H', 'J',
// 'M' (variant one also 'N') search the second light table, the light
// files' 17-byte text form; the others the first, the binary form.
#include <algorithm>
#include <optional>

#include "engine_state/rating_engine.h"
#include "errors/engine_error.h"
#include "methods/light_table_stage.h"
#include "methods/tariff_methods.h"
#include "rates/light_edition.h"
#include "rates/rate_record_fetch.h"
#include "rating/rating.h"

namespace vorn {
namespace {

// How a kind's add-on stage forms the key's new number.
enum class Stage {
  None,         // the lane's record stays
  AddNumber,    // its own number plus the number the light tables find
  NumberTable,  // the light tables' 'M' step from its own number (the number table decides)
  OwnInTable,   // its own number through the tariff's number table, below 10000
};

struct Variant {
  int number;
  std::string_view secondTableKinds;
  bool addOnRecordAfterText;  // kind 'C' leaves the add-on record for the core
};

constexpr Variant kVariantOne{1, "CDGHJMN", true};
constexpr Variant kVariantTwo{2, "CDGHJM", true};
constexpr Variant kVariantThree{3, "CDGHJM", false};

std::optional<Variant> VariantOf(char sign) {
  switch (sign) {
    case '_': return kVariantOne;
    case '^': return kVariantTwo;
    case ']':
    case '\\': return kVariantThree;
    default: return std::nullopt;
  }
}

// Variant three rebuilds a key only above a number: the head's six
// characters from byte 3 must sort after the bound.
bool Above(const RateRecord& record, std::string_view bound) {
  return record.field(RateRecord::kSubRecordField) > bound;
}

Stage StageOf(const Variant& v, char sign, char kind, const RateRecord& record) {
  switch (v.number) {
    case 1: return std::string_view("BHJMN").find(kind) != std::string_view::npos ? Stage::AddNumber : Stage::None;
    case 2:
      if (kind == 'H' || kind == 'J') return Stage::AddNumber;
      return kind == 'M' ? Stage::NumberTable : Stage::None;
    default:
      if ((kind == 'E' && sign == '\\') || (kind == 'Z' && sign == ']'))
        return Above(record, " 20000") ? Stage::AddNumber : Stage::None;
      if (kind == 'J') return Above(record, " 40000") ? Stage::AddNumber : Stage::None;
      return kind == 'I' ? Stage::OwnInTable : Stage::None;
  }
}

// Variant one's kind 'N': a record numbered 1 to 3 selects the lettered
// code of that digit instead of its kind's; kind 'H' does so for 1 and 2.
char SubKeyOf(const Variant& v, char kind, const RateRecord& record) {
  if (v.number != 1 || (kind != 'N' && kind != 'H')) return 0;
  const std::string_view number = record.field(RateRecord::kSubRecordField);
  const std::string_view digits = kind == 'N' ? "123" : "12";
  for (char digit : digits)
    if (number == std::string(" 0000") + digit) return digit;
  return 0;
}

// Variant one: the digit a fetch of letter 'H' kept apart goes back into
// byte 4 of the record and of the key, also when the record the fetch ended
// on is a sub-record it stepped to.
void RestoreSavedKeyCharacter(Rating& rating) {
  const char saved = rating.tables.savedKeyCharacter;
  if (saved == 0) return;
  rating.rates.rateRecord.setByte(RateRecord::kVariantDigit, static_cast<std::uint8_t>(saved));
  rating.tables.key.text[RateRecordKey::kRateBasisNumber.offset] = saved;
}

std::int64_t NewNumber(RatingEngine& engine, Rating& rating, Stage stage, char kind, LightForm form) {
  const std::int64_t own = KeyRateBasisNumber(rating);
  switch (stage) {
    case Stage::AddNumber: return own + light_stage::ShipmentNumber(engine, rating, kind, form);
    case Stage::NumberTable: {
      std::int32_t value = static_cast<std::int32_t>(own);
      RateLiteStep(engine, rating, 'M', value, form);
      return value;
    }
    default: return NumberTableValue(engine, own, false).value_or(static_cast<std::int32_t>(own)) % 10000;
  }
}

}  // namespace

void RateByVariantK(RatingEngine& engine, Rating& rating, std::string& text, std::size_t recordLength) {
  const char sign = engine.currentTariff.flag68;
  const std::optional<Variant> variant = VariantOf(sign);
  if (!variant) {
    // Any other sign looks nothing up: no rate record, so no line has a rate.
    rating.rates.rateRecord.clear();
    return;
  }
  rating.tables.savedKeyCharacter = 0;
  ReadLaneRateRecord(engine, rating, false, true, recordLength);
  const light_stage::FilesClosed closed(engine);
  LoadLetteredCodeTable(engine);
  const RateRecord& record = rating.rates.rateRecord;
  light_stage::SetKey(rating, record.head());
  const char kind = record.kind();
  const LightForm form =
      variant->secondTableKinds.find(kind) != std::string_view::npos ? LightForm::Text : LightForm::Binary;
  const Stage stage = StageOf(*variant, sign, kind, record);
  const char subKey = SubKeyOf(*variant, kind, record);
  if (stage != Stage::None) {
    ApplyLetteredCode(engine, rating, subKey != 0 ? subKey : kind);
    SetKeyRateBasisNumber(rating, NewNumber(engine, rating, stage, kind, form));
    rating.tables.key.text[RateRecordKey::kRateBasisLetter] = kind;
    LoadRateByTariffType(engine, rating, recordLength);
    if (!rating.rates.rateRecord.hasSubRecords()) Raise(code::kInvalidRateBasisNumber);
    light_stage::SelectKeyTables(engine, rating);
  }
  if (variant->number == 1) RestoreSavedKeyCharacter(rating);
  text = RateBasisTextOf(rating.rates.rateRecord);
  if (kind == 'C' && variant->addOnRecordAfterText) light_stage::LeaveAddOnRecord(engine, rating, form);
  if (subKey != 0) rating.rates.rateRecord.setByte(3, static_cast<std::uint8_t>(subKey));
}

}  // namespace vorn

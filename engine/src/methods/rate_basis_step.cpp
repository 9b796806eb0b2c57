#include <algorithm>
#include <cctype>
#include <cstdio>

#include "engine_state/rating_engine.h"
#include "errors/engine_codes.h"
#include "errors/engine_error.h"
#include "methods/tariff_methods.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"
#include "rates/rate_file.h"
#include "rating/rating.h"

namespace vorn {
namespace {

std::int64_t SubRecordNumber(const RateRecord& record) {
  return platform::FieldToInteger(record.field(RateRecord::kSubRecordField));
}

}  // namespace

void SelectTariffNumberTables(RatingEngine& engine, Rating& rating, int tariffNumber) {
  CurrentTariff& t = engine.currentTariff;
  if (tariffNumber < 0 || tariffNumber == t.kind) return;
  // The factor file's section is chosen by the tariff's kind: the kind is
  // the tariff number while its tables are read, then put back.
  const std::uint16_t kind = t.kind;
  t.kind = static_cast<std::uint16_t>(tariffNumber);
  const std::int16_t c = engine.steps->prepareWorkTables(engine, rating);
  t.kind = kind;
  if (c != 0) Raise(c);
}

void ApplyRateBasisStep(RatingEngine& engine, Rating& rating, std::string& text, std::int32_t step,
                        std::size_t recordLength) {
  // The text's digits as one number (its rate-basis number), and how many.
  const platform::DigitRun number = platform::ConcatenatedDigits(text, platform::kSignedDigitLimit / 2);
  std::int64_t n = static_cast<std::int64_t>(number.value);
  const int width = static_cast<int>(std::min<std::size_t>(number.length, 20));
  if (n == 0) n = SubRecordNumber(rating.rates.rateRecord);
  if (n == 0) return;
  const std::int64_t target = n + step;
  std::int64_t index = rating.rates.rateRecordIndex;
  // Forward record by record; the end of the file is a short read (214).
  while (SubRecordNumber(rating.rates.rateRecord) < target) ReadRateRecordAt(engine, rating, ++index, recordLength);
  const RateRecord& record = rating.rates.rateRecord;
  if (SubRecordNumber(record) != target) Raise(code::kCantReadRateFile);
  char digits[32];
  std::snprintf(digits, sizeof digits, "%*.*lld", width, width, static_cast<long long>(target));
  text = digits;
  if (std::isalpha(static_cast<unsigned char>(record.kind()))) text.push_back(record.kind());
  SelectTariffNumberTables(engine, rating, platform::FieldToInteger(record.field(RateRecord::kGroupCode)));
}

}  // namespace vorn

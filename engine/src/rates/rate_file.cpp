#include "rates/rate_file.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "effective/tariff_types.h"
#include "engine_state/rating_engine.h"
#include "errors/engine_codes.h"
#include "errors/engine_error.h"
#include "rates/rate_basis_adjustment.h"
#include "rates/rate_log_kinds.h"
#include "rating/rating.h"

namespace vorn {
namespace {}  // namespace

std::size_t CurrentRateRecordLength(const RatingEngine& engine) {
  const std::optional<TariffTypeRow> row = FindTariffType(engine.currentTariff.ratedType());
  if (!row) Raise(code::kInvalidTariffType);
  return row->rateRecordBytes;
}

const platform::File& OpenRateFile(RatingEngine& engine) {
  if (const std::int16_t c = engine.files.open(engine, 'R'); c != 0) Raise(c);
  const platform::File* file = engine.files.file('R');
  if (file == nullptr) Raise(code::kCantOpenRateFile);
  return *file;
}

void ReadRateRecordAt(RatingEngine& engine, Rating& rating, std::int64_t index, std::size_t length) {
  if (length == 0 || length > RateRecord::kMaxLength) Raise(code::kInvalidTariffType);
  const platform::File& file = OpenRateFile(engine);
  std::array<std::uint8_t, RateRecord::kMaxLength> bytes{};
  const std::span<std::uint8_t> record(bytes.data(), length);
  if (index < 0 ||
      file.readAt(index * static_cast<std::int64_t>(length), record) != static_cast<std::ptrdiff_t>(length))
    Raise(code::kCantReadRateFile);
  rating.rates.rateRecord.assign(record);
  rating.rates.rateRecordIndex = index;
  engine.binaryLog.writeBinaryDebug(binary_log::kRateRecordRead, record);
}

void StepToRateKey(RatingEngine& engine, Rating& rating, std::int64_t index, std::size_t length, std::uint32_t wanted) {
  if (wanted > 9999) Raise(code::kCantReadRateFile);
  char text[8];
  std::snprintf(text, sizeof text, "%4.4u", static_cast<unsigned>(wanted));
  const std::string_view want(text, 4);
  // Each step reads one more record; the end of the file ends the walk (214).
  while (rating.rates.rateRecord.field(RateRecord::kFourDigitNumber) < want)
    ReadRateRecordAt(engine, rating, ++index, length);
  if (rating.rates.rateRecord.field(RateRecord::kFourDigitNumber) != want) Raise(code::kCantReadRateFile);
}

void ReadRateRecordByNumber(RatingEngine& engine, Rating& rating, std::int64_t number, std::size_t length) {
  ReadRateRecordAt(engine, rating, number, length);
  if (engine.currentTariff.ratedType() == 'I') return;
  if (const std::optional<std::uint32_t> key = AdjustedRateBasisKey(engine, rating, rating.rates.rateRecord))
    StepToRateKey(engine, rating, number, length, *key);
}

}  // namespace vorn

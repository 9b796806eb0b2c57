#include "package/package_tariff.h"

#include <array>

#include "common/date_key.h"
#include "common/version_number.h"
#include "effective/tariff_types.h"
#include "engine_state/rating_engine.h"
#include "errors/engine_codes.h"
#include "errors/engine_error.h"
#include "rates/rate_file.h"
#include "rating/rating.h"

namespace vorn {

std::int16_t MakePackageTariffCurrent(RatingEngine& engine, std::string_view name8, std::string_view dateText,
                                      bool packageTariff) {
  std::array<char, 10> text{};
  dateText.copy(text.data(), text.size());
  DateKey date;
  if (dateText.size() != text.size() || ParseDateText(date, text) != 0) return code::kInvalidShipDate;
  const auto records = engine.effective.records();
  for (std::size_t i = records.size(); i-- > 0;) {
    const EffectiveRecord& r = records[i];
    if (r.date > date || r.nameView() != name8) continue;
    if (packageTariff && r.letter != 'P') return code::kInvalidTariffThisCall;
    if (const std::int16_t failed = engine.effective.loadTariffForEntry(i, engine.currentTariff, EngineVersionNumber()))
      return failed;
    engine.files.closeOnTariffChange(engine.currentTariff);
    return 0;
  }
  return code::kTariffNotFoundForShipDate;
}

std::size_t PackageRecordLength(const RatingEngine& engine) {
  const std::optional<TariffTypeRow> row = FindTariffType(engine.currentTariff.ratedType());
  if (!row) Raise(code::kInvalidTariffType);
  return row->rateRecordBytes;
}

std::int16_t ReadPackageTariffHeader(RatingEngine& engine, Rating& rating, PackageTariffHeader& header) {
  ReadRateRecordAt(engine, rating, 0, PackageRecordLength(engine));
  const RateRecord& first = rating.rates.rateRecord;
  header.kind = static_cast<int>(first.entry(0));
  header.largestWeight = first.entry(1);
  header.defaultTier = static_cast<int>(first.entry(2));
  header.version = static_cast<int>(first.entry(3));
  return header.version > 2 ? code::kPackageVersionError : 0;
}

}  // namespace vorn

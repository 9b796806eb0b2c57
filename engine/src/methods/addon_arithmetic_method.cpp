#include <cstdio>
#include <cstring>

#include "datafiles/record_searches.h"
#include "engine_state/rating_engine.h"
#include "errors/engine_error.h"
#include "methods/method_log_kinds.h"
#include "methods/tariff_methods.h"
#include "rates/matrix_cell.h"
#include "rates/point_lookup.h"
#include "rates/rate_file.h"
#include "rating/rating.h"

namespace vorn {
namespace {

constexpr std::size_t kRecordLength = 16;
constexpr std::string_view kRule = "RR# = Base RR# + org addon fac % 1000 + dest addon fac % 1000";

// The rate-basis value of a lane whose two ends are one point: the sum of
// their add-ons mapped onto the tariff's local bands.
std::int32_t LocalValue(std::int32_t sum) {
  if (sum < 7) return 1042;
  if (sum < 14) return 1052;
  if (sum < 20) return 1056;
  if (sum < 29) return 1064;
  if (sum < 35) return 1074;
  if (sum < 1001) return 1084;
  if (sum < 1053) return 1052;
  for (std::int32_t band : {2000, 3000, 4000})
    if (sum >= band && sum <= band + 52) return band + 52;
  return sum;
}

// The record whose bytes 5-8 hold the key (the lowest of several).
void ReadRecordByKey(RatingEngine& engine, Rating& rating, std::string_view key) {
  const platform::File& file = OpenRateFile(engine);
  const std::optional<std::int64_t> hit = FileBinarySearch(file, kRecordLength, [&](std::span<const std::uint8_t> r) {
    if (r.size() < 9) return 1;
    return key.compare(std::string_view(reinterpret_cast<const char*>(r.data()) + 5, 4));
  });
  if (!hit) Raise(code::kCombinationNotInTariff);
  ReadRateRecordAt(engine, rating, *hit, kRecordLength);
}

char DigitCharacter(std::int64_t digit) { return digit >= 0 && digit <= 9 ? static_cast<char>('0' + digit) : '*'; }

}  // namespace

void RateByAddOnArithmetic(RatingEngine& engine, Rating& rating, std::string& text) {
  const std::int64_t cell = PointPairCellIndex(engine, rating);
  const LanePointValues o = rating.rates.origin, d = rating.rates.destination;
  std::int64_t service = 0;
  if (o.number != d.number) {
    const std::uint32_t v = MatrixCellValue(engine, rating, cell);
    const std::int64_t number = (v & 1023u) + o.addOn % 1000 + d.addOn % 1000;
    service = v / 1024 + o.addOn / 1000 + d.addOn / 1000;
    engine.binaryLog.writeBinaryDebug(binary_log::kMethodText,
                                      std::span(reinterpret_cast<const std::uint8_t*>(kRule.data()), kRule.size()));
    rating.methods.rateBasisNumber = static_cast<std::int32_t>(number);
    ReadRateRecordByNumber(engine, rating, number, kRecordLength);
  } else {
    const std::int32_t value = LocalValue(o.addOn + d.addOn);
    char key[16];
    std::snprintf(key, sizeof key, "%03d0", static_cast<int>(value % 1000));
    ReadRecordByKey(engine, rating, std::string_view(key, 4));
    rating.methods.rateBasisNumber = value;
    service = value / 1000;
  }
  rating.methods.serviceDigit = DigitCharacter(service);
  text = std::string(1, rating.methods.serviceDigit) + RateBasisTextOf(rating.rates.rateRecord);
}

}  // namespace vorn

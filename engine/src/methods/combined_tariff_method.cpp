// The combined tariff (type 'N'):
// - point files of 30-byte records sorted by ZIP range: 2-6 low ZIP,
//   8-12 high ZIP (a postal prefix in its first 3 characters), 14-17 the
//   point number (i32);
// - the pair file (.I) of 12-byte records {origin point, destination point,
//   record number} (i32 each), sorted by the two points;
// - the rate record of that number names up to three adjustment records of
//   the .A file (660 bytes) in its last three 24-bit entries (all ones:
//   none), which the core applies as one list.
#include <algorithm>
#include <cstring>

#include "datafiles/record_searches.h"
#include "engine_state/rating_engine.h"
#include "engine_state/tariff_files.h"
#include "errors/engine_codes.h"
#include "errors/engine_error.h"
#include "formats/packed_codes.h"
#include "methods/method_log_kinds.h"
#include "methods/method_services.h"
#include "methods/tariff_methods.h"
#include "rates/point_lookup.h"
#include "rates/rate_file.h"
#include "rates/rate_log_kinds.h"
#include "rating/rating.h"

namespace vorn {
namespace {

constexpr std::size_t kPointRecordSize = 30;
constexpr std::size_t kLowZip = 2, kHighZip = 8, kPointNumber = 14;
constexpr std::size_t kPairRecordSize = 12;
constexpr std::size_t kAdjustmentNumbers = 3;
constexpr std::uint32_t kNoAdjustment = 0xFFFFFF;
static_assert(kPointNumber + 4 <= kPointRecordSize);

const platform::File& OpenLetter(RatingEngine& engine, char letter) {
  if (const std::int16_t c = engine.files.open(engine, letter); c != 0) Raise(c);
  const platform::File* file = engine.files.file(letter);
  if (file == nullptr) Raise(OpenErrorOf(letter));
  return *file;
}

std::optional<std::int32_t> FindPointNumber(const platform::File& file, const std::array<char, 6>& code) {
  const std::string key = ComparableCode(std::string_view(code.data(), code.size()));
  if (key.empty()) return std::nullopt;
  const auto hit = FileBinarySearch(file, kPointRecordSize, [&](std::span<const std::uint8_t> r) {
    const std::string_view record(reinterpret_cast<const char*>(r.data()), r.size());
    if (key < record.substr(kLowZip, key.size())) return -1;
    if (key > record.substr(kHighZip, key.size())) return 1;
    return 0;
  });
  std::array<std::uint8_t, kPointRecordSize> record{};
  if (!hit || !ReadFileRecord(file, *hit, record)) return std::nullopt;
  return platform::LoadLittleEndian<std::int32_t>(record.data() + kPointNumber);
}

int Compare(std::int32_t a, std::int32_t b) { return a < b ? -1 : a > b ? 1 : 0; }

// The adjustment records the rate record names, appended to the index.
void AppendAdjustments(RatingEngine& engine, Rating& rating) {
  const RateRecord& rate = rating.rates.rateRecord;
  const std::size_t entries = rate.entryCount();
  if (entries < kAdjustmentNumbers) return;
  MethodWork& m = rating.methods;
  for (std::size_t i = entries - kAdjustmentNumbers; i < entries; ++i) {
    const std::uint32_t number = rate.entry(i);
    if (number == kNoAdjustment) continue;
    // The records join the lane's global list, which holds 60 in all.
    if (m.adjustments.size() + static_cast<std::size_t>(std::max(rating.lanes.global.count, 0)) >=
        kMaxCombinedAdjustments)
      Raise(code::kLaneAdjustmentTooBig);
    const platform::File& file = OpenLetter(engine, 'A');
    CombinedAdjustment a;
    a.recordNumber = number;
    if (file.readAt(static_cast<std::int64_t>(number) * CombinedAdjustment::kRecordSize, a.record.bytes()) !=
        static_cast<std::ptrdiff_t>(CombinedAdjustment::kRecordSize))
      Raise(code::kCantReadLaneAdjustments);
    std::memcpy(a.columns.data(), a.record.chars() + CombinedAdjustment::kColumns.offset, a.columns.size());
    m.adjustments.push_back(a);
  }
}

}  // namespace

std::int64_t CombinedRecordNumber(RatingEngine& engine, Rating& rating) {
  const ParsedRequest& r = rating.request;
  const std::optional<std::int32_t> origin =
      FindPointNumber(OpenLetter(engine, PointFileLetter(engine, rating, LaneSide::Origin)), r.originCode);
  if (!origin) Raise(code::kOriginNotInTariff);
  const std::optional<std::int32_t> destination =
      FindPointNumber(OpenLetter(engine, PointFileLetter(engine, rating, LaneSide::Destination)), r.destinationCode);
  if (!destination) Raise(code::kDestinationNotInTariff);
  rating.rates.origin.number = static_cast<std::int16_t>(*origin);
  rating.rates.destination.number = static_cast<std::int16_t>(*destination);

  const platform::File& pairs = OpenLetter(engine, 'I');
  const auto hit = FileBinarySearch(pairs, kPairRecordSize, [&](std::span<const std::uint8_t> p) {
    if (p.size() < kPairRecordSize) return 1;
    const int byOrigin = Compare(*origin, platform::LoadLittleEndian<std::int32_t>(p.data()));
    return byOrigin != 0 ? byOrigin : Compare(*destination, platform::LoadLittleEndian<std::int32_t>(p.data() + 4));
  });
  std::array<std::uint8_t, kPairRecordSize> pair{};
  if (!hit || !ReadFileRecord(pairs, *hit, pair)) Raise(code::kCombinationNotInTariff);
  const std::int32_t number = platform::LoadLittleEndian<std::int32_t>(pair.data() + 8);
  if (number < 0) Raise(code::kCombinationNotInTariff);
  return number;
}

void RateCombinedTariff(RatingEngine& engine, Rating& rating, std::string& text, MethodServices& services,
                        std::size_t recordLength) {
  const std::int64_t number = CombinedRecordNumber(engine, rating);
  MethodWork& m = rating.methods;
  m.rateBasisNumber = static_cast<std::int32_t>(number);
  ReadRateRecordAt(engine, rating, number, recordLength);
  text = RateBasisTextOf(rating.rates.rateRecord);

  m.laneAdjustmentType = kGlobalAdjustmentList;
  m.laneAdjustmentEntries = 1;
  // The pass's list starts empty; the core's load of the lane adjustments
  // keeps what this first load leaves.
  rating.lanes.global = GlobalAdjustmentList{};
  if (const std::int16_t c = services.loadLaneAdjustments(engine, rating); c > 0) Raise(c);
  m.adjustmentHeader = CombinedAdjustmentHeader{};
  AppendAdjustments(engine, rating);
}

}  // namespace vorn

#include "rates/point_lookup.h"

#include <string>
#include <string_view>

#include "datafiles/record_searches.h"
#include "engine_state/rating_engine.h"
#include "errors/engine_codes.h"
#include "errors/engine_error.h"
#include "formats/packed_codes.h"
#include "platform/kernel/digits.h"
#include "rates/rate_log_kinds.h"
#include "rating/rating.h"

namespace vorn {
namespace {

constexpr std::size_t kWidthBytes = 4;

std::string_view CodeOf(const std::array<char, 6>& code) { return std::string_view(code.data(), code.size()); }

bool DestinationSortsBelowOrigin(const Rating& rating) {
  return CodeOf(rating.request.destinationCode) < CodeOf(rating.request.originCode);
}

const platform::File& OpenPointFile(RatingEngine& engine, Rating& rating, LaneSide side) {
  const char letter = PointFileLetter(engine, rating, side);
  if (const std::int16_t c = engine.files.open(engine, letter); c != 0) Raise(c);
  const platform::File* file = engine.files.file(letter);
  if (file == nullptr) Raise(OpenErrorOf(letter));
  return *file;
}

// The point record whose ZIP range holds the code, or nothing.
std::optional<PointRecord> FindPoint(const platform::File& file, std::size_t recordSize, std::string_view code) {
  const std::string key = ComparableCode(code);
  if (key.empty()) return std::nullopt;
  const std::optional<std::int64_t> hit = FileBinarySearch(file, recordSize, [&](std::span<const std::uint8_t> r) {
    const std::string_view record(reinterpret_cast<const char*>(r.data()), r.size());
    if (key < record.substr(PointRecord::kLowZip.offset, key.size())) return -1;
    if (key > record.substr(PointRecord::kHighZip.offset, key.size())) return 1;
    return 0;
  });
  PointRecord point;
  if (!hit || !ReadFileRecord(file, *hit, point.bytes.bytes().first(recordSize))) return std::nullopt;
  return point;
}

std::int32_t MatrixWidthOf(const platform::File& file) {
  const std::int64_t size = file.size().value_or(0);
  std::array<std::uint8_t, kWidthBytes> tail{};
  if (size < static_cast<std::int64_t>(kWidthBytes) ||
      file.readAt(size - static_cast<std::int64_t>(kWidthBytes), tail) != static_cast<std::ptrdiff_t>(kWidthBytes))
    return 0;
  return platform::LoadLittleEndian<std::int32_t>(tail.data());
}

std::int64_t CellIndexOf(const RatingEngine& engine, const Rating& rating, const LanePointValues& origin,
                         const LanePointValues& destination) {
  if (engine.currentTariff.flag45 != 'S') return TriangularIndex(origin.number, destination.number);
  const std::int32_t width = rating.rates.matrixWidth;
  if (width <= 0 || destination.number >= width) Raise(code::kCombinationNotInTariff);
  return static_cast<std::int64_t>(origin.number) * width + destination.number;
}

// The zone whose span holds the ZIP, or nothing (postal codes have none).
std::optional<LanePointValues> FindZone(const platform::File& file, std::string_view code) {
  const std::string key = ComparableCode(code);
  if (key.size() != 5 || key[0] < '0' || key[0] > '9') return std::nullopt;
  const auto zip = static_cast<std::uint32_t>(platform::LeadingDigits(key).value);
  const std::optional<std::int64_t> hit =
      FileBinarySearch(file, ZoneRecord::kSize, [&](std::span<const std::uint8_t> r) {
        const ZipSpan span = UnpackZipSpan(r.subspan<ZoneRecord::kSpan, 3>());
        if (zip < span.first) return -1;
        if (zip > span.last()) return 1;
        return 0;
      });
  std::array<std::uint8_t, ZoneRecord::kSize> record{};
  if (!hit || !ReadFileRecord(file, *hit, record)) return std::nullopt;
  const std::uint16_t word = platform::LoadLittleEndian<std::uint16_t>(record.data() + ZoneRecord::kPointWord);
  return LanePointValues{ZoneRecord::PointNumber(word), ZoneRecord::AddOn(word)};
}

}  // namespace

char PointFileLetter(const RatingEngine& engine, const Rating& rating, LaneSide side) {
  const CurrentTariff& t = engine.currentTariff;
  if (t.flag45 == 'S') return side == LaneSide::Destination && t.tariffType != 'N' ? 'Q' : 'P';
  if (t.tariffType == '6' && rating.request.legFlag != 'Z') return 'Y';
  if (t.flag45 == 'Y' && DestinationSortsBelowOrigin(rating)) return 'Q';
  if (t.flag45 == 'M' && side == LaneSide::Destination) return 'Q';
  return 'P';
}

std::int64_t PointPairCellIndex(RatingEngine& engine, Rating& rating) {
  RateFileWork& w = rating.rates;
  const std::size_t recordSize = engine.currentTariff.flag45 == 'Y' ? PointRecord::kLongSize : PointRecord::kShortSize;

  const std::optional<PointRecord> origin =
      FindPoint(OpenPointFile(engine, rating, LaneSide::Origin), recordSize, CodeOf(rating.request.originCode));
  if (!origin) Raise(code::kOriginNotInTariff);
  w.originRecord = *origin;
  const platform::File& destinationFile = OpenPointFile(engine, rating, LaneSide::Destination);
  const std::optional<PointRecord> destination =
      FindPoint(destinationFile, recordSize, CodeOf(rating.request.destinationCode));
  if (!destination) Raise(code::kDestinationNotInTariff);
  w.destinationRecord = *destination;
  w.matrixWidth = MatrixWidthOf(destinationFile);

  w.origin = {w.originRecord.bytes.integerAt<std::int16_t>(PointRecord::kNumber),
              w.originRecord.bytes.integerAt<std::int16_t>(PointRecord::kAddOn)};
  const std::size_t destinationAddOn =
      engine.currentTariff.flag45 == 'Y' ? PointRecord::kSecondAddOn : PointRecord::kAddOn;
  w.destination = {w.destinationRecord.bytes.integerAt<std::int16_t>(PointRecord::kNumber),
                   w.destinationRecord.bytes.integerAt<std::int16_t>(destinationAddOn)};
  // A negative point number names no row of the matrix.
  if (w.origin.number < 0) Raise(code::kOriginNotInTariff);
  if (w.destination.number < 0) Raise(code::kDestinationNotInTariff);

  const std::int64_t cell = CellIndexOf(engine, rating, w.origin, w.destination);
  engine.binaryLog.writeBinaryDebug(binary_log::kOriginPointRecord, w.originRecord.bytes.bytes());
  engine.binaryLog.writeBinaryDebug(binary_log::kDestinationPointRecord, w.destinationRecord.bytes.bytes());
  return cell;
}

std::int64_t ZoneListCellIndex(RatingEngine& engine, Rating& rating) {
  if (engine.currentTariff.flag45 == 'S') Raise(code::kInvalidTariffType);
  RateFileWork& w = rating.rates;
  const std::optional<LanePointValues> origin =
      FindZone(OpenPointFile(engine, rating, LaneSide::Origin), CodeOf(rating.request.originCode));
  if (!origin) Raise(code::kOriginNotInTariff);
  w.origin = *origin;
  const std::optional<LanePointValues> destination =
      FindZone(OpenPointFile(engine, rating, LaneSide::Destination), CodeOf(rating.request.destinationCode));
  if (!destination) Raise(code::kDestinationNotInTariff);
  w.destination = *destination;
  return TriangularIndex(w.origin.number, w.destination.number);
}

}  // namespace vorn

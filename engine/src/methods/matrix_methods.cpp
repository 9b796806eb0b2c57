#include "engine_state/rating_engine.h"
#include "errors/engine_error.h"
#include "methods/light_table_stage.h"
#include "methods/method_log_kinds.h"
#include "methods/tariff_methods.h"
#include "platform/kernel/byte_record.h"
#include "rates/light_edition.h"
#include "rates/matrix_cell.h"
#include "rates/point_lookup.h"
#include "rates/rate_file.h"
#include "rating/rating.h"

namespace vorn {
namespace {

void Log16(const RatingEngine& engine, std::uint32_t kind, std::int64_t value) {
  std::uint8_t bytes[2];
  platform::StoreLittleEndian<std::uint16_t>(bytes, static_cast<std::uint16_t>(value));
  engine.binaryLog.writeBinaryDebug(kind, bytes);
}

void Log32(const RatingEngine& engine, std::uint32_t kind, std::int64_t value) {
  std::uint8_t bytes[4];
  platform::StoreLittleEndian<std::uint32_t>(bytes, static_cast<std::uint32_t>(value));
  engine.binaryLog.writeBinaryDebug(kind, bytes);
}

// The points and the matrix value of the lane.
std::uint32_t LaneMatrixValue(RatingEngine& engine, Rating& rating, bool zoneList) {
  const std::int64_t cell = zoneList ? ZoneListCellIndex(engine, rating) : PointPairCellIndex(engine, rating);
  Log32(engine, binary_log::kCellIndex, cell);
  const std::uint32_t value = MatrixCellValue(engine, rating, cell);
  Log16(engine, binary_log::kMatrixValue, value);
  return value;
}

std::int64_t WithAddOns(const Rating& rating, std::uint32_t value) {
  return static_cast<std::int64_t>(value) + rating.rates.origin.addOn + rating.rates.destination.addOn;
}

}  // namespace

void ReadRateBasisRecord(RatingEngine& engine, Rating& rating, std::int64_t number, std::size_t recordLength) {
  rating.methods.rateBasisNumber = static_cast<std::int32_t>(number);
  Log16(engine, binary_log::kRateBasisNumber, number);
  ReadRateRecordByNumber(engine, rating, number, recordLength);
}

std::uint32_t ReadLaneRateRecord(RatingEngine& engine, Rating& rating, bool zoneList, bool addOns,
                                 std::size_t recordLength) {
  const std::uint32_t value = LaneMatrixValue(engine, rating, zoneList);
  ReadRateBasisRecord(engine, rating, addOns ? WithAddOns(rating, value) : value, recordLength);
  return value;
}

void RateByMatrix(RatingEngine& engine, Rating& rating, std::string& text, const MatrixMethod& method,
                  std::size_t recordLength) {
  ReadLaneRateRecord(engine, rating, method.zoneList, method.addOns, recordLength);
  text = method.numberedText ? NumberedRateBasisText(engine, rating.rates.rateRecord)
                             : RateBasisTextOf(rating.rates.rateRecord);
}

void RateByBaseAndTable(RatingEngine& engine, Rating& rating, std::string& text, std::size_t recordLength) {
  const std::uint32_t value = ReadLaneRateRecord(engine, rating, false, true, recordLength);
  // A tariff that adds no add-ons to its rate-basis numbers rates the lane
  // at the matrix value alone.
  const bool noAddOns = engine.parameters.integerValue(ParameterTable::kNoRbnAddon) != 0;
  if (noAddOns && (rating.rates.origin.addOn != 0 || rating.rates.destination.addOn != 0))
    ReadRateBasisRecord(engine, rating, value, recordLength);
  if (rating.rates.rateRecord.field(RateRecord::kRateBasisNumber) == "00000" && light_stage::FilesOpen(engine)) {
    const light_stage::FilesClosed closed(engine);
    const char kind = light_stage::StartFromHead(engine, rating);
    // Without a light-edition key for the lane the head's own key is fetched.
    light_stage::LoadKeyedRecord(engine, rating, recordLength, RateLiteTariff(engine, rating, kind) == 0);
    light_stage::SelectKeyTables(engine, rating);
  }
  text = RateBasisTextOf(rating.rates.rateRecord);
}

}  // namespace vorn

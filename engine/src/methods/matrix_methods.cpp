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

namespace vorn {
namespace {

void Log16(const RatingEngine& engine, std::uint32_t kind, std::int64_t value) {
  std::uint8_t bytes[2];
  platform::StoreLittleEndian<std::uint16_t>(bytes, static_cast<std::uint16_t>(value));
  engine.binaryLog.write(kind, bytes);
}

void Log32(const RatingEngine& engine, std::uint32_t kind, std::int64_t value) {
  std::uint8_t bytes[4];
  platform::StoreLittleEndian<std::uint32_t>(bytes, static_cast<std::uint32_t>(value));
  engine.binaryLog.write(kind, bytes);
}

// The points and the matrix value of the lane.
std::uint32_t LaneMatrixValue(RatingEngine& engine, bool zoneList) {
  const std::int64_t cell = zoneList ? ZoneListCellIndex(engine) : PointPairCellIndex(engine);
  Log32(engine, binary_log::kCellIndex, cell);
  const std::uint32_t value = MatrixCellValue(engine, cell);
  Log16(engine, binary_log::kMatrixValue, value);
  return value;
}

std::int64_t WithAddOns(const RatingEngine& engine, std::uint32_t value) {
  return static_cast<std::int64_t>(value) + engine.rates.origin.addOn + engine.rates.destination.addOn;
}

}  // namespace

void ReadRateBasisRecord(RatingEngine& engine, std::int64_t number, std::size_t recordLength) {
  engine.methods.rateBasisNumber = static_cast<std::int32_t>(number);
  Log16(engine, binary_log::kRateBasisNumber, number);
  ReadRateRecordByNumber(engine, number, recordLength);
}

std::uint32_t ReadLaneRateRecord(RatingEngine& engine, bool zoneList, bool addOns, std::size_t recordLength) {
  const std::uint32_t value = LaneMatrixValue(engine, zoneList);
  ReadRateBasisRecord(engine, addOns ? WithAddOns(engine, value) : value, recordLength);
  return value;
}

void RateByMatrix(RatingEngine& engine, std::string& text, const MatrixMethod& method, std::size_t recordLength) {
  ReadLaneRateRecord(engine, method.zoneList, method.addOns, recordLength);
  text = method.numberedText ? NumberedRateBasisText(engine, engine.rates.rateRecord)
                             : RateBasisTextOf(engine.rates.rateRecord);
}

void RateByBaseAndTable(RatingEngine& engine, std::string& text, std::size_t recordLength) {
  const std::uint32_t value = ReadLaneRateRecord(engine, false, true, recordLength);
  // A tariff that adds no add-ons to its rate-basis numbers rates the lane
  // at the matrix value alone.
  const bool noAddOns = engine.parameters.integerValue(ParameterTable::kNoRbnAddon) != 0;
  if (noAddOns && (engine.rates.origin.addOn != 0 || engine.rates.destination.addOn != 0))
    ReadRateBasisRecord(engine, value, recordLength);
  if (engine.rates.rateRecord.field(RateRecord::kRateBasisNumber) == "00000" && light_stage::FilesOpen(engine)) {
    const light_stage::FilesClosed closed(engine);
    const char kind = light_stage::StartFromHead(engine);
    // Without a light-edition key for the lane the head's own key is fetched.
    light_stage::LoadKeyedRecord(engine, recordLength, RateLiteTariff(engine, kind) == 0);
    light_stage::SelectKeyTables(engine);
  }
  text = RateBasisTextOf(engine.rates.rateRecord);
}

}  // namespace vorn

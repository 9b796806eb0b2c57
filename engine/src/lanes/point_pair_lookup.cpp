#include "lanes/point_pair_lookup.h"

#include <array>
#include <optional>

#include "datafiles/record_searches.h"
#include "formats/lane_list.h"

namespace vorn {
namespace {

using lane_list::PointPairRecord;
constexpr std::size_t kPointPairRecordSize = PointPairRecord::kSize;

int ComparePointPair(std::uint16_t origin, std::uint16_t destination, const PointPairRecord& record) {
  if (origin != record.origin()) return origin < record.origin() ? -1 : 1;
  if (destination < record.low()) return -1;
  return destination > record.high() ? 1 : 0;
}

}  // namespace

std::int16_t LoadPointPairAdjustments(const platform::File& laneFile, std::uint16_t originPoint,
                                      std::uint16_t destinationPoint, AdjustmentHitTable& hits) {
  hits = AdjustmentHitTable{};
  const std::optional<std::int64_t> size = laneFile.size();
  if (!size || *size < static_cast<std::int64_t>(kPointPairRecordSize)) return 0;
  const std::int64_t records = *size / static_cast<std::int64_t>(kPointPairRecordSize);
  const RecordCompare compare = [&](std::span<const std::uint8_t> r) {
    return ComparePointPair(originPoint, destinationPoint, PointPairRecord(r));
  };
  const std::optional<std::int64_t> first = FileRecordIndexSearch({}, laneFile, kPointPairRecordSize, compare,
                                                                  SearchBounds{BoundMode::Records, 0, records - 1, 0});
  if (!first) return 0;
  std::array<std::uint8_t, kPointPairRecordSize> record{};
  for (std::int64_t i = *first; i < records && hits.count < static_cast<std::int16_t>(AdjustmentHitTable::kSlots);
       ++i) {
    if (laneFile.readAt(i * static_cast<std::int64_t>(kPointPairRecordSize), record) !=
            static_cast<std::ptrdiff_t>(record.size()) ||
        compare(record) != 0)
      break;
    AdjustmentHitTable::ValueHit& hit = hits.values[static_cast<std::size_t>(hits.count++)];
    hit.value = PointPairRecord(record).value();
    hit.position = 0;
  }
  return 0;
}

}  // namespace vorn

#include "lanes/point_pair_lookup.h"

#include <array>
#include <optional>

#include "datafiles/record_searches.h"
#include "platform/kernel/byte_record.h"

namespace vorn {
namespace {

constexpr std::size_t kPointPairRecordSize = 8;

int ComparePointPair(std::uint16_t origin, std::uint16_t destination, std::span<const std::uint8_t> record) {
  const auto origin0 = platform::LoadLittleEndian<std::uint16_t>(record.data());
  const auto low = platform::LoadLittleEndian<std::uint16_t>(record.data() + 2);
  const auto high = platform::LoadLittleEndian<std::uint16_t>(record.data() + 4);
  if (origin != origin0) return origin < origin0 ? -1 : 1;
  if (destination < low) return -1;
  return destination > high ? 1 : 0;
}

}  // namespace

std::int16_t LoadPointPairAdjustments(const platform::File& laneFile, std::uint16_t originPoint,
                                      std::uint16_t destinationPoint, AdjustmentHitTable& hits) {
  hits = AdjustmentHitTable{};
  const std::optional<std::int64_t> size = laneFile.size();
  if (!size || *size < static_cast<std::int64_t>(kPointPairRecordSize)) return 0;
  const std::int64_t records = *size / static_cast<std::int64_t>(kPointPairRecordSize);
  const RecordCompare compare = [&](std::span<const std::uint8_t> r) {
    return ComparePointPair(originPoint, destinationPoint, r);
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
    hit.value = platform::LoadLittleEndian<std::uint16_t>(record.data() + 6);
    hit.position = 0;
  }
  return 0;
}

}  // namespace vorn

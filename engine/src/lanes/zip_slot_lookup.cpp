#include "lanes/zip_slot_lookup.h"

#include <algorithm>
#include <cstring>

#include "datafiles/record_searches.h"
#include "errors/engine_codes.h"
#include "formats/lane_list.h"
#include "lanes/adjustment_hits.h"
#include "platform/kernel/byte_record.h"

namespace vorn {
namespace {

using lane_list::zip_slot::RangeRecord;
using lane_list::zip_slot::ZipRecord;
constexpr std::size_t kZipRecordSize = ZipRecord::kSize;
constexpr std::size_t kRangeRecordSize = RangeRecord::kSize;

// Puts the codes of the ZIP's records into codes by slot; the highest slot
// seen raises count. Slots outside 1 to 10 are left out.
void ReadSlots(const platform::File& file, std::int64_t lastRecord, const std::array<std::uint8_t, 3>& zip,
               std::array<std::array<char, 3>, SlotCodes::kSlots>& codes, int& count) {
  const RecordCompare compare = [&](std::span<const std::uint8_t> r) {
    return std::memcmp(zip.data(), ZipRecord(r).zip().data(), zip.size());
  };
  const std::optional<std::int64_t> first =
      FileRecordIndexSearch({}, file, kZipRecordSize, compare, SearchBounds{BoundMode::Records, 1, lastRecord, 0});
  if (!first) return;
  std::array<std::uint8_t, kZipRecordSize> record{};
  for (std::int64_t i = *first; i <= lastRecord; ++i) {
    if (file.readAt(i * static_cast<std::int64_t>(kZipRecordSize), record) !=
            static_cast<std::ptrdiff_t>(record.size()) ||
        compare(record) != 0)
      break;
    const ZipRecord zipRecord(record);
    const int slot = zipRecord.slot();
    if (slot < 1 || slot > static_cast<int>(SlotCodes::kSlots)) continue;
    codes[static_cast<std::size_t>(slot - 1)] = zipRecord.code();
    count = std::max(count, slot);
  }
}

// The suffix of the range record that holds the rate-record head.
std::optional<std::array<char, 3>> RangeSuffix(const platform::File& file, std::uint32_t zipEnd,
                                               std::string_view rateHead) {
  const std::optional<std::int64_t> size = file.size();
  if (!size || rateHead.size() < RangeRecord::kLowKey.width) return std::nullopt;
  const std::int64_t first = lane_list::zip_slot::FirstRangeRecord(zipEnd);
  const std::int64_t last = *size / static_cast<std::int64_t>(kRangeRecordSize) - 1;
  if (first > last) return std::nullopt;
  const std::string_view key = rateHead.substr(0, RangeRecord::kLowKey.width);
  const RecordCompare compare = [&](std::span<const std::uint8_t> r) {
    const RangeRecord range(r);
    if (key < range.lowKey()) return -1;
    return key > range.highKey() ? 1 : 0;
  };
  const std::optional<std::int64_t> hit =
      FileRecordIndexSearch({}, file, kRangeRecordSize, compare, SearchBounds{BoundMode::Records, first, last, 0});
  std::array<std::uint8_t, kRangeRecordSize> record{};
  if (!hit || file.readAt(*hit * static_cast<std::int64_t>(kRangeRecordSize), record) !=
                  static_cast<std::ptrdiff_t>(record.size()))
    return std::nullopt;
  return RangeRecord(record).suffix();
}

// Adds the slot codes to the lane-pair list, each with suffix "000" and with
// the range record's suffix when one holds the rate-record head; even slot
// indexes take the origin's code, odd ones the destination's. The hit count
// counts the pairs. 0, or 234 when the pairs would overflow the list.
std::int16_t AddSlotCodes(const platform::File& file, std::uint32_t zipEnd, const SlotCodes& slots,
                          std::string_view rateHead, LaneAdjustmentWork& work) {
  const std::optional<std::array<char, 3>> suffix = RangeSuffix(file, zipEnd, rateHead);
  int pairs = 0;
  for (int i = 0; i < slots.count; ++i) {
    const std::array<char, 3>& slotCode = (i % 2 == 0 ? slots.origin : slots.destination)[static_cast<std::size_t>(i)];
    if (slotCode[0] == 0 || std::string_view(slotCode.data(), 3) == "   ") continue;
    const std::optional<int> next = StoreAdjustmentHit(
        std::span(reinterpret_cast<const std::uint8_t*>(slotCode.data()), slotCode.size()), 2, suffix, pairs, work);
    // More pairs than the list holds would leave some of the lane's
    // adjustments out.
    if (!next) return code::kLaneAdjustmentTooBig;
    pairs = *next;
    work.hits.count = static_cast<std::int16_t>(pairs);
  }
  return 0;
}

}  // namespace

std::int16_t LoadZipSlotAdjustments(const platform::File& laneFile,
                                    const std::optional<std::array<std::uint8_t, 3>>& originZip,
                                    const std::optional<std::array<std::uint8_t, 3>>& destinationZip,
                                    std::string_view rateHead, LaneAdjustmentWork& work) {
  work.hits = AdjustmentHitTable{};
  std::array<std::uint8_t, 4> header{};
  if (laneFile.readAt(lane_list::zip_slot::kZipPartEnd, header) != static_cast<std::ptrdiff_t>(header.size())) return 0;
  const std::uint32_t zipEnd = platform::LoadLittleEndian<std::uint32_t>(header.data());
  const std::int64_t lastZipRecord = static_cast<std::int64_t>(zipEnd / kZipRecordSize) - 1;

  SlotCodes slots;
  if (originZip) ReadSlots(laneFile, lastZipRecord, *originZip, slots.origin, slots.count);
  if (destinationZip) ReadSlots(laneFile, lastZipRecord, *destinationZip, slots.destination, slots.count);
  return AddSlotCodes(laneFile, zipEnd, slots, rateHead, work);
}

}  // namespace vorn

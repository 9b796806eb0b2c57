#include "lanes/range_lane_lookup.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <optional>

#include "errors/engine_codes.h"
#include "formats/lane_list.h"
#include "lanes/adjustment_hits.h"
#include "lanes/lane_parameters.h"
#include "platform/kernel/byte_record.h"

namespace vorn {
namespace {

namespace range_lanes = lane_list::range_lanes;
using range_lanes::Header;
constexpr int kLastSlot = 10;

std::string_view Text(std::span<const std::uint8_t> bytes, platform::FieldSpan field) {
  return std::string_view(reinterpret_cast<const char*>(bytes.data()) + field.offset, field.width);
}

std::uint32_t U32At(std::span<const std::uint8_t> bytes, std::size_t at) {
  return platform::LoadLittleEndian<std::uint32_t>(bytes.data() + at);
}

// Modes 1 and 3 store a 16-bit value, the others the adjustment number.
bool StoresValue(int mode) { return mode == 1 || mode == 3; }

bool Within(std::string_view key, std::string_view low, std::string_view high) { return key >= low && key <= high; }

class RangeScan {
 public:
  RangeScan(std::span<const std::uint8_t> list, const Header& header, const RangeLane& lane, LaneAdjustmentWork& work,
            int storedBefore)
      : list_(list),
        header_(header),
        lane_(lane),
        work_(work),
        mode_(header.mode()),
        recordSize_(header.recordSize()),
        fieldWidth_(range_lanes::FieldWidth(mode_)),
        slots_(storedBefore) {}

  std::int16_t run();

 private:
  // Scans the lane records in [start, end); false when they are out of order.
  bool scanLaneRanges(std::size_t start, std::size_t end);
  void store(std::span<const std::uint8_t> record);
  bool isExcludedAdjustment(std::span<const std::uint8_t> field) const;
  bool full() const { return slots_ >= static_cast<int>(AdjustmentHitTable::kSlots); }

  std::span<const std::uint8_t> list_;
  const Header& header_;
  const RangeLane& lane_;
  LaneAdjustmentWork& work_;
  int mode_;
  std::size_t recordSize_;
  std::size_t fieldWidth_;
  std::size_t lanesEnd_ = 0;
  int slots_;  // the hit count
};

std::int16_t RangeScan::run() {
  const std::size_t size = list_.size();
  const std::size_t exclusions = header_.exclusionOffset();
  lanesEnd_ = exclusions != 0 ? exclusions : size;
  if (recordSize_ < range_lanes::lane::kField + fieldWidth_ || recordSize_ < range_lanes::index::kMinimumSize ||
      lanesEnd_ > size || header_.firstLane() < Header::kSize || header_.firstLane() > lanesEnd_)
    return code::kCantReadLaneList;
  if (header_.indexOffset() == 0) {
    if (!scanLaneRanges(header_.firstLane(), lanesEnd_)) return code::kCantReadLaneList;
  } else {
    std::size_t at = header_.indexOffset();
    std::size_t blockStart = header_.firstLane();
    for (;;) {
      if (at < Header::kSize || at + recordSize_ > size) return code::kCantReadLaneList;
      const std::span<const std::uint8_t> entry = list_.subspan(at, recordSize_);
      const char mark = static_cast<char>(entry[0]);
      if (mark != range_lanes::index::kMore && mark != range_lanes::index::kLast) return code::kCantReadLaneList;
      const std::size_t start = U32At(entry, range_lanes::index::kBlockOffset);
      std::size_t end = lanesEnd_;
      if (mark == range_lanes::index::kMore) {
        if (at + 2 * recordSize_ > size) return code::kCantReadLaneList;
        end = U32At(list_.subspan(at + recordSize_, recordSize_), range_lanes::index::kBlockOffset);
      }
      // Blocks follow one another forwards inside the lane records.
      if (start < blockStart || end < start || end > lanesEnd_) return code::kCantReadLaneList;
      blockStart = start;
      if (static_cast<char>(entry[range_lanes::index::kOrderedByOrigin]) == 'F' &&
          Text(entry, range_lanes::index::kLowestOrigin) > lane_.originKey)
        break;
      if (!scanLaneRanges(start, end)) return code::kCantReadLaneList;
      if (mark == range_lanes::index::kLast || full()) break;
      at += recordSize_;
    }
  }
  work_.hits.count = static_cast<std::int16_t>(slots_);
  if (header_.sorted()) {
    const auto n = static_cast<std::ptrdiff_t>(std::min<int>(slots_, AdjustmentHitTable::kSlots));
    if (mode_ == 0)
      std::sort(work_.hits.numbers.begin(), work_.hits.numbers.begin() + n,
                [](const auto& a, const auto& b) { return a.number < b.number; });
    else if (mode_ == 3)
      std::sort(work_.hits.values.begin(), work_.hits.values.begin() + n,
                [](const auto& a, const auto& b) { return a.value < b.value; });
  }
  return 0;
}

bool RangeScan::scanLaneRanges(std::size_t start, std::size_t end) {
  namespace lane = range_lanes::lane;
  std::optional<std::string_view> previousLow;
  for (std::size_t at = start; at + recordSize_ <= end && !full(); at += recordSize_) {
    const std::span<const std::uint8_t> record = list_.subspan(at, recordSize_);
    if (static_cast<char>(record[0]) != lane::kMark) break;
    const std::string_view originLow = Text(record, lane::kOriginLow);
    if (previousLow && originLow < *previousLow) return false;
    previousLow = originLow;
    const std::string_view originHigh = Text(record, lane::kOriginHigh);
    const std::string_view destinationLow = Text(record, lane::kDestinationLow);
    const std::string_view destinationHigh = Text(record, lane::kDestinationHigh);
    const bool bothWays = static_cast<char>(record[lane::kBothWays]) == 'B';
    const bool matches = (Within(lane_.originKey, originLow, originHigh) &&
                          Within(lane_.destinationKey, destinationLow, destinationHigh)) ||
                         (bothWays && Within(lane_.destinationKey, originLow, originHigh) &&
                          Within(lane_.originKey, destinationLow, destinationHigh));
    if (!matches) {
      // Records are sorted by origin: a one-way record starting above the
      // origin ends the lane's records.
      if (!bothWays && originLow > lane_.originKey) break;
      continue;
    }
    store(record);
  }
  return true;
}

void RangeScan::store(std::span<const std::uint8_t> record) {
  const std::span<const std::uint8_t> field = record.subspan(range_lanes::lane::kField, fieldWidth_);
  const int slot = record[range_lanes::lane::kSlot];
  // Slots are places 1 to 10; a record of a higher one is left out.
  if (slot > kLastSlot) return;
  if (header_.exclusionOn() && isExcludedAdjustment(field)) return;
  if (slot == 0) {
    slots_ = StoreAdjustmentHit(field, mode_, std::nullopt, slots_, work_).value_or(slots_);
  } else {
    StoreAdjustmentHit(field, mode_, std::nullopt, slot - 1, work_);
    slots_ = std::max(slots_, slot);
  }
}

// The exclusion part: records of 23 bytes and the field, each a range of
// rate-record heads (bytes 3 to 9) and an adjustment field. With letter 'I'
// only listed hits are kept, with any other letter listed hits are dropped.
bool RangeScan::isExcludedAdjustment(std::span<const std::uint8_t> field) const {
  namespace exclusion = range_lanes::exclusion;
  const std::size_t size = exclusion::kField + fieldWidth_;
  const std::string_view head = lane_.rateHead.size() >= 10 ? lane_.rateHead.substr(3, 7) : std::string_view();
  bool listed = false;
  for (std::size_t at = header_.exclusionOffset(); at + size <= list_.size() && !listed; at += size) {
    const std::span<const std::uint8_t> record = list_.subspan(at, size);
    listed = static_cast<char>(record[0]) == exclusion::kMark &&
             Within(head, Text(record, exclusion::kLow), Text(record, exclusion::kHigh)) &&
             std::equal(field.begin(), field.end(), record.begin() + exclusion::kField);
  }
  return header_.exclusionLetter() == 'I' ? !listed : listed;
}

}  // namespace

std::int16_t LoadRangeLaneAdjustments(std::span<const std::uint8_t> list, const RangeLane& lane,
                                      LaneAdjustmentWork& work) {
  work.hits = AdjustmentHitTable{};
  if (list.size() < Header::kSize) return code::kCantReadLaneList;
  const Header header(list.first<Header::kSize>());
  work.mode = static_cast<std::int16_t>(header.mode());
  const int parameters = std::min(header.parameterCount(), 2);
  if (Header::kSize + static_cast<std::size_t>(parameters) * range_lanes::kParameterRecordSize > list.size())
    return code::kCantReadLaneList;
  for (int k = 0; k < parameters; ++k) {
    const std::span<const std::uint8_t> record =
        list.subspan(Header::kSize + static_cast<std::size_t>(k) * range_lanes::kParameterRecordSize,
                     range_lanes::kParameterRecordSize);
    const std::string_view text(reinterpret_cast<const char*>(record.data()), record.size());
    ApplyLaneParameterLine(text.substr(0, text.find('\0')),
                           k == 0 ? LaneParameterLine::kFirst : LaneParameterLine::kSecond, work);
  }
  // The forced number's adjustment field in the form of the mode.
  int stored = 0;
  if (lane.forcedNumber) {
    std::array<std::uint8_t, 4> field{};
    if (StoresValue(header.mode())) {
      platform::StoreLittleEndian(field.data(), *lane.forcedNumber);
    } else {
      char digits[8];
      std::snprintf(digits, sizeof digits, "%03u", static_cast<unsigned>(*lane.forcedNumber % 1000));
      std::memcpy(field.data(), digits, 3);
    }
    stored = StoreAdjustmentHit(std::span(field).first(range_lanes::FieldWidth(header.mode())), header.mode(),
                                std::nullopt, 0, work)
                 .value_or(0);
  }
  return RangeScan(list, header, lane, work, stored).run();
}

}  // namespace vorn

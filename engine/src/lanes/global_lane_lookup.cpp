#include "lanes/global_lane_lookup.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "errors/engine_codes.h"
#include "formats/global_lanes.h"
#include "platform/kernel/byte_record.h"

namespace vorn {
namespace {

namespace gl = global_lanes;
using Codes = std::vector<std::string_view>;

std::string_view Text(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t width) {
  return std::string_view(reinterpret_cast<const char*>(bytes.data()) + at, width);
}
std::uint32_t U32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return platform::LoadLittleEndian<std::uint32_t>(bytes.data() + at);
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The base key of a ZIP in .V or .U.
std::optional<std::string_view> BaseKey(const std::string& file, std::string_view zip) {
  const std::span bytes(reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
  for (std::size_t at = 0; at + gl::base_key::kSize <= bytes.size(); at += gl::base_key::kSize) {
    const std::span<const std::uint8_t> r = bytes.subspan(at, gl::base_key::kSize);
    if (zip >= Text(r, gl::base_key::kLow.offset, 5) && zip <= Text(r, gl::base_key::kHigh.offset, 5))
      return Text(r, gl::base_key::kKey.offset, 5);
  }
  return std::nullopt;
}

// The zone codes of 5 characters from a record's byte from, to a blank code.
Codes CodesOf(std::span<const std::uint8_t> record, std::size_t from) {
  Codes codes;
  for (std::size_t at = from; at + gl::kCodeWidth <= record.size(); at += gl::kCodeWidth) {
    const std::string_view code = Text(record, at, gl::kCodeWidth);
    if (code == "     " || code[0] == '\0') break;
    codes.push_back(code);
  }
  return codes;
}

// The end of the section starting at from: the nearest start of another
// section (or the lane section) after it, else the end of the file.
std::size_t SectionEnd(std::span<const std::uint8_t> list, std::size_t from) {
  std::size_t end = list.size();
  for (std::size_t field : {gl::header::kDestinationIndex, gl::header::kOriginIndex, gl::header::kDestinationRanges,
                            gl::header::kOriginRanges, gl::header::kLaneStart})
    if (const std::size_t start = U32(list, field); start > from) end = std::min(end, start);
  return end;
}

// An end's zone codes: a key of letters by its range section, a key of
// digits by its index section (record number = the key's value); nothing
// when the sections hold none.
std::optional<Codes> ZoneCodes(std::span<const std::uint8_t> list, std::string_view key, std::size_t indexAt,
                               std::size_t indexSize, std::size_t rangesAt, std::size_t rangeSize) {
  if (key.empty()) return std::nullopt;
  if (IsDigit(key[0])) {
    std::size_t number = 0;
    for (char c : key) {
      if (!IsDigit(c)) return std::nullopt;
      number = number * 10 + static_cast<std::size_t>(c - '0');
    }
    const std::size_t at = indexAt + number * indexSize;
    if (indexAt == 0 || indexSize == 0 || at + indexSize > SectionEnd(list, indexAt)) return std::nullopt;
    return CodesOf(list.subspan(at, indexSize), 0);
  }
  if (rangesAt == 0 || rangeSize < gl::kRangeCodes) return std::nullopt;
  const std::size_t end = SectionEnd(list, rangesAt);
  for (std::size_t at = rangesAt; at + rangeSize <= end; at += rangeSize) {
    const std::span<const std::uint8_t> r = list.subspan(at, rangeSize);
    if (key >= Text(r, 0, 5) && key <= Text(r, 5, 5)) return CodesOf(r, gl::kRangeCodes);
  }
  return std::nullopt;
}

// Whether the membership section lists the lane's key for the adjustment
// number: mode 'Y' by its first 5 characters and then its sixth, mode 'J'
// by all 6.
bool CheckGlobalMembership(std::span<const std::uint8_t> section, char mode, std::string_view key,
                           std::string_view number) {
  if (key.size() < 6) return false;
  for (std::size_t at = 0; at + gl::member::kSize <= section.size(); at += gl::member::kSize) {
    const std::span<const std::uint8_t> r = section.subspan(at, gl::member::kSize);
    if (Text(r, gl::member::kNumber, 5) != number) continue;
    const std::string_view low = Text(r, gl::member::kLow, 6);
    const std::string_view high = Text(r, gl::member::kHigh, 6);
    const bool holds = mode == 'J' ? key >= low && key <= high
                                   : key.substr(0, 5) >= low.substr(0, 5) && key.substr(0, 5) <= high.substr(0, 5) &&
                                         key[5] >= low[5] && key[5] <= high[5];
    if (holds) return true;
  }
  return false;
}

}  // namespace

std::size_t GlobalAdjustmentRecordSize(std::span<const std::uint8_t> list) {
  return list.size() < gl::header::kSize ? 0 : U32(list, gl::header::kAdjustmentSize);
}

std::int16_t AddGlobalAdjustment(GlobalAdjustmentList& list, const FoundAdjustment& record, std::string_view number) {
  if (list.count >= static_cast<int>(GlobalAdjustmentList::kEntries)) return code::kLaneAdjustmentTooBig;
  if (record.bytes.size() < gl::adjustment::kLetters + 3) return 0;
  GlobalAdjustmentList::Entry& entry = list.entries[static_cast<std::size_t>(list.count++)];
  entry.number.fill(' ');
  std::memcpy(entry.number.data(), number.data(), std::min(number.size(), entry.number.size()));
  std::memcpy(entry.letters.data(), record.bytes.data() + gl::adjustment::kLetters, 3);
  entry.offset = record.position;
  return 0;
}

std::int16_t LoadGlobalAdjustments(std::span<const std::uint8_t> list, const GlobalBaseKeys& baseKeys,
                                   const AdjustmentFile& adjustments, const GlobalLane& lane,
                                   LaneAdjustmentWork& work) {
  GlobalAdjustmentList& global = work.global;
  const int remembered = lane.keepsFirstList && global.count > 0 ? global.count : 0;
  if (remembered == 0) global = GlobalAdjustmentList{};
  global.remembered = remembered;
  work.hits = AdjustmentHitTable{};
  if (list.size() < gl::header::kSize) return code::kCantReadLaneList;
  const auto byte = [&](std::size_t at) { return static_cast<char>(list[at]); };
  const char mode = byte(gl::header::kMode);
  work.mode = static_cast<std::int16_t>(mode >= '0' && mode <= '9' ? mode - '0' : static_cast<std::uint8_t>(mode));
  const std::size_t laneStart = U32(list, gl::header::kLaneStart);
  const std::size_t laneEnd = U32(list, gl::header::kLaneEnd);
  const std::size_t recordSize = U32(list, gl::header::kAdjustmentSize);
  if (laneStart < gl::header::kSize || laneEnd < laneStart || laneEnd > list.size() ||
      recordSize < gl::adjustment::kRateValues)
    return code::kCantReadLaneList;
  global.sorted = byte(gl::header::kSorted) == 'Y';
  if (remembered != 0) return 0;
  global.recordSize = recordSize;

  std::string_view originKey = lane.originZip;
  std::string_view destinationKey = lane.destinationZip;
  if (byte(gl::header::kBaseKeys) == 'B') {
    if (!baseKeys.origins) return code::kCantOpenGlobalLaneOriginBase;
    const std::optional<std::string_view> origin = BaseKey(*baseKeys.origins, originKey);
    const std::optional<std::string_view> destination =
        BaseKey(baseKeys.destinations ? *baseKeys.destinations : *baseKeys.origins, destinationKey);
    if (!origin || !destination) return 0;
    originKey = *origin;
    destinationKey = *destination;
  }
  const std::optional<Codes> origins =
      ZoneCodes(list, originKey, U32(list, gl::header::kOriginIndex), U32(list, gl::header::kOriginIndexSize),
                U32(list, gl::header::kOriginRanges), U32(list, gl::header::kOriginRangeSize));
  const std::optional<Codes> destinations = ZoneCodes(
      list, destinationKey, U32(list, gl::header::kDestinationIndex), U32(list, gl::header::kDestinationIndexSize),
      U32(list, gl::header::kDestinationRanges), U32(list, gl::header::kDestinationRangeSize));
  if (!origins || !destinations) return 0;

  if (lane.forcedNumber && *lane.forcedNumber > 0) {
    const std::uint16_t n = *lane.forcedNumber - 1;
    if (const std::optional<FoundAdjustment> record = adjustments.recordAt(n, recordSize)) {
      char number[8];
      std::snprintf(number, sizeof number, "%05u", static_cast<unsigned>(n));
      if (const std::int16_t c = AddGlobalAdjustment(global, *record, std::string_view(number, 5)); c != 0) return c;
    }
  }

  const std::span<const std::uint8_t> lanes =
      list.subspan(laneStart, (laneEnd - laneStart) / gl::lane::kSize * gl::lane::kSize);
  const std::span<const std::uint8_t> members = list.subspan(laneEnd);
  const char membership = byte(gl::header::kMembership);
  const bool keepMembers = byte(gl::header::kMembersKept) == 'I';
  const std::size_t laneCount = lanes.size() / gl::lane::kSize;
  const auto keyAt = [&](std::size_t i) { return Text(lanes, i * gl::lane::kSize + gl::lane::kKey.offset, 10); };
  for (const std::string_view o : *origins)
    for (const std::string_view d : *destinations) {
      const std::string key = std::string(o) + std::string(d);
      // The first lane record of the pair (records sorted by the pair).
      std::size_t low = 0, high = laneCount;
      while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        if (keyAt(mid) < key)
          low = mid + 1;
        else
          high = mid;
      }
      for (std::size_t i = low; i < laneCount && keyAt(i) == key; ++i) {
        const std::uint32_t number = U32(lanes, i * gl::lane::kSize + gl::lane::kRecordNumber);
        const std::optional<FoundAdjustment> record = adjustments.recordAt(number, recordSize);
        if (!record) continue;
        const std::string_view adjustment = Text(record->bytes, gl::adjustment::kNumber.offset, 5);
        if (membership != 'N' &&
            CheckGlobalMembership(members, membership, lane.membershipKey, adjustment) != keepMembers)
          continue;
        if (const std::int16_t c = AddGlobalAdjustment(global, *record, adjustment); c != 0) return c;
      }
    }
  if (global.sorted)
    std::stable_sort(global.entries.begin(), global.entries.begin() + global.count,
                     [](const auto& a, const auto& b) { return a.number < b.number; });
  return 0;
}

std::array<std::uint8_t, 780> GlobalListImage(const GlobalAdjustmentList& list) {
  constexpr std::size_t kEntrySize = 13;
  static_assert(GlobalAdjustmentList::kEntries * kEntrySize == 780);
  std::array<std::uint8_t, 780> image{};
  for (std::size_t i = 0; i < GlobalAdjustmentList::kEntries; ++i) {
    std::uint8_t* at = image.data() + i * kEntrySize;
    std::memcpy(at, list.entries[i].number.data(), 5);
    std::memcpy(at + 6, list.entries[i].letters.data(), 3);
    platform::StoreLittleEndian(at + 9, list.entries[i].offset);
  }
  return image;
}

}  // namespace vorn

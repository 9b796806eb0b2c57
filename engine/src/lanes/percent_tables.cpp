#include "lanes/percent_tables.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <span>

#include "errors/engine_codes.h"
#include "formats/global_lanes.h"
#include "formats/lane_adjustments.h"
#include "formats/packed_codes.h"
#include "formats/percent_tables.h"
#include "lanes/global_lane_lookup.h"
#include "platform/kernel/byte_record.h"

namespace vorn {
namespace {

namespace pt = percent_tables;
namespace operators = lane_adjustment::operators;
constexpr std::size_t kPercentValues = (operators::kSize - operators::kColumnValues) / 2;
constexpr std::uint16_t kExceptionMark = 10000;

std::span<const std::uint8_t> Bytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::uint16_t U16At(std::span<const std::uint8_t> bytes, std::size_t at) {
  return platform::LoadLittleEndian<std::uint16_t>(bytes.data() + at);
}

// The records between the header's "A " entry and its other entry, each of
// size bytes, cut to the file; nothing without an "A " entry.
std::optional<std::span<const std::uint8_t>> Records(std::string_view file, std::size_t size) {
  if (file.size() < pt::kHeaderSize) return std::nullopt;
  const std::span<const std::uint8_t> bytes = Bytes(file);
  std::optional<std::uint32_t> start, end;
  for (std::size_t e = 0; e < 2; ++e) {
    const std::size_t at = e * pt::kHeaderEntrySize;
    const std::uint32_t offset = platform::LoadLittleEndian<std::uint32_t>(bytes.data() + at + 2);
    (file.substr(at, 2) == pt::kFirstRecordTag ? start : end) = offset;
  }
  if (!start) return std::nullopt;
  const std::size_t from = std::min<std::size_t>(*start, file.size());
  const std::size_t to = std::clamp<std::size_t>(end.value_or(file.size()), from, file.size());
  return bytes.subspan(from, (to - from) / size * size);
}

// The .Q record holding the ZIP.
std::optional<std::span<const std::uint8_t>> FindBase(std::span<const std::uint8_t> records, std::string_view zip) {
  for (std::size_t at = 0; at < records.size(); at += pt::base::kSize) {
    const std::span<const std::uint8_t> r = records.subspan(at, pt::base::kSize);
    if (r[pt::base::kType] != 'A') continue;
    const std::optional<std::string> low = UnpackDigits(r.subspan(pt::base::kLowZip, 3), 5);
    const std::optional<std::string> high = UnpackDigits(r.subspan(pt::base::kHighDigits, 1), 2);
    if (!low || !high || zip.substr(0, 3) != std::string_view(*low).substr(0, 3)) continue;
    if (zip >= *low && zip <= low->substr(0, 3) + *high) return r;
  }
  return std::nullopt;
}

struct ExceptionSearch {
  bool shortRecord = false;
  std::optional<std::array<std::uint16_t, 2>> flags;  // of the record found
};

// The first exception record of the lane; with a letter, one lettered 'A'
// or that letter; with a value, one whose range holds it.
ExceptionSearch FindException(const std::optional<std::string>& file, const PercentLane& lane,
                              std::optional<char> letter, std::optional<std::uint16_t> value) {
  namespace x = pt::exception;
  ExceptionSearch search;
  const std::optional<PackedZip> origin = PackZip(lane.originZip);
  const std::optional<PackedZip> destination = PackZip(lane.destinationZip);
  if (!file || !origin || !destination) return search;
  const std::span<const std::uint8_t> bytes = Bytes(*file);
  std::optional<std::span<const std::uint8_t>> header;
  for (std::size_t at = 0; at + x::kHeaderRecordSize <= bytes.size() && bytes[at] == '0' && !header;
       at += x::kHeaderRecordSize)
    if (file->substr(at + x::kHeaderTag, 2) == x::kTag) header = bytes.subspan(at, x::kHeaderRecordSize);
  if (!header) return search;
  const std::size_t size = (*header)[x::kRecordSize];
  const std::uint32_t start = platform::LoadLittleEndian<std::uint32_t>(header->data() + x::kFirstRecord);
  const std::uint32_t end = platform::LoadLittleEndian<std::uint32_t>(header->data() + x::kEnd);
  const auto within = [](std::span<const std::uint8_t> r, std::size_t low, std::size_t high, const PackedZip& zip) {
    return std::memcmp(zip.data(), r.data() + low, 3) >= 0 && std::memcmp(zip.data(), r.data() + high, 3) <= 0;
  };
  for (std::size_t at = start; at < end; at += size) {
    if (size < x::kMinimumSize || at + size > bytes.size()) {
      search.shortRecord = true;
      return search;
    }
    const std::span<const std::uint8_t> r = bytes.subspan(at, size);
    if (std::memcmp(r.data(), x::kTag.data(), 2) != 0 || !within(r, x::kOriginLow, x::kOriginHigh, *origin) ||
        !within(r, x::kDestinationLow, x::kDestinationHigh, *destination))
      continue;
    if (letter && r[x::kLetter] != 'A' && static_cast<char>(r[x::kLetter]) != *letter) continue;
    if (value && (*value < U16At(r, x::kLowValue) || *value > U16At(r, x::kHighValue))) continue;
    search.flags = std::array<std::uint16_t, 2>{U16At(r, x::kFlags), U16At(r, x::kFlags + 2)};
    return search;
  }
  return search;
}

// The number of the lane's percentage record through .Q and .J: nothing
// when the lane has none; 273 without .Q, 274 without .J.
struct PercentRecordNumber {
  std::int16_t code = 0;
  std::optional<std::int64_t> number;
};

PercentRecordNumber FindPercentRecordNumber(const PercentTableFiles& files, const PercentLane& lane) {
  if (!files.bases) return {code::kCantOpenQxbBase, std::nullopt};
  if (!files.matrix) return {code::kCantOpenQxbMatrix, std::nullopt};
  const std::optional<std::span<const std::uint8_t>> bases = Records(*files.bases, pt::base::kSize);
  const std::optional<std::span<const std::uint8_t>> matrix = Records(*files.matrix, pt::matrix::kSize);
  if (!bases || !matrix) return {};
  const auto origin = FindBase(*bases, lane.originZip);
  const auto destination = FindBase(*bases, lane.destinationZip);
  if (!origin || !destination) return {};

  // The .J key: "A ", then the packed low ZIPs of the two .Q records.
  std::array<std::uint8_t, pt::matrix::kKeySize> key{'A', ' '};
  std::memcpy(key.data() + 2, origin->data() + pt::base::kLowZip, 3);
  std::memcpy(key.data() + 5, destination->data() + pt::base::kLowZip, 3);
  for (std::size_t at = 0; at < matrix->size(); at += pt::matrix::kSize)
    if (std::memcmp(matrix->data() + at, key.data(), key.size()) == 0)
      return {0, PackedDigitsValue(matrix->subspan(at + pt::matrix::kRecordNumber, 3), 5)};
  return {};
}

// The lane's exception record for the percentage record: from 1999 its
// eight flag characters (a value above 10000 at a position flagged other
// than '0' is dropped); before, one whose range holds the record number
// drops every value above 10000.
struct PercentExceptions {
  bool shortRecord = false;
  bool found = false;
  bool flagged = false;
  std::array<char, 9> flags{'0', '0', '0', '0', '0', '0', '0', '0', 0};
  bool keeps(std::size_t position) const { return !found || (flagged && position < 8 && flags[position] == '0'); }
};

PercentExceptions FindPercentExceptions(const std::optional<std::string>& file, const PercentLane& lane,
                                        std::int64_t recordNumber) {
  PercentExceptions exceptions;
  exceptions.flagged = lane.tariffYear >= 1999;
  // Before 1999 the search compares the number in 16 bits; a larger one
  // lies in no record's range.
  if (!exceptions.flagged && (recordNumber < 0 || recordNumber > 65535)) return exceptions;
  const ExceptionSearch search =
      FindException(file, lane, std::nullopt,
                    exceptions.flagged ? std::nullopt : std::optional(static_cast<std::uint16_t>(recordNumber)));
  exceptions.shortRecord = search.shortRecord;
  exceptions.found = search.flags.has_value();
  if (search.flags) {
    char text[24];
    std::snprintf(text, sizeof text, "%04d%04d", (*search.flags)[0], (*search.flags)[1]);
    std::memcpy(exceptions.flags.data(), text, 8);
  }
  return exceptions;
}

}  // namespace

std::int16_t LoadPercentTables(const PercentTableFiles& files, const AdjustmentFile& adjustments,
                               const PercentLane& lane, AdjustmentHitTable& hits) {
  const PercentRecordNumber found = FindPercentRecordNumber(files, lane);
  const std::optional<std::int64_t>& number = found.number;
  if (found.code != 0 || !number || *number <= 0 || *number > 65535) return found.code;
  const std::optional<FoundAdjustment> record =
      adjustments.findFrom(0, operators::kSize, [&](std::span<const std::uint8_t> r) {
        return U16At(r, operators::kNumber) == static_cast<std::uint16_t>(*number);
      });
  if (!record) return 0;
  const auto valueAt = [&](std::size_t k) { return U16At(record->bytes, operators::kColumnValues + 2 * k); };

  const PercentExceptions exceptions = FindPercentExceptions(files.exceptions, lane, *number);
  if (exceptions.shortRecord) return code::kCantReadPrecedence;
  const auto add = [&](std::uint16_t value) {
    // Beyond the table's 15 slots a hit would be lost.
    if (hits.count >= static_cast<std::int16_t>(AdjustmentHitTable::kSlots)) return false;
    hits.values[static_cast<std::size_t>(hits.count++)] = {'0', value, 0};
    return true;
  };
  const auto overflow = [] { return code::kTooManyLaneAdjustments; };
  if (exceptions.flagged) {
    if (valueAt(0) != 0 && !add(valueAt(0))) return overflow();
    for (std::size_t k = 1; k < exceptions.flags.size() - 1; ++k) {
      const std::uint16_t v = valueAt(k);
      if (v == 0) continue;
      if (v <= kExceptionMark) {
        if (!add(v)) return overflow();
      } else if (exceptions.keeps(k)) {
        if (!add(static_cast<std::uint16_t>(v - kExceptionMark))) return overflow();
      }
    }
    return 0;
  }
  for (std::size_t k = 0; k < kPercentValues - 1 && valueAt(k) != 0; ++k) {
    const std::uint16_t v = valueAt(k);
    if (v > kExceptionMark && !exceptions.keeps(k)) continue;
    if (!add(v > kExceptionMark ? static_cast<std::uint16_t>(v - kExceptionMark) : v)) return overflow();
  }
  return 0;
}

std::int16_t LoadGlobalPercentTables(const PercentTableFiles& files, const AdjustmentFile& adjustments,
                                     const PercentLane& lane, GlobalAdjustmentList& list) {
  namespace entry = global_lanes::adjustment;
  const PercentRecordNumber found = FindPercentRecordNumber(files, lane);
  if (found.code != 0 || !found.number || *found.number < 0) return found.code;
  const std::size_t size = list.recordSize;
  const std::optional<FoundAdjustment> record = adjustments.recordAt(static_cast<std::uint64_t>(*found.number), size);
  if (!record) return 0;
  const PercentExceptions exceptions = FindPercentExceptions(files.exceptions, lane, *found.number);
  if (exceptions.shortRecord) return code::kCantReadPrecedence;

  const auto numberOf = [](const FoundAdjustment& r) {
    return std::string_view(reinterpret_cast<const char*>(r.bytes.data()) + entry::kNumber.offset,
                            entry::kNumber.width);
  };
  const auto i32At = [&](std::size_t at) -> std::int64_t {
    return at + 4 <= record->bytes.size() ? platform::LoadLittleEndian<std::int32_t>(record->bytes.data() + at) : 0;
  };
  if (i32At(entry::kOwnEntry) != 0)
    if (const std::int16_t c = AddGlobalAdjustment(list, *record, numberOf(*record)); c != 0) return c;
  for (std::size_t k = 0; k < entry::kListedCount; ++k) {
    const std::int64_t v = i32At(entry::kListedRecords + 4 * k);
    if (v <= kExceptionMark || !exceptions.keeps(k)) continue;
    const std::optional<FoundAdjustment> listed =
        adjustments.recordAt(static_cast<std::uint64_t>(v - kExceptionMark), size);
    if (!listed) continue;
    if (const std::int16_t c = AddGlobalAdjustment(list, *listed, numberOf(*listed)); c != 0) return c;
  }
  return 0;
}

std::int16_t FilterPercentExceptions(const std::optional<std::string>& exceptions, const PercentLane& lane,
                                     AdjustmentHitTable& hits) {
  const int count = std::clamp<int>(hits.count, 0, static_cast<int>(AdjustmentHitTable::kSlots));
  for (int i = 0; i < count; ++i) {
    AdjustmentHitTable::ValueHit& hit = hits.values[static_cast<std::size_t>(i)];
    const ExceptionSearch found = FindException(exceptions, lane, hit.letter, hit.value);
    if (found.shortRecord) return code::kCantReadPrecedence;
    if (found.flags) hit.value = 0;
  }
  return 0;
}

}  // namespace vorn

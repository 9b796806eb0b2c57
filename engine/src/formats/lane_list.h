// The tariff's lane list (letter L), in the form its lane-adjustment letter
// names:
// - point pairs ('Y'): 8-byte records sorted by origin point, then range:
//     0 origin point (u16)   2 low and 4 high destination point (u16)
//     6 the adjustment value (u16)
// - ZIP slots ('C'): a 7-byte header whose u32 at 0 is the byte offset where
//   the ZIP part ends; from offset 7, ZIP records of 7 bytes sorted by ZIP:
//     0-2 packed ZIP   3 slot (i8, 1 to 10)   4-6 a 3-character code
//   then, from the first multiple of 23 bytes at or after the ZIP part's
//   end, range records of 23 bytes sorted by range, matched with the head of
//   the lane's rate record:
//     0-9 low key   10-19 high key   20-22 suffix
// - zone pairs ('L', 'A', 'T'): text, lines ending with LF:
//     up to two parameter lines beginning "*" (formats/parameter_line.h);
//     ZIP-range lines sorted ascending: low key 5, high key 5, then up to 20
//     zone codes of 3 characters (at most 70 characters);
//     a line beginning "*" that ends the range part, then the pair part's
//     parameter line;
//     pair records of 11 bytes sorted by their 6-character pair: origin
//     zone code 3, destination zone code 3, value 4 (an adjustment number
//     in its first 3), LF;
//     optionally a last record "999" whose bytes 3 to 6 (i32) hold the
//     byte offset of the "*" line that ends the range part.
// - range lanes ('U'): a 54-byte header:
//     1 number of parameter records (0 to 2)   2 'B': the keys are the
//     request's point codes   3 'Y': the exclusion check is on, 4 its letter
//     ('I': only excluded hits stay, else excluded hits go)   5 the
//     adjustment mode (a digit)   6 'Y': the hits are sorted
//     37 the lane record size   38 (u32) the offset of the lane index, 0
//     when none   42 (u32) the offset of the first lane record   46 (u32)
//     the offset of the exclusion part, 0 when none (the lane records end
//     before it, else at the end of the file);
//   parameter records of 54 bytes (a parameter line, NUL- or blank-padded);
//   lane records of the record size, sorted by origin range:
//     0 '4'   1 'B' when the lane holds in both directions   2-6 and 7-11
//     the origin range   12-16 and 17-21 the destination range (5-character
//     keys)   22 the slot (0 append, 1 to 10 a place)   23 the adjustment
//     field (3 characters in modes 0 and 2, 2 bytes in modes 1 and 3, else 4)
//   index records of the record size: 0 '2' (another follows) or '4' (the
//     last)   1 'F' when the index is ordered by origin   2-6 the lowest
//     origin of the block   21 (u32) the offset of the block's lane records;
//   exclusion records of 23 bytes and the adjustment field, sorted:
//     0 '6'   1-7 and 8-14 a range of rate-record heads (bytes 3 to 9)
//     23 the adjustment field
// Integers are little-endian.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "platform/kernel/byte_record.h"

namespace vorn::lane_list {

class PointPairRecord {
 public:
  static constexpr std::size_t kSize = 8;
  static constexpr std::size_t kOrigin = 0, kLow = 2, kHigh = 4, kValue = 6;
  static_assert(kValue + 2 == kSize);

  explicit PointPairRecord(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint16_t origin() const { return bytes_.integerAt<std::uint16_t>(kOrigin); }
  std::uint16_t low() const { return bytes_.integerAt<std::uint16_t>(kLow); }
  std::uint16_t high() const { return bytes_.integerAt<std::uint16_t>(kHigh); }
  std::uint16_t value() const { return bytes_.integerAt<std::uint16_t>(kValue); }

 private:
  platform::ByteRecord<kSize> bytes_;
};

namespace zip_slot {

inline constexpr std::size_t kHeaderSize = 7;
inline constexpr std::size_t kZipPartEnd = 0;  // u32 in the header

class ZipRecord {
 public:
  static constexpr std::size_t kSize = 7;
  static constexpr platform::FieldSpan kZip{0, 3};
  static constexpr std::size_t kSlot = 3;
  static constexpr platform::FieldSpan kCode{4, 3};
  static_assert(kZip.end() == kSlot && kSlot + 1 == kCode.offset && kCode.end() == kSize);

  explicit ZipRecord(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::span<const std::uint8_t, 3> zip() const { return bytes_.bytes().first<3>(); }
  int slot() const { return static_cast<std::int8_t>(bytes_.byteAt(kSlot)); }
  std::array<char, 3> code() const {
    return {bytes_.charAt(kCode.offset), bytes_.charAt(kCode.offset + 1), bytes_.charAt(kCode.offset + 2)};
  }

 private:
  platform::ByteRecord<kSize> bytes_;
};
static_assert(kHeaderSize == ZipRecord::kSize);  // the ZIP records are numbered from 1

class RangeRecord {
 public:
  static constexpr std::size_t kSize = 23;
  static constexpr platform::FieldSpan kLowKey{0, 10};
  static constexpr platform::FieldSpan kHighKey{10, 10};
  static constexpr platform::FieldSpan kSuffix{20, 3};
  static_assert(kLowKey.end() == kHighKey.offset && kHighKey.end() == kSuffix.offset && kSuffix.end() == kSize);

  explicit RangeRecord(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::string_view lowKey() const { return bytes_.text(kLowKey); }
  std::string_view highKey() const { return bytes_.text(kHighKey); }
  std::array<char, 3> suffix() const {
    return {bytes_.charAt(kSuffix.offset), bytes_.charAt(kSuffix.offset + 1), bytes_.charAt(kSuffix.offset + 2)};
  }

 private:
  platform::ByteRecord<kSize> bytes_;
};

// The record number of the first range record for a ZIP part ending at
// byte offset zipPartEnd.
inline std::int64_t FirstRangeRecord(std::uint32_t zipPartEnd) {
  return (static_cast<std::int64_t>(zipPartEnd) + static_cast<std::int64_t>(RangeRecord::kSize) - 1) /
         static_cast<std::int64_t>(RangeRecord::kSize);
}

}  // namespace zip_slot

namespace range_lanes {

class Header {
 public:
  static constexpr std::size_t kSize = 54;
  static constexpr std::size_t kParameterCount = 1, kRequestKeys = 2, kExclusionOn = 3, kExclusionLetter = 4, kMode = 5,
                               kSorted = 6, kRecordSize = 37, kIndexOffset = 38, kFirstLane = 42, kExclusionOffset = 46;
  static_assert(kExclusionOffset + 4 <= kSize);

  explicit Header(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  int parameterCount() const { return bytes_.byteAt(kParameterCount); }
  bool requestKeys() const { return bytes_.charAt(kRequestKeys) == 'B'; }
  bool exclusionOn() const { return bytes_.charAt(kExclusionOn) == 'Y'; }
  char exclusionLetter() const { return bytes_.charAt(kExclusionLetter); }
  // A digit character; a byte of 0 to 3 is taken as it stands.
  int mode() const {
    const char c = bytes_.charAt(kMode);
    return c >= '0' && c <= '9' ? c - '0' : bytes_.byteAt(kMode);
  }
  bool sorted() const { return bytes_.charAt(kSorted) == 'Y'; }
  std::size_t recordSize() const { return bytes_.byteAt(kRecordSize); }
  std::uint32_t indexOffset() const { return bytes_.integerAt<std::uint32_t>(kIndexOffset); }
  std::uint32_t firstLane() const { return bytes_.integerAt<std::uint32_t>(kFirstLane); }
  std::uint32_t exclusionOffset() const { return bytes_.integerAt<std::uint32_t>(kExclusionOffset); }

 private:
  platform::ByteRecord<kSize> bytes_;
};

inline constexpr std::size_t kParameterRecordSize = 54;

// The parts of a lane record; its size comes from the header.
namespace lane {
inline constexpr char kMark = '4';
inline constexpr std::size_t kBothWays = 1;
inline constexpr platform::FieldSpan kOriginLow{2, 5}, kOriginHigh{7, 5}, kDestinationLow{12, 5},
    kDestinationHigh{17, 5};
inline constexpr std::size_t kSlot = 22, kField = 23;
static_assert(kOriginHigh.offset == kOriginLow.end() && kDestinationLow.offset == kOriginHigh.end() &&
              kDestinationHigh.offset == kDestinationLow.end() && kDestinationHigh.end() == kSlot &&
              kSlot + 1 == kField);
}  // namespace lane

namespace index {
inline constexpr char kMore = '2', kLast = '4';
inline constexpr std::size_t kOrderedByOrigin = 1;
inline constexpr platform::FieldSpan kLowestOrigin{2, 5};
inline constexpr std::size_t kBlockOffset = 21;  // u32
inline constexpr std::size_t kMinimumSize = kBlockOffset + 4;
}  // namespace index

namespace exclusion {
inline constexpr char kMark = '6';
inline constexpr platform::FieldSpan kLow{1, 7}, kHigh{8, 7};
inline constexpr std::size_t kField = 23;
static_assert(kHigh.offset == kLow.end() && kHigh.end() < kField);
}  // namespace exclusion

// The width of the adjustment field by adjustment mode.
inline constexpr std::size_t FieldWidth(int mode) {
  return mode == 0 || mode == 2 ? 3 : mode == 1 || mode == 3 ? 2 : 4;
}

}  // namespace range_lanes

namespace zone_text {

// Lines of the range part longer than this are no lane list.
inline constexpr std::size_t kMaxLineLength = 80;
inline constexpr platform::FieldSpan kLowKey{0, 5};
inline constexpr platform::FieldSpan kHighKey{5, 5};
inline constexpr std::size_t kZoneCodes = 10;  // 20 codes of 3 characters
inline constexpr std::size_t kCodeWidth = 3;
inline constexpr std::size_t kMaxZoneCodes = 20;
static_assert(kLowKey.end() == kHighKey.offset && kHighKey.end() == kZoneCodes);

class PairRecord {
 public:
  static constexpr std::size_t kSize = 11;
  static constexpr platform::FieldSpan kPair{0, 6};  // origin then destination zone code
  static constexpr platform::FieldSpan kValue{6, 4};
  static constexpr std::size_t kLineEnd = 10;
  static_assert(kPair.end() == kValue.offset && kValue.end() == kLineEnd && kLineEnd + 1 == kSize);

  explicit PairRecord(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::string_view pair() const { return bytes_.text(kPair); }
  std::string_view value() const { return bytes_.text(kValue); }
  // A record whose line does not end at byte 10 is no pair record.
  bool endsLine() const { return bytes_.charAt(kLineEnd) == '\n'; }

 private:
  platform::ByteRecord<kSize> bytes_;
};

// The trailer record: "999", then the offset of the range part's end.
inline constexpr std::string_view kTrailerMark = "999";
inline constexpr std::size_t kTrailerOffset = 3;  // i32
static_assert(kTrailerOffset + 4 <= PairRecord::kSize);

}  // namespace zone_text
}  // namespace vorn::lane_list

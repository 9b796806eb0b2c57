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
}  // namespace vorn::lane_list

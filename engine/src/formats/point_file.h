// The tariff's point files (letters P, Q and Y) and zone lists.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/kernel/byte_record.h"

namespace vorn {

// A record of a point file: 14 bytes, or 16 with a second add-on.
//   0-4 low ZIP, 5-9 high ZIP (text; a postal prefix in its first 3
//   characters), 10 point number (i16), 12 add-on (i16), 14 second add-on
struct PointRecord {
  static constexpr std::size_t kShortSize = 14;
  static constexpr std::size_t kLongSize = 16;
  static constexpr platform::FieldSpan kLowZip{0, 5};
  static constexpr platform::FieldSpan kHighZip{5, 5};
  static constexpr std::size_t kNumber = 10;
  static constexpr std::size_t kAddOn = 12;
  static constexpr std::size_t kSecondAddOn = 14;
  static_assert(kHighZip.end() == kNumber && kSecondAddOn + 2 == kLongSize);

  platform::ByteRecord<kLongSize> bytes;  // a 14-byte record leaves bytes 14-15 zero
};

// A zone-list record: 5 bytes, a packed ZIP span (formats/packed_codes.h)
// and a 16-bit word whose low 10 bits are the point number and high 6 bits
// the add-on; sorted by span.
struct ZoneRecord {
  static constexpr std::size_t kSize = 5;
  static constexpr std::size_t kSpan = 0;
  static constexpr std::size_t kPointWord = 3;
  static_assert(kPointWord + 2 == kSize);

  static std::int16_t PointNumber(std::uint16_t word) { return static_cast<std::int16_t>(word & 0x3FF); }
  static std::int16_t AddOn(std::uint16_t word) { return static_cast<std::int16_t>(word >> 10); }
};

}  // namespace vorn

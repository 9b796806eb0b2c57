// TDZ.BIN, the ZIP ranges of the tariff directory: 12-byte records sorted
// by ZIP range, then version.
//   0-2 packed last code of the range   3-5 packed first code
//   6 first version (i8, inclusive)     7 end version (i8, exclusive)
//   8 region code (i8)   9 table code (u8)   10 not read   11 sub-code (i8)
// A range's region and table code pick its row of TDT.BIN: rows of (slot
// count + 2) little-endian i16 sorted by (region, table), holding the region
// code, the table code, then one tariff code per slot (read by
// directory/directory_lookups.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/kernel/byte_record.h"

namespace vorn {

struct ZipRangeRecord {
  static constexpr std::size_t kSize = 12;
  platform::ByteRecord<kSize> bytes;

  std::span<const std::uint8_t, 3> lastCode() const { return std::span<const std::uint8_t, 3>(bytes.data(), 3); }
  std::span<const std::uint8_t, 3> firstCode() const { return std::span<const std::uint8_t, 3>(bytes.data() + 3, 3); }
  std::int8_t firstVersion() const { return static_cast<std::int8_t>(bytes.byteAt(6)); }
  std::int8_t endVersion() const { return static_cast<std::int8_t>(bytes.byteAt(7)); }
  std::int8_t regionCode() const { return static_cast<std::int8_t>(bytes.byteAt(8)); }
  std::uint8_t tableCode() const { return bytes.byteAt(9); }
  std::int8_t subCode() const { return static_cast<std::int8_t>(bytes.byteAt(11)); }
};

}  // namespace vorn

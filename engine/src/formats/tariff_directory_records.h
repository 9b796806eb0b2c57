// The records of the tariff-directory files read by the set-up.
//
// TDZ.BIN, 12-byte records sorted by ZIP range, then version:
//   0-2 packed last code of the range   3-5 packed first code
//   6 first version (i8, inclusive)     7 end version (i8, exclusive)
//   8 region code (i8)   9 table code (u8)   10 not read   11 sub-code (i8)
// TDT.BIN, rows of (slot count + 2) little-endian i16 sorted by (region,
//   table): region code, table code, then one tariff code per slot.
// TDX.TBL, 20-byte records sorted by kind, origin code, destination code:
//   0 first version (i8, inclusive)  1 end version (i8, exclusive)
//   2 kind (i16)  4 origin code (i16)  6 group (i16)  8 destination code (i16)
//   10 origin sub-code (u16, 0 any)  12 destination sub-code (u16, 0 any)
//   14 origin operator (u16: ' ' or '=')  16 destination operator  18 other kind (u16, 0 any)
// TDN.IDX, 11-byte records sorted by packed ZIP, kind, version:
//   0-2 packed ZIP  3 kind (i16)  5 first version (i8)  6 end version (i8)
//   7 offset of the name in TDN.IDA (u32)
// TDN.IDA: at each offset a length byte and up to 19 characters of name.
#pragma once

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

struct ExceptionRecord {
  static constexpr std::size_t kSize = 20;
  platform::ByteRecord<kSize> bytes;

  std::int8_t firstVersion() const { return static_cast<std::int8_t>(bytes.byteAt(0)); }
  std::int8_t endVersion() const { return static_cast<std::int8_t>(bytes.byteAt(1)); }
  std::int16_t kind() const { return bytes.integerAt<std::int16_t>(2); }
  std::int16_t originCode() const { return bytes.integerAt<std::int16_t>(4); }
  std::int16_t group() const { return bytes.integerAt<std::int16_t>(6); }
  std::int16_t destinationCode() const { return bytes.integerAt<std::int16_t>(8); }
  std::uint16_t originSubCode() const { return bytes.integerAt<std::uint16_t>(10); }
  std::uint16_t destinationSubCode() const { return bytes.integerAt<std::uint16_t>(12); }
  std::uint16_t originOperator() const { return bytes.integerAt<std::uint16_t>(14); }
  std::uint16_t destinationOperator() const { return bytes.integerAt<std::uint16_t>(16); }
  std::uint16_t otherKind() const { return bytes.integerAt<std::uint16_t>(18); }
};

struct ExceptionNameIndexRecord {
  static constexpr std::size_t kSize = 11;
  platform::ByteRecord<kSize> bytes;

  std::span<const std::uint8_t, 3> zip() const { return std::span<const std::uint8_t, 3>(bytes.data(), 3); }
  std::int16_t kind() const { return bytes.integerAt<std::int16_t>(3); }
  std::int8_t firstVersion() const { return static_cast<std::int8_t>(bytes.byteAt(5)); }
  std::int8_t endVersion() const { return static_cast<std::int8_t>(bytes.byteAt(6)); }
  std::uint32_t nameOffset() const { return bytes.integerAt<std::uint32_t>(7); }
};

inline constexpr std::size_t kExceptionNameLength = 19;

}  // namespace vorn

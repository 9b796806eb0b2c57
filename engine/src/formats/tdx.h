// TDX.TBL, the exceptions of the tariff directory: 20-byte records sorted by
// kind, origin code, destination code.
//   0 first version (i8, inclusive)  1 end version (i8, exclusive)
//   2 kind (i16)  4 origin code (i16)  6 group (i16)  8 destination code (i16)
//   10 origin sub-code (u16, 0 any)  12 destination sub-code (u16, 0 any)
//   14 origin operator (u16: ' ' or '=')  16 destination operator  18 other kind (u16, 0 any)
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/kernel/byte_record.h"

namespace vorn {

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

}  // namespace vorn

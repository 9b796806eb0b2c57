// TDN.IDX and TDN.IDA, the exception names of the tariff directory.
// TDN.IDX, 11-byte records sorted by packed ZIP, kind, version:
//   0-2 packed ZIP  3 kind (i16)  5 first version (i8)  6 end version (i8)
//   7 offset of the name in TDN.IDA (u32)
// TDN.IDA: at each offset a length byte and up to 19 characters of name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/kernel/byte_record.h"

namespace vorn {

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

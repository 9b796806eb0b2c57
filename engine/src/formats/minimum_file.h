// The tariff's minimum-charge file (.M), in one of two layouts:
// - keyed: records of 10 + 3n bytes, a 10-byte key then n little-endian
//   24-bit entries. The first record is the header: entry 0 is n, entry 1
//   the number of distance groups, byte 9 the mode letter ('A' or 'B';
//   anything else is no mode). A lane's record is the first whose key does
//   not sort below the rate record's head (compared on 10 bytes, or on 5
//   for type 'A' with point-file flag 'M'); the header takes part in that
//   scan.
// - headerless tier table: the file's first 384 bytes, 128 entries of 24
//   bits.
// Either is read into one record area: a 10-byte key and 128 entries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "formats/packed_codes.h"
#include "platform/kernel/byte_record.h"

namespace vorn {

class MinimumRecordArea {
 public:
  static constexpr std::size_t kKeySize = 10;
  static constexpr std::size_t kEntryBytes = 384;
  static constexpr std::size_t kMaxEntries = kEntryBytes / 3;
  static constexpr std::size_t kSize = kKeySize + kEntryBytes;
  static_assert(kMaxEntries == 128 && kEntryBytes % 3 == 0);

  void clear() { bytes_ = {}; }
  // The whole area (key, then entries), for a record read into it.
  std::span<std::uint8_t, kSize> all() { return bytes_.bytes(); }
  // The entries alone, for the 384-byte tier table.
  std::span<std::uint8_t, kEntryBytes> entries() {
    return std::span<std::uint8_t, kEntryBytes>(bytes_.data() + kKeySize, kEntryBytes);
  }
  // Entry i (0 beyond the area).
  std::uint32_t entry(std::size_t i) const {
    if (i >= kMaxEntries) return 0;
    return Load24(std::span<const std::uint8_t, 3>(bytes_.data() + kKeySize + 3 * i, 3));
  }

 private:
  platform::ByteRecord<kSize> bytes_;
};

// The size of the headerless tier table.
inline constexpr std::size_t kMinimumTableSize = MinimumRecordArea::kEntryBytes;

}  // namespace vorn

// What the rate fetch keeps in the engine: the record area of the tariff's
// minimum-charge file (.M) and the tariff's weight-tier switch.
//
// The record area is a 10-byte key and 128 24-bit entries (384 bytes). It
// holds either a keyed record of the .M file (its key, then its n entries)
// or, for the tariffs whose .M file is a headerless tier table, the file's
// first 384 bytes as the entries.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "effective/current_tariff.h"
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
  std::span<std::uint8_t, kEntryBytes> entries() { return std::span<std::uint8_t, kEntryBytes>(bytes_.data() + kKeySize, kEntryBytes); }
  // Entry i (0 beyond the area).
  std::uint32_t entry(std::size_t i) const {
    if (i >= kMaxEntries) return 0;
    const std::size_t at = kKeySize + 3 * i;
    return static_cast<std::uint32_t>(bytes_.byteAt(at)) | static_cast<std::uint32_t>(bytes_.byteAt(at + 1)) << 8 |
           static_cast<std::uint32_t>(bytes_.byteAt(at + 2)) << 16;
  }

 private:
  platform::ByteRecord<kSize> bytes_;
};

struct FetchWork {
  MinimumRecordArea minimumRecord;
  // The weight-tier switch belongs to a tariff: layout 1 of the .M file sets
  // it for the current tariff, and a tariff other than that one finds it off.
  std::optional<CurrentTariff> tierSwitchTariff;
  // The column of the distance-tier table, a digit character '1' to '4'.
  char distanceColumn = '1';

  bool tierSwitchOn(const CurrentTariff& current) const { return tierSwitchTariff && *tierSwitchTariff == current; }
};

}  // namespace vorn

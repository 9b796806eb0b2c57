// The lettered-code table: up to 250 entries of 10 bytes {letter; code, 5
// characters blank-padded; number, 3 digits; flag}. The default holds 25
// entries, the last one ('X') closing it; a tariff's own table (read from
// its light-edition base file) replaces it when one is loaded, ending at an
// entry whose letter is '*'. Entries past the table are zero.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/kernel/byte_record.h"

namespace vorn {

class LetteredCodeTable {
 public:
  static constexpr std::size_t kEntries = 250;
  static constexpr std::size_t kDefaultEntries = 25;
  static constexpr std::size_t kEntrySize = 10;
  static constexpr platform::FieldSpan kLetter{0, 1};
  static constexpr platform::FieldSpan kCode{1, 5};
  static constexpr platform::FieldSpan kNumber{6, 3};
  static constexpr platform::FieldSpan kFlag{9, 1};
  static_assert(kFlag.end() == kEntrySize);

  // The default table.
  LetteredCodeTable();
  // Back to the default table.
  void reset() { *this = LetteredCodeTable(); }
  // A table of these 10-byte entries (at most kEntries; the rest zero).
  void load(std::span<const std::uint8_t> entries);
  void setLetter(std::size_t i, char letter) { bytes_.setChar(i * kEntrySize + kLetter.offset, letter); }

  char letter(std::size_t i) const { return bytes_.charAt(i * kEntrySize + kLetter.offset); }
  std::string_view code(std::size_t i) const { return field(i, kCode); }
  std::string_view number(std::size_t i) const { return field(i, kNumber); }
  char flag(std::size_t i) const { return bytes_.charAt(i * kEntrySize + kFlag.offset); }

  const platform::ByteRecord<kEntries * kEntrySize>& bytes() const { return bytes_; }

 private:
  std::string_view field(std::size_t i, platform::FieldSpan f) const {
    return bytes_.text({i * kEntrySize + f.offset, f.width});
  }
  platform::ByteRecord<kEntries * kEntrySize> bytes_;
};

}  // namespace vorn

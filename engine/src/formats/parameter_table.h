// The named tariff parameters that factor files set: 11 entries of 19 bytes
// {name, 14 characters NUL-padded; type letter; value, 4 bytes}. The type
// letter says how the value is held: B a 32-bit 0 or 1, C four characters,
// F a float, I a 16-bit integer, L a 32-bit integer.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/kernel/byte_record.h"

namespace vorn {

class ParameterTable {
 public:
  static constexpr std::size_t kEntries = 11;
  static constexpr std::size_t kEntrySize = 19;
  static constexpr std::size_t kNameWidth = 14;
  static constexpr std::size_t kTypeOffset = 14;
  static constexpr std::size_t kValueOffset = 15;
  static_assert(kValueOffset + 4 == kEntrySize);

  enum Index : std::size_t {
    kMcAddon,
    kSsMcAddon,
    kQivMc,
    kLaPct,
    kOneLa,
    kBrks,
    kBrk2,
    kHcity,
    kNcity,
    kRadjf,
    kNoRbnAddon
  };

  // The table as the engine's constructor fills it.
  ParameterTable();

  std::optional<std::size_t> find(std::string_view name) const;
  std::string_view name(std::size_t index) const;
  char type(std::size_t index) const { return bytes_.charAt(index * kEntrySize + kTypeOffset); }

  float floatValue(std::size_t index) const;
  void setFloat(std::size_t index, float value);
  std::int32_t integerValue(std::size_t index) const;
  void setInteger(std::size_t index, std::int32_t value);
  std::string_view charsValue(std::size_t index) const;
  void setChars(std::size_t index, std::string_view value);

  const platform::ByteRecord<kEntries * kEntrySize>& bytes() const { return bytes_; }

 private:
  std::size_t valueOffset(std::size_t index) const { return index * kEntrySize + kValueOffset; }
  platform::ByteRecord<kEntries * kEntrySize> bytes_;
};

}  // namespace vorn

// The converter's table of 28 units, built when the calculator opens: each
// 171-byte row holds the source unit's name (21 bytes, NUL-padded) and six
// target slots of a name (21 bytes, NUL-padded, empty when unused) and a
// 32-bit float factor: the value in the source unit times the factor is the
// value in the target unit.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/kernel/byte_record.h"

namespace qiv::unit_conversion {

inline constexpr std::size_t kRows = 28;
inline constexpr std::size_t kSlots = 6;
inline constexpr std::size_t kNameWidth = 21;
inline constexpr std::size_t kSlotWidth = kNameWidth + sizeof(float);
inline constexpr std::size_t kRowSize = kNameWidth + kSlots * kSlotWidth;
static_assert(kRowSize == 171);
inline constexpr platform::FieldSpan kSource{0, kNameWidth};
constexpr platform::FieldSpan TargetName(std::size_t slot) { return {kNameWidth + slot * kSlotWidth, kNameWidth}; }
constexpr platform::FieldSpan TargetFactor(std::size_t slot) { return {TargetName(slot).end(), sizeof(float)}; }
static_assert(TargetFactor(kSlots - 1).end() == kRowSize);

// The rows whose conversion is not a plain factor.
inline constexpr std::size_t kFahrenheitRow = 24;  // v - 32 before the factor
inline constexpr std::size_t kCentigradeRow = 25;  // + 32 after it

using Row = platform::ByteRecord<kRowSize>;

class Table {
 public:
  Table();
  std::string sourceName(std::size_t row) const;
  // The slot's name ("" for an unused slot) and factor.
  std::string targetName(std::size_t row, std::size_t slot) const;
  float factor(std::size_t row, std::size_t slot) const;

 private:
  std::array<Row, kRows> rows_{};
};

}  // namespace qiv::unit_conversion

// The tariff's lane-adjustment file (letter A) in its four record forms.
// Values are little-endian u16; an operator character '0' applies nothing.
//
// Point records, 32 bytes, numbered by their first value:
//   0 number   2 whole-shipment operator   3-11 an operator per break (9)
//   12 whole-shipment value   14-31 a value per break (9)
// Lane-pair records, 33 bytes, sorted by their packed pair:
//   0-2 packed pair   3 whole-shipment operator   4-12 an operator per break
//   13 whole-shipment value   15-32 a value per break
// Operator records, 350 bytes, numbered by their first value:
//   0 number   2 whole-shipment operator   3 rate operator
//   4 whole-shipment value   6 its alternative for minimum charges of kind '1'
//   8 a value per break column (the rest is not read)
// Cell records, 347 bytes, by a 3-character adjustment number:
//   0-2 number   3-346 a value per cell of the adjustment matrix (the
//   whole-shipment cell, then each class row's breaks)
// After the cell record numbered "999" (else "***") comes the state list
// that adjustment numbers beginning '4' are checked against, 28-byte
// entries: 0-4 a ZIP (blanks: any)   7 the direction ('F' origin, 'T'
//   destination, 'B' both)   9-27 state and city (compared over their
//   length without trailing blanks: "NY" holds every city of NY)
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace vorn::lane_adjustment {

inline constexpr std::size_t kBreakColumns = 9;

// A record read from the file, by the offsets of its form.
class RecordView {
 public:
  explicit RecordView(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  // The value at a byte offset (0 beyond the record).
  std::uint16_t value(std::size_t offset) const {
    if (offset + 2 > bytes_.size()) return 0;
    return static_cast<std::uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8);
  }
  char character(std::size_t offset) const { return offset < bytes_.size() ? static_cast<char>(bytes_[offset]) : '0'; }

 private:
  std::span<const std::uint8_t> bytes_;
};

namespace point {
inline constexpr std::size_t kSize = 32;
inline constexpr std::size_t kNumber = 0, kShipmentOperator = 2, kBreakOperators = 3, kShipmentValue = 12,
                             kBreakValues = 14;
static_assert(kBreakOperators + kBreakColumns == kShipmentValue && kBreakValues + 2 * kBreakColumns == kSize);
}  // namespace point

namespace lane_pair {
inline constexpr std::size_t kSize = 33;
inline constexpr std::size_t kShipmentOperator = 3, kBreakOperators = 4, kShipmentValue = 13, kBreakValues = 15;
static_assert(kBreakOperators + kBreakColumns == kShipmentValue && kBreakValues + 2 * kBreakColumns == kSize);
}  // namespace lane_pair

namespace operators {
inline constexpr std::size_t kSize = 350;
inline constexpr std::size_t kNumber = 0, kShipmentOperator = 2, kRateOperator = 3, kShipmentValue = 4,
                             kAlternativeShipmentValue = 6, kColumnValues = 8;
static_assert(kColumnValues + 2 * kBreakColumns <= kSize);
}  // namespace operators

namespace cell {
inline constexpr std::size_t kSize = 347;
inline constexpr std::size_t kCellValues = 3;
inline constexpr std::size_t kCells = 1 + 19 * 9;  // the whole shipment, then 19 classes at 9 breaks
static_assert(kCellValues + 2 * kCells == kSize);
}  // namespace cell

namespace state_list {
inline constexpr std::size_t kSize = 28;
inline constexpr std::size_t kZip = 0, kDirection = 7, kStateCity = 9;
inline constexpr std::size_t kStateCityWidth = 19;
static_assert(kStateCity + kStateCityWidth == kSize);
}  // namespace state_list

}  // namespace vorn::lane_adjustment

// What the tariff methods leave for the rating core besides the rate record
// (rating/rate_file_work.h): the rate-basis number, the add-on record of
// the add-on methods and, for a combined tariff, the adjustment records its
// rate record names.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "formats/minimum_file.h"
#include "platform/kernel/byte_record.h"

namespace vorn {

// The add-on record the add-on methods leave: a kind letter and two packed
// five-digit amounts (3 bytes each).
struct AddOnRecord {
  char kind = ' ';
  std::array<std::uint8_t, 3> firstAmount{};
  std::array<std::uint8_t, 3> secondAmount{};
};

// An adjustment record of a combined tariff, a 660-byte record of the .A
// file, in the order the rate record names them.
struct CombinedAdjustment {
  static constexpr std::size_t kRecordSize = 660;
  static constexpr platform::FieldSpan kNumber{0, 5};
  static constexpr platform::FieldSpan kColumns{5, 3};
  std::uint32_t recordNumber = 0;
  std::array<char, 3> columns{};  // the record's bytes 5-7
  platform::ByteRecord<kRecordSize> record;
};

// The header under which the core applies a combined tariff's adjustments
// as one list.
struct CombinedAdjustmentHeader {
  std::array<char, 5> flags{'A', 'N', ' ', '7', 'Y'};  // the fourth is the decimals flag
  std::int16_t recordLength = CombinedAdjustment::kRecordSize;
  std::int16_t count = 0;
};

inline constexpr std::uint16_t kNoLaneAdjustments = 65535;
inline constexpr std::uint16_t kGlobalAdjustmentList = 6;
inline constexpr std::size_t kMaxCombinedAdjustments = 60;

// The tariff percentages of a bureau tariff, in hundredths of a percent.
struct BureauPercentages {
  std::int32_t minimums = 0;
  std::int32_t lowBreaks = 0;   // breaks 0 to 5
  std::int32_t highBreaks = 0;  // breaks 6 and up
  bool any() const { return minimums != 0 || lowBreaks != 0 || highBreaks != 0; }
};

struct MethodWork {
  std::int32_t rateBasisNumber = 0;
  char serviceDigit = ' ';  // type '7'
  AddOnRecord addOn;
  // The headerless minimum table a light-table tariff's kind 'H' reads.
  std::array<std::uint8_t, kMinimumTableSize> minimumTable{};
  bool hasMinimumTable = false;

  // An adjustment number of up to three digits forced on the shipment's lane
  // adjustments; no tariff method sets one yet.
  std::optional<std::uint16_t> forcedAdjustmentNumber;

  // Combined tariff (type 'N').
  std::uint16_t laneAdjustmentType = kNoLaneAdjustments;
  std::int16_t laneAdjustmentEntries = 0;
  CombinedAdjustmentHeader adjustmentHeader;
  std::vector<CombinedAdjustment> adjustments;  // the adjustment index, at most 60

  void clear() { *this = MethodWork{}; }
};

}  // namespace vorn

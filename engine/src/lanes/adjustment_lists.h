// The core's adjustment lists: the entries of a global lane list applied to
// the minimum charges (column 1) or to the rate table (column 2), each .A
// record giving an operation and a value for the minimums (bytes 5 and 8)
// and an operation for the rates with a value per table position (bytes 6
// and 12 on).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "lanes/adjustment_file.h"
#include "rating/lane_adjustment_work.h"

namespace vorn {

enum class ListColumn { kMinimums, kRates };

struct ListSettings {
  char combine = ' ';   // '*', '+', 'H', 'L' combine the values of the '1' entries; blank none
  char decimals = ' ';  // the values' decimals: '6' 4, '7' 5, else none
};

// Applies the first 15 records whose operation for the column is '1' to
// '6', in list order: '2' adds the value, '5' subtracts it, '1', '3', '6'
// and '4' multiply by it at the decimals (the first entry of a run of '4'
// at 3 decimals less), a value of 0 changes nothing; after a run of '3'
// amounts are rounded to a multiple of 5, of '4' the 3 extra decimals are
// rounded off, of '6' to a multiple of 10. Amounts equal to skip are no
// amounts. 0, or 145 when an amount leaves 32 bits (it is left as it was).
// records: the list's .A records in list order.
std::int16_t ApplyAdjustmentList(std::span<const std::vector<std::uint8_t>> records, ListColumn column,
                                 const ListSettings& settings, std::span<std::int32_t> amounts, std::int32_t skip);

// The .A records of a global list's entries, in list order (an entry whose
// record cannot be read is left out).
std::vector<std::vector<std::uint8_t>> ListRecords(const GlobalAdjustmentList& list, const AdjustmentFile& adjustments);

}  // namespace vorn

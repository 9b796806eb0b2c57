// Applying the lane's hits to the rate matrix and the minimum charges of
// the rating pass: each hit names an .A record that says, for the whole
// shipment and for each weight break, what operator and value apply.
#pragma once

#include <cstdint>
#include <span>

#include "lanes/adjustment_file.h"
#include "rating/lane_adjustment_work.h"

namespace vorn {

// The rate matrix: rows x columns signed rates, row-major. Cells that hold
// BreakRateTable::kNotFetched are no rates and stay as they are.
struct RateGrid {
  std::span<std::int32_t> cells;
  int rows = 0;
  int columns = 0;
};

struct MinimumChargeAmounts {
  std::span<std::int32_t> amounts;
  int callerCount = 4;   // the charges the caller asks to treat
  int recordCount = 0;   // the charges the minimum-charge record gave
  char firstKind = ' ';  // the kind flag of the first minimum charge
  bool kindSix = false;  // the core's minimum-charge kind is 6
};

struct LaneTariffFacts {
  char tariffType = ' ';
  int effectiveYearMonth = 0;  // year x 100 + month of the tariff's effective date
};

// 0 after applying, 1 when there was nothing to apply (no .A file or no
// hits). A hit whose record is missing is skipped.
int ApplyLaneAdjustments(LaneAdjustmentWork& work, const AdjustmentFile* adjustments, RateGrid rates,
                         MinimumChargeAmounts minimums, const LaneTariffFacts& tariff);

// Combines a value into a running value of factors at unit (10000 is 100
// percent): '*' multiplies, '+' adds the value less 10000, 'H' keeps the
// higher, 'L' the lower; a value of 0 is left out and an empty running value
// takes the value.
std::int64_t CombineAdjustmentValues(char op, std::int64_t running, std::int64_t value, std::int64_t unit);

// The per-value operations, on one amount or rate x.
// Point records: '1' factor in hundredths of a percent, '2' add.
std::int32_t ApplyPointAdjustment(std::int32_t x, std::uint16_t value, char op);
// Lane-pair records at divisor 10 or 1000 and add-on multiplier 1 or 100;
// truncating: the factor rule of tariffs effective before August 2001.
std::int32_t ApplyLanePairAdjustment(std::int32_t x, std::uint16_t value, char op, int divisor, int multiplier,
                                     bool truncating);
// Operator records: '*' factor, '+' add, '-' subtract, 'F' the floor value.
std::int32_t ApplyOperatorAdjustment(std::int32_t x, std::uint16_t value, char op, std::uint16_t& floorValue);
// The default path: a factor with percentage on, else an amount to add.
std::int32_t ApplyCombinedAdjustment(std::int32_t x, std::uint16_t value, bool percentage);

}  // namespace vorn
